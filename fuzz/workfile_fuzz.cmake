# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# The work file and the readers of its system and observing-run parts. The run's reader sees
# the fit by hand's slider steps in its header, hence Qt's widgets (uninstrumented); the
# kept fits bring the fit and Eigen.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
find_package(Eigen3 REQUIRED NO_MODULE)
set(_model ${PROJECT_SOURCE_DIR}/model)
doppler_add_fuzzer(workfile_fuzz ${PROJECT_SOURCE_DIR}/fuzz/workfile_fuzz.cpp
                   ${PROJECT_SOURCE_DIR}/platform/WorkFile.cpp
                   ${PROJECT_SOURCE_DIR}/platform/BookWording.cpp
                   ${PROJECT_SOURCE_DIR}/platform/BookLanguage.cpp
                   ${PROJECT_SOURCE_DIR}/platform/PseudoLanguage.cpp
                   ${PROJECT_SOURCE_DIR}/platform/RegularFile.cpp
                   ${PROJECT_SOURCE_DIR}/platform/SavedFile.cpp
                   ${PROJECT_SOURCE_DIR}/simulation/SystemJson.cpp
                   ${PROJECT_SOURCE_DIR}/observing/RunState.cpp
                   ${PROJECT_SOURCE_DIR}/observing/SolutionJson.cpp
                   ${_model}/orbit/planet.cpp ${_model}/orbit/planetname.cpp ${_model}/orbit/Kepler.cpp
                   ${_model}/observing/MeasurementLimits.cpp ${_model}/observing/ObservingRun.cpp
                   ${_model}/fit/OrbitFit.cpp ${_model}/fit/FitParameters.cpp ${_model}/fit/KeplerResiduals.cpp
                   ${_model}/fit/FitDescription.cpp
                   ${_model}/observing/MeasurementsCsv.cpp
                   ${_model}/rv/TextFields.cpp ${_model}/text/Answer.cpp ${_model}/fit/Jitter.cpp
                   ${_model}/fit/LeastSquares.cpp ${_model}/fit/PlanetMass.cpp
                   ${_model}/text/NumberWriting.cpp)
target_link_libraries(workfile_fuzz PRIVATE Qt6::Widgets Eigen3::Eigen)
