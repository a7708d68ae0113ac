# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# A data file shown in the rich edit and laid out, which needs Qt's GUI libraries
# (uninstrumented).
find_package(Qt6 REQUIRED COMPONENTS Widgets)
set(_platform ${PROJECT_SOURCE_DIR}/platform)
doppler_add_fuzzer(richlayout_fuzz ${PROJECT_SOURCE_DIR}/fuzz/richlayout_fuzz.cpp
  ${_platform}/TextCodec.cpp ${_platform}/RtfDocument.cpp ${_platform}/RtfImport.cpp
  ${_platform}/RtfExport.cpp ${_platform}/RtfTextDocument.cpp ${_platform}/CharFormatMapping.cpp
  ${_platform}/TCharFormat.cpp ${_platform}/TFont.cpp ${_platform}/TColor.cpp
  ${_platform}/TRichEditControl.cpp ${_platform}/include/TRichEditControl.h)
set_target_properties(richlayout_fuzz PROPERTIES AUTOMOC ON)
target_link_libraries(richlayout_fuzz PRIVATE Qt6::Widgets)
