// Feeds arbitrary bytes to the RTF reader. The first byte also chooses the marker options and
// the white-space option, so every marker path is reached. Besides the sanitizers' checks, the
// result code must be one of the documented ones and the match string must come back trimmed.

#include "oRTFParser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    oRTFParser parser;
    if (size > 0) {
        parser.SetMarkerOptions(oRTFParser::MarkerSet(data[0] & 0x7F));
        parser.SetSkipWhiteSpace((data[0] & 0x80) != 0);
    }
    const AnsiString matchString =
        parser.Parse(AnsiString(reinterpret_cast<const char*>(data), size));

    if (parser.LastResult() < oRTFParser::rcOk ||
        parser.LastResult() > oRTFParser::rcEndAfterBackslash)
        __builtin_trap();
    const auto trimmed = [](char ch) { return static_cast<unsigned char>(ch) <= ' '; };
    if (!matchString.empty() && (trimmed(matchString.front()) || trimmed(matchString.back())))
        __builtin_trap();
    return 0;
}
