// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Feeds arbitrary bytes to the RTF reader. The first byte also chooses the marker options and
// the white-space option, so every marker path is reached. Besides the sanitizers' checks, the
// result code must be one of the documented ones, the match string must come back trimmed,
// a second parse of the same bytes must give the same result, and the match string written
// back as plain RTF text must read back to itself.

#include "fuzz/FuzzCheck.h"
#include "oRTFParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Every byte but letters and digits as a \'hh escape, so none of them is syntax.
AnsiString asRtf(const AnsiString& text) {
    static constexpr char hex[] = "0123456789abcdef";
    AnsiString rtf = "{\\rtf1 ";
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if ((byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
            (byte >= 'A' && byte <= 'Z')) {
            rtf += ch;
        } else {
            rtf += "\\'";
            rtf += hex[byte >> 4];
            rtf += hex[byte & 15];
        }
    }
    return rtf + "}";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    oRTFParser parser;
    if (size > 0) {
        parser.SetMarkerOptions(oRTFParser::MarkerSet(data[0] & 0x7F));
        parser.SetSkipWhiteSpace((data[0] & 0x80) != 0);
    }
    const AnsiString input(reinterpret_cast<const char*>(data), size);
    const AnsiString matchString = parser.Parse(input);
    const int result = parser.LastResult();

    check(result >= oRTFParser::rcOk && result <= oRTFParser::rcEndAfterBackslash,
          "undocumented result code");
    const auto trimmed = [](char ch) { return static_cast<unsigned char>(ch) <= ' '; };
    check(matchString.empty() || (!trimmed(matchString.front()) && !trimmed(matchString.back())),
          "match string not trimmed");

    check(parser.Parse(input) == matchString && parser.LastResult() == result,
          "a second parse differs");
    check(parser.Parse(asRtf(matchString)) == matchString &&
              parser.LastResult() == oRTFParser::rcOk,
          "the match string does not read back as itself");
    return 0;
}
