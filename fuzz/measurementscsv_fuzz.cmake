# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
doppler_add_fuzzer(measurementscsv_fuzz ${PROJECT_SOURCE_DIR}/fuzz/measurementscsv_fuzz.cpp
                   ${PROJECT_SOURCE_DIR}/model/MeasurementsCsv.cpp
                   ${PROJECT_SOURCE_DIR}/model/Periodogram.cpp
                   ${PROJECT_SOURCE_DIR}/model/ObservingRun.cpp
                   ${PROJECT_SOURCE_DIR}/model/Kepler.cpp
                   ${PROJECT_SOURCE_DIR}/model/planet.cpp
                   ${PROJECT_SOURCE_DIR}/model/planetname.cpp)
