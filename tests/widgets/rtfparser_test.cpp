// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oRTFParser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Markers = oRTFParser::MarkerSet;

// Expected match strings are written with "¬" (UTF-8 in this file) for the delimiter byte.
std::string marked(std::string text) {
    const std::string sign = "\xC2\xAC";
    for (std::size_t at = text.find(sign); at != std::string::npos; at = text.find(sign, at + 1))
        text.replace(at, sign.size(), 1, oRTFParser::MarkerDelimiter);
    return text;
}

const Markers defaultMarkers = (1u << oRTFParser::mkSubscript) | (1u << oRTFParser::mkSuperscript) |
                               (1u << oRTFParser::mkSymbol);
const Markers allMarkers = Markers().set();

const std::string fontTable = "{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset2 Symbol;}}";
const std::string thirtyDigits(30, '9');
const std::string fortyLetters(40, 'x');

struct ParseCase {
    std::string name;
    std::string rtf;
    std::string expected; // with "¬" for the delimiter
    int result = oRTFParser::rcOk;
    Markers markers = defaultMarkers;
    bool skipWhiteSpace = false;
};

class RtfParse : public testing::TestWithParam<ParseCase> {};

TEST_P(RtfParse, GivesMatchStringAndResult) {
    const ParseCase& c = GetParam();
    oRTFParser parser;
    parser.SetMarkerOptions(c.markers);
    parser.SetSkipWhiteSpace(c.skipWhiteSpace);
    EXPECT_EQ(parser.Parse(c.rtf), marked(c.expected));
    EXPECT_EQ(parser.LastResult(), c.result);
}

const ParseCase parseCases[] = {
    // Worked examples and result codes.
    {"EmptyInput", "", ""},
    {"SuperAndSubscriptGroups", "{\\rtf1 x{\\super 2} + H{\\sub 2}O}", "x¬super¬2 + H¬sub¬2O"},
    {"SpaceEndsKeywordItalicNotMarked", "{\\rtf1 Rich\\i Text}", "RichText"},
    {"ParIsLineFeedEndsTrimmed", "{\\rtf1 \\par a\\par b\\par\\par}", "a\nb"},
    {"ControlCharactersTrimmed", "{\\rtf1 \\tab\\'01 x \\'1f\\tab}", "x"},
    {"ExtraCloseBrace", "{\\rtf1 a}}b", "a", oRTFParser::rcUnmatchedClose},
    {"CloseBraceFirst", "}{a}", "", oRTFParser::rcUnmatchedClose},
    {"OpenGroupAtEnd", "{\\rtf1 a", "a", oRTFParser::rcOpenGroupAtEnd},
    {"HexLetter", "\\'41", "A"},
    {"HexHighByte", "\\'e9\\'C0", "\xE9\xC0"},
    {"HexInvalidDigit", "ab\\'4gcd", "ab", oRTFParser::rcInvalidHex},
    {"EndAfterBackslash", "{\\rtf1 a\\", "a", oRTFParser::rcEndAfterBackslash},
    {"EndAfterMinus", "{\\rtf1 a\\li-", "a", oRTFParser::rcEndAfterBackslash},
    // Properties and their groups.
    {"GroupsInheritAndRestore", "{\\super a{b}c}d", "¬super¬a¬super¬b¬super¬cd"},
    {"UpIsSuperscript", "{\\rtf1 \\up6 x\\up0 y}", "¬super¬xy"},
    {"DnIsSubscriptAndEndsUp", "{\\up6 a\\dn4 b}c", "¬super¬a¬sub¬bc"},
    {"PlainResetsCharacter", "\\super\\sub a\\plain b", "¬super¬¬sub¬ab"},
    {"ZeroParameterTurnsOff", "\\sub a\\sub0 b", "¬sub¬ab"},
    {"CharacterKeywords", "\\ldblquote a\\rdblquote \\{\\}\\\\\\tab!", "\"a\"{}\\\t!"},
    {"BackslashLineEndsAreLineFeeds", "a\\\nb\\\rc", "a\nb\nc"},
    {"BareLineEndsIgnored", "a\r\nb", "ab"},
    {"UnknownKeywordIgnored", "a\\unknownword b", "ab"},
    // Font table.
    {"FontTableSymbol", "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Symbol;}}\\f1 a\\f0 b}", "¬symbol¬ab"},
    {"RichEditExport", "{\\rtf1" + fontTable + "\\f0 x{\\up6 2}\\f1 y}", "x¬super¬2¬symbol¬y"},
    {"FontTableWithoutEntryGroups", "{\\fonttbl\\f0 Arial;\\f1 Symbol;}\\f1 a", "¬symbol¬a"},
    {"FaceNameMustBeExact", "{\\fonttbl{\\f1 Symbol MT;}}\\f1 a", "a"},
    {"NestedDestinationNotInFaceName",
     "{\\fonttbl{\\f1{\\*\\panose 0505}{\\comment c}Symbol;}}\\f1 a", "¬symbol¬a"},
    // Skipped destinations.
    {"StarUnknownSkipped", "{\\rtf1{\\*\\unknownword hidden{\\super deeper}}shown}", "shown"},
    {"StarKnownKeywordActs", "{\\*\\super a}", "¬super¬a"},
    {"InfoSkipped", "{\\rtf1{\\info{\\title T}{\\author A}}x}", "x"},
    {"StylesheetSkipped", "{\\rtf1{\\stylesheet{\\s0 Normal;}}x}", "x"},
    {"ColortblSkipped", "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}x}", "x"},
    {"HexInSkippedDestinationDropped", "{\\info \\'zz}x", "x"},
    // Binary data.
    {"BinaryBytesAreText", "\\bin3 {}\\x", "{}\\x"},
    {"BinaryInSkippedGroupHidesBraces", "{\\rtf1{\\pict\\bin3 }}}}x}", "x"},
    {"BinaryZeroIsNoData", "{\\bin0 a{b}}", "ab"},
    {"BinaryWithoutCountIsNoData", "{\\f2\\bin a}", "a"},
    {"BinaryHugeCountStopsAtEnd", "{\\bin99999999999999999999 ab", "ab",
     oRTFParser::rcOpenGroupAtEnd},
    {"EmbeddedNulIsData", std::string("a\0b\\bin1 \0c", 11), std::string("a\0b\0c", 5)},
    // Over-long keywords and parameters, bytes after a backslash.
    {"LongKeywordIsUnknown", "\\super" + fortyLetters + " x", "x"},
    {"LongKeywordAfterStarSkips", "{\\*\\" + fortyLetters + " hidden}x", "x"},
    {"LongParameterConsumedAndSaturates", "\\up" + thirtyDigits + " x", "¬super¬x"},
    {"ParameterDoesNotWrapToZero", "\\up4294967296 x", "¬super¬x"},
    {"NegativeLongParameter", "\\dn-" + thirtyDigits + " x", "¬sub¬x"},
    {"LongZeroParameter", "\\super\\up" + std::string(40, '0') + " x", "¬super¬x"},
    {"HighByteKeywordIgnored", "a\\\xE9 b", "a b"},
    {"HighByteKeywordAfterStarSkips", "{\\*\\\xFF hidden}x", "x"},
    // Marker options.
    {"AllMarkersInOrder", fontTable + "\\b\\i\\ul\\strike\\sub\\super\\f1 x",
     "¬b¬¬i¬¬u¬¬strike¬¬super¬¬sub¬¬symbol¬x", oRTFParser::rcOk, allMarkers},
    {"BoldItalicTurnOff", "\\b a\\b0\\i b\\i0 c", "¬b¬a¬i¬bc", oRTFParser::rcOk, allMarkers},
    {"UnderlineKeywords", "\\u a\\u0\\ul b", "¬u¬a¬u¬b", oRTFParser::rcOk, allMarkers},
    {"WhiteSpaceHasNoMarker", "\\b a b", "¬b¬a ¬b¬b", oRTFParser::rcOk, allMarkers},
    {"NoMarkers", fontTable + "\\super\\f1 x", "x", oRTFParser::rcOk, Markers()},
    {"SkipWhiteSpace", "\\super a b\\tab c\\par d", "¬super¬a¬super¬b¬super¬c¬super¬d",
     oRTFParser::rcOk, defaultMarkers, true},
};

INSTANTIATE_TEST_SUITE_P(Cases, RtfParse, testing::ValuesIn(parseCases),
                         [](const testing::TestParamInfo<ParseCase>& info) {
                             return info.param.name;
                         });

TEST(RtfParserFontTable, KeepsTheLastDocumentsFonts) {
    oRTFParser parser;
    parser.Parse("{\\rtf1" + fontTable + "x}");
    EXPECT_EQ(parser.FontFaceName(0), "Arial");
    EXPECT_EQ(parser.FontFaceName(1), "Symbol");
    ASSERT_NE(parser.GetFontItem(1), nullptr);
    EXPECT_EQ(parser.GetFontItem(1)->Number, 1);
    EXPECT_EQ(parser.GetFontItem(2), nullptr);
    EXPECT_EQ(parser.FontFaceName(2), "");

    // A new document starts without the fonts of the one before.
    EXPECT_EQ(parser.Parse("{\\rtf1\\f1 y}"), "y");
    EXPECT_EQ(parser.GetFontItem(1), nullptr);

    parser.Parse("{\\rtf1" + fontTable + "x}");
    parser.ClearFontTable();
    EXPECT_EQ(parser.GetFontItem(0), nullptr);
}

TEST(RtfParserState, EachParseStartsAfresh) {
    oRTFParser parser;
    EXPECT_EQ(parser.Parse("{\\super\\info a"), "");
    EXPECT_EQ(parser.LastResult(), oRTFParser::rcOpenGroupAtEnd);
    EXPECT_EQ(parser.Parse("b\\'4"), "b");
    EXPECT_EQ(parser.LastResult(), oRTFParser::rcOk);
    EXPECT_EQ(parser.Parse("c"), "c");
}

TEST(RtfParserState, DeepNestingNeedsNoRecursion) {
    const std::size_t depth = 200000;
    oRTFParser parser;
    EXPECT_EQ(parser.Parse(std::string(depth, '{') + "\\super a" + std::string(depth, '}') + "b"),
              marked("¬super¬ab"));
    EXPECT_EQ(parser.LastResult(), oRTFParser::rcOk);
    parser.Parse(std::string(depth, '{') + "a");
    EXPECT_EQ(parser.LastResult(), oRTFParser::rcOpenGroupAtEnd);
}

} // namespace
