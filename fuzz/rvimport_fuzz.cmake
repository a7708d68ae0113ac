# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
doppler_add_fuzzer(rvimport_fuzz ${PROJECT_SOURCE_DIR}/fuzz/rvimport_fuzz.cpp
                   ${PROJECT_SOURCE_DIR}/model/RvTable.cpp
                   ${PROJECT_SOURCE_DIR}/model/TextFields.cpp
                   ${PROJECT_SOURCE_DIR}/model/Answer.cpp
                   ${PROJECT_SOURCE_DIR}/model/MeasurementLimits.cpp
                   ${PROJECT_SOURCE_DIR}/model/RvImport.cpp
                   ${PROJECT_SOURCE_DIR}/model/RvDataSet.cpp)
