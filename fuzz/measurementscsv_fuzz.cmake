# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# The reader and all that the observing run does with what it reads; the drawing needs Qt's
# GUI library (uninstrumented) and Eigen for the fit.
find_package(Qt6 REQUIRED COMPONENTS Gui)
find_package(Eigen3 REQUIRED NO_MODULE)
set(_model ${PROJECT_SOURCE_DIR}/model)
doppler_add_fuzzer(measurementscsv_fuzz ${PROJECT_SOURCE_DIR}/fuzz/measurementscsv_fuzz.cpp
                   ${_model}/observing/MeasurementsCsv.cpp ${_model}/observing/MeasurementLimits.cpp
                   ${_model}/rv/TextFields.cpp ${_model}/text/Answer.cpp
                   ${_model}/observing/Periodogram.cpp ${_model}/observing/ObservingRun.cpp ${_model}/orbit/Kepler.cpp
                   ${_model}/orbit/planet.cpp ${_model}/orbit/planetname.cpp ${_model}/observing/PhaseFold.cpp
                   ${_model}/fit/OrbitFit.cpp ${_model}/fit/FitParameters.cpp ${_model}/fit/KeplerResiduals.cpp
                   ${_model}/fit/FitDescription.cpp
                   ${_model}/fit/PlanetSearch.cpp ${_model}/fit/PlanetMass.cpp
                   ${_model}/fit/LeastSquares.cpp ${_model}/fit/Jitter.cpp
                   ${_model}/fit/CandidateVetting.cpp ${_model}/fit/KeplerianScan.cpp
                   ${_model}/fit/PlanetInteraction.cpp ${_model}/fit/FitCsv.cpp ${_model}/text/NumberWriting.cpp
                   ${PROJECT_SOURCE_DIR}/observing/ObservingDrawing.cpp
                   ${PROJECT_SOURCE_DIR}/platform/BookWording.cpp
                   ${PROJECT_SOURCE_DIR}/platform/BookLanguage.cpp
                   ${PROJECT_SOURCE_DIR}/platform/PseudoLanguage.cpp
                   ${PROJECT_SOURCE_DIR}/simulation/ViewClip.cpp)
target_link_libraries(measurementscsv_fuzz PRIVATE Qt6::Gui Eigen3::Eigen)
