# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# The reader and all that the observing run does with what it reads; the drawing needs Qt's
# GUI library (uninstrumented) and Eigen for the fit.
find_package(Qt6 REQUIRED COMPONENTS Gui)
find_package(Eigen3 REQUIRED NO_MODULE)
set(_model ${PROJECT_SOURCE_DIR}/model)
doppler_add_fuzzer(measurementscsv_fuzz ${PROJECT_SOURCE_DIR}/fuzz/measurementscsv_fuzz.cpp
                   ${_model}/MeasurementsCsv.cpp ${_model}/MeasurementLimits.cpp
                   ${_model}/TextFields.cpp ${_model}/Answer.cpp
                   ${_model}/Periodogram.cpp ${_model}/ObservingRun.cpp ${_model}/Kepler.cpp
                   ${_model}/planet.cpp ${_model}/planetname.cpp ${_model}/PhaseFold.cpp
                   ${_model}/OrbitFit.cpp ${_model}/FitParameters.cpp ${_model}/KeplerResiduals.cpp
                   ${_model}/FitDescription.cpp
                   ${_model}/PlanetSearch.cpp ${_model}/PlanetMass.cpp
                   ${_model}/LeastSquares.cpp ${_model}/Jitter.cpp
                   ${_model}/CandidateVetting.cpp ${_model}/KeplerianScan.cpp
                   ${_model}/PlanetInteraction.cpp ${_model}/FitCsv.cpp ${_model}/ProbabilityText.cpp
                   ${PROJECT_SOURCE_DIR}/observing/ObservingDrawing.cpp
                   ${PROJECT_SOURCE_DIR}/platform/BookWording.cpp
                   ${PROJECT_SOURCE_DIR}/platform/BookLanguage.cpp
                   ${PROJECT_SOURCE_DIR}/platform/PseudoLanguage.cpp
                   ${PROJECT_SOURCE_DIR}/simulation/ViewClip.cpp)
target_link_libraries(measurementscsv_fuzz PRIVATE Qt6::Gui Eigen3::Eigen)
