# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
doppler_add_fuzzer(rvimport_fuzz ${PROJECT_SOURCE_DIR}/fuzz/rvimport_fuzz.cpp
                   ${PROJECT_SOURCE_DIR}/model/rv/RvTable.cpp
                   ${PROJECT_SOURCE_DIR}/model/rv/TextFields.cpp
                   ${PROJECT_SOURCE_DIR}/model/text/Answer.cpp
                   ${PROJECT_SOURCE_DIR}/model/observing/MeasurementLimits.cpp
                   ${PROJECT_SOURCE_DIR}/model/rv/RvImport.cpp
                   ${PROJECT_SOURCE_DIR}/model/rv/RvDataSet.cpp
                   ${PROJECT_SOURCE_DIR}/model/text/NumberWriting.cpp)
