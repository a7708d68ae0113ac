# The rich edit's RTF stream-in: the Qt-free import and export, the step into a Qt text
# document and the rich edit's layout, which need Qt's GUI libraries (uninstrumented).
find_package(Qt6 REQUIRED COMPONENTS Widgets)
set(_platform ${PROJECT_SOURCE_DIR}/platform)
doppler_add_fuzzer(richedit_fuzz ${PROJECT_SOURCE_DIR}/fuzz/richedit_fuzz.cpp
  ${_platform}/TextCodec.cpp ${_platform}/RtfDocument.cpp ${_platform}/RtfImport.cpp
  ${_platform}/RtfExport.cpp ${_platform}/RtfTextDocument.cpp ${_platform}/CharFormatMapping.cpp
  ${_platform}/TCharFormat.cpp ${_platform}/TFont.cpp ${_platform}/TColor.cpp
  ${_platform}/TRichEditControl.cpp ${_platform}/include/TRichEditControl.h)
set_target_properties(richedit_fuzz PROPERTIES AUTOMOC ON)
target_link_libraries(richedit_fuzz PRIVATE Qt6::Widgets)
