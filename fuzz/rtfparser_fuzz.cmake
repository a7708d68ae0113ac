doppler_add_fuzzer(rtfparser_fuzz ${PROJECT_SOURCE_DIR}/fuzz/rtfparser_fuzz.cpp
                   ${PROJECT_SOURCE_DIR}/widgets/oRTFParser.cpp)
