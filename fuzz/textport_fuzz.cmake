# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# The text port: line fitting, actions and inline pictures, drawn on an off-screen bitmap
# through the canvas (Qt's GUI libraries, uninstrumented).
find_package(Qt6 REQUIRED COMPONENTS Widgets)
set(_widgets ${PROJECT_SOURCE_DIR}/widgets)
set(_platform ${PROJECT_SOURCE_DIR}/platform)
doppler_add_fuzzer(textport_fuzz ${PROJECT_SOURCE_DIR}/fuzz/textport_fuzz.cpp
  ${_widgets}/textport.cpp ${_widgets}/textMeasure.cpp ${_widgets}/oTextRuler.cpp
  ${_widgets}/oGraphic.cpp ${_widgets}/oTable.cpp ${_widgets}/oFraction.cpp
  ${_platform}/TCanvas.cpp ${_platform}/TBitmap.cpp ${_platform}/TFont.cpp
  ${_platform}/TColor.cpp ${_platform}/ShapeStamps.cpp
  ${_platform}/ImageRows.cpp)
target_include_directories(textport_fuzz PRIVATE ${_widgets})
target_link_libraries(textport_fuzz PRIVATE Qt6::Widgets)
