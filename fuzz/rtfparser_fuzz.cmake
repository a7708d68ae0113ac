# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
doppler_add_fuzzer(rtfparser_fuzz ${PROJECT_SOURCE_DIR}/fuzz/rtfparser_fuzz.cpp
                   ${PROJECT_SOURCE_DIR}/widgets/oRTFParser.cpp)
