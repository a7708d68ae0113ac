# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
doppler_add_fuzzer(evaluate_fuzz ${PROJECT_SOURCE_DIR}/fuzz/evaluate_fuzz.cpp
  ${PROJECT_SOURCE_DIR}/widgets/linklist.cpp
  ${PROJECT_SOURCE_DIR}/widgets/oError.cpp
  ${PROJECT_SOURCE_DIR}/widgets/oEvalError.cpp
  ${PROJECT_SOURCE_DIR}/widgets/oToken.cpp
  ${PROJECT_SOURCE_DIR}/widgets/oLanguage.cpp
  ${PROJECT_SOURCE_DIR}/widgets/checkedMath.cpp
  ${PROJECT_SOURCE_DIR}/widgets/oArithmeticLanguage.cpp
  ${PROJECT_SOURCE_DIR}/widgets/oScientificLanguage.cpp
  ${PROJECT_SOURCE_DIR}/widgets/oCodeList.cpp)
