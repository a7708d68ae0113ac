# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# The rich edit's RTF stream-in: the Qt-free import and export, and the step into a Qt
# text document, which needs Qt's GUI libraries (uninstrumented).
find_package(Qt6 REQUIRED COMPONENTS Widgets)
set(_platform ${PROJECT_SOURCE_DIR}/platform)
doppler_add_fuzzer(richedit_fuzz ${PROJECT_SOURCE_DIR}/fuzz/richedit_fuzz.cpp
  ${_platform}/TextCodec.cpp ${_platform}/RtfDocument.cpp ${_platform}/RtfImport.cpp
  ${_platform}/RtfExport.cpp ${_platform}/RtfTextDocument.cpp ${_platform}/CharFormatMapping.cpp
  ${_platform}/TCharFormat.cpp ${_platform}/TFont.cpp ${_platform}/TColor.cpp)
target_link_libraries(richedit_fuzz PRIVATE Qt6::Widgets)
