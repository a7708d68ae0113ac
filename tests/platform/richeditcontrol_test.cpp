// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The platform rich edit: RTF import and export, and the control's selection, format,
// numbering and streaming operations.

#include "RtfExport.h"
#include "RtfImport.h"
#include "TRichEditControl.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>
#include <random>

namespace {

// The hand-written kind of file the book ships beside it.
const char* const kHandWritten = R"({\rtf1\ansi\ansicpg1252\deff0
{\fonttbl{\f0\froman\fcharset0 Times New Roman;}{\f1\fswiss\fcharset0 Arial;}
{\f2\ftech\fcharset2 Symbol;}}
{\colortbl ;\red0\green0\blue128;\red255\green0\blue0;}
{\info{\title Access}{\author Someone}}
{\stylesheet{\s0 Normal;}}
\pard\qc\sb120\sa60\f1\fs28\cf1\b Reading the book\b0\par
\pard\li200\ri100\fi-100\f0\fs24\cf0 Caf\'e9 {\i italic} and {\cf2 red} text;
braces \{ \} and a backslash \\.\line Next line\tab tabbed.\par
{\pntext\f2\'b7\tab}{\*\pn\pnlvlblt\pnf2\pnindent0{\pntxtb\'b7}}\fi-200\li200 First\par
{\pntext\f2\'b7\tab}Second\par
\pard\plain x{\super 2} + H{\sub 2}O, \f2 y\f0  and {\up6 up}{\dn4 down}\par
\u8364? \emdash\endash\lquote\rquote\ldblquote\rdblquote\bullet{\*\unknown hidden}
})";

rtf::Document parsed(const char* text) {
    auto doc = rtf::parse(text);
    EXPECT_TRUE(doc.has_value()) << text;
    return doc.value_or(rtf::Document{});
}

std::string paragraphText(const rtf::Paragraph& p) {
    std::string s;
    for (const auto& r : p.runs)
        s += r.text;
    return s;
}

// The run holding the first occurrence of the text.
const rtf::Run& runWith(const rtf::Document& doc, const std::string& text) {
    for (const auto& p : doc.paragraphs)
        for (const auto& r : p.runs)
            if (r.text.find(text) != std::string::npos)
                return r;
    static const rtf::Run none;
    ADD_FAILURE() << "no run holds " << text;
    return none;
}

TEST(RtfImport, HandWrittenFileKeepsTextFontsColoursAndParagraphs) {
    const rtf::Document doc = parsed(kHandWritten);
    ASSERT_EQ(doc.paragraphs.size(), 6u);
    EXPECT_EQ(paragraphText(doc.paragraphs[0]), "Reading the book");
    EXPECT_EQ(paragraphText(doc.paragraphs[1]),
              "Caf\u00e9 italic and red text;braces { } and a backslash \\.\u2028Next "
              "line\ttabbed.");
    EXPECT_EQ(paragraphText(doc.paragraphs[2]), "First");
    EXPECT_EQ(paragraphText(doc.paragraphs[3]), "Second");
    EXPECT_EQ(paragraphText(doc.paragraphs[5]),
              "\u20ac \u2014\u2013\u2018\u2019\u201c\u201d\u2022");

    const rtf::Run& heading = runWith(doc, "Reading");
    EXPECT_EQ(heading.format.face, "Arial");
    EXPECT_EQ(heading.format.height_twips, 280);
    EXPECT_TRUE(heading.format.bold);
    EXPECT_EQ(heading.format.color_rgb, std::optional<std::uint32_t>(0x800000));
    EXPECT_EQ(doc.paragraphs[0].format.align, rtf::Align::Centre);
    EXPECT_EQ(doc.paragraphs[0].format.spaceBefore_twips, 120);
    EXPECT_EQ(doc.paragraphs[0].format.spaceAfter_twips, 60);

    EXPECT_EQ(runWith(doc, "Caf").format.face, "Times New Roman");
    EXPECT_FALSE(runWith(doc, "Caf").format.color_rgb.has_value());
    EXPECT_TRUE(runWith(doc, "italic").format.italic);
    EXPECT_EQ(runWith(doc, "red").format.color_rgb, std::optional<std::uint32_t>(0x0000FF));
    const rtf::ParaFormat& body = doc.paragraphs[1].format;
    EXPECT_EQ(body.left_twips, 200);
    EXPECT_EQ(body.right_twips, 100);
    EXPECT_EQ(body.firstLine_twips, -100);
    EXPECT_FALSE(body.bullet);

    // Bullets come from the numbering group; its stand-in text is not shown.
    EXPECT_TRUE(doc.paragraphs[2].format.bullet);
    EXPECT_TRUE(doc.paragraphs[3].format.bullet);
    EXPECT_FALSE(doc.paragraphs[4].format.bullet);
}

TEST(RtfImport, ScriptsOffsetsAndSymbolFont) {
    const rtf::Document doc = parsed(kHandWritten);
    const rtf::Paragraph& p = doc.paragraphs[4];
    ASSERT_GE(p.runs.size(), 8u);
    EXPECT_EQ(p.runs[0].text, "x");
    EXPECT_EQ(p.runs[1].format.script, rtf::Script::Super);
    EXPECT_EQ(p.runs[3].format.script, rtf::Script::Sub);
    const rtf::Run& symbol = runWith(doc, "y");
    EXPECT_EQ(symbol.format.face, "Symbol");
    EXPECT_EQ(symbol.format.charset, 2);
    EXPECT_EQ(runWith(doc, "up").format.offset_twips, 60);
    EXPECT_EQ(runWith(doc, "down").format.offset_twips, -40);
    // \plain returns to the default font, not to the last one used.
    EXPECT_EQ(p.runs[0].format.face, "Times New Roman");
    EXPECT_EQ(p.runs[0].format.height_twips, 0);
}

struct ImportCase {
    const char* name;
    const char* rtf;
    const char* text; // all paragraphs joined with "|"
};

class RtfImportText : public testing::TestWithParam<ImportCase> {};

TEST_P(RtfImportText, ReadsTheText) {
    const rtf::Document doc = parsed(GetParam().rtf);
    std::string joined;
    for (std::size_t i = 0; i < doc.paragraphs.size(); ++i)
        joined += (i ? "|" : "") + paragraphText(doc.paragraphs[i]);
    EXPECT_EQ(joined, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfImportText,
    testing::Values(ImportCase{"Empty", "{\\rtf1}", ""},
                    ImportCase{"KeywordSpaceIsDelimiter", "{\\rtf1 Rich\\i Text}", "RichText"},
                    ImportCase{"UnicodeSkipsOneFallback", "{\\rtf1 a\\u233?b}", "a\u00e9b"},
                    ImportCase{"UnicodeSkipsHexFallback", "{\\rtf1\\uc1 \\u8364\\'80x}", "\u20acx"},
                    ImportCase{"UnicodeSkipCount", "{\\rtf1\\uc2 \\u8364 EUx}", "\u20acx"},
                    ImportCase{"NegativeUnicode", "{\\rtf1 \\u-3913?}", "\uf0b7"},
                    ImportCase{"SurrogatePair", "{\\rtf1 \\u-10179?\\u-8704?}", "\U0001F600"},
                    ImportCase{"Cp1252Byte", "{\\rtf1 \\'93q\\'94}", "\u201cq\u201d"},
                    ImportCase{"RawUtf8", "{\\rtf1 caf\xc3\xa9}", "caf\u00e9"},
                    ImportCase{"RawCp1252", "{\\rtf1 caf\xe9}", "caf\u00e9"},
                    ImportCase{"StarredUnknownSkipped", "{\\rtf1 a{\\*\\shppict {b}}c}", "ac"},
                    ImportCase{"UnknownWordIgnored", "{\\rtf1 a\\madeup12 b}", "ab"},
                    ImportCase{"HiddenText", "{\\rtf1 a{\\v b}c}", "ac"},
                    ImportCase{"FieldShowsResult",
                               "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}}",
                               "shown"},
                    ImportCase{"BinarySkipped", "{\\rtf1 a\\bin3 {}}b}", "ab"},
                    ImportCase{"ParagraphsAndLineEnds", "{\\rtf1 a\\par\r\nb\\\nc}", "a|b|c"},
                    ImportCase{"TrailingParLeavesEmptyParagraph", "{\\rtf1 a\\par}", "a|"},
                    ImportCase{"TextAfterDocumentIgnored", "{\\rtf1 a}b", "a"},
                    ImportCase{"UnclosedGroupsKeepText", "{\\rtf1 a{\\b b", "ab"},
                    ImportCase{"ExtraBraceEndsDocument", "{\\rtf1 a}}b", "a"},
                    ImportCase{"RawControlBytesDropped", "{\\rtf1 a\x01\\'0ab}", "ab"},
                    ImportCase{"EscapedControlCharacterKept", "{\\rtf1 a\\'01b}",
                               "a\x01"
                               "b"},
                    ImportCase{"NonBreakingSpace", "{\\rtf1 a\\~b}", "a\u00a0b"},
                    ImportCase{"LeadingWhiteSpaceAndMark", "\xEF\xBB\xBF \r\n{\\rtf1 a}", "a"}),
    [](const testing::TestParamInfo<ImportCase>& info) { return info.param.name; });

TEST(RtfImport, FontSizesBeyondAPageAreClampedTo144Points) {
    const struct {
        const char* rtf;
        int height_twips;
    } sizes[] = {
        {"{\\rtf1\\fs24 a}", 240},         {"{\\rtf1\\fs288 a}", 2880},
        {"{\\rtf1\\fs289 a}", 2880},       {"{\\rtf1\\fs32767 a}", 2880},
        {"{\\rtf1\\fs99999999999 a}", 2880}, {"{\\rtf1\\fstw2879 a}", 2879},
        {"{\\rtf1\\fstw40000 a}", 2880},   {"{\\rtf1\\fs-5 a}", 0},
    };
    for (const auto& size : sizes) {
        SCOPED_TRACE(size.rtf);
        EXPECT_EQ(runWith(parsed(size.rtf), "a").format.height_twips, size.height_twips);
    }
}

TEST(RtfImport, TextThatIsNotRtfIsRefused) {
    EXPECT_FALSE(rtf::parse("Plain text").has_value());
    EXPECT_FALSE(rtf::parse("").has_value());
    EXPECT_FALSE(rtf::parse("{\\rt").has_value());
    EXPECT_TRUE(rtf::looksLikeRtf("  {\\rtf"));
}

TEST(RtfImport, SymbolFontKeepsItsByteValues) {
    const rtf::Document doc =
        parsed("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}\\f1\\'b7\\'93\\f0\\'93}");
    ASSERT_EQ(doc.paragraphs[0].runs.size(), 2u);
    EXPECT_EQ(doc.paragraphs[0].runs[0].text, "\u00b7\u0093");
    EXPECT_EQ(doc.paragraphs[0].runs[1].text, "\u201c");
}

TEST(RtfImport, OldStyleFontTableWithoutGroups) {
    const rtf::Document doc =
        parsed("{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fmodern\\fprq1 Courier;}\\f1 x}");
    const rtf::CharFormat& f = doc.paragraphs[0].runs[0].format;
    EXPECT_EQ(f.face, "Courier");
    EXPECT_EQ(f.pitchAndFamily, 0x31);
}

TEST(RtfImport, DeepNestingIsBounded) {
    const std::string deep =
        "{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100000, '}') + "y}";
    const rtf::Document doc = parsed(deep.c_str());
    EXPECT_EQ(paragraphText(doc.paragraphs[0]), "xy");
}

TEST(RtfExport, FontTableColourTableAndEscapes) {
    rtf::Document doc;
    rtf::Paragraph p;
    rtf::CharFormat body{.face = "Arial", .height_twips = 200};
    rtf::CharFormat symbol{.face = "Symbol", .charset = 2, .height_twips = 240};
    rtf::CharFormat red = body;
    red.color_rgb = 0x0000FF;
    p.runs = {{body, "Caf\u00e9 {x} \\ \u20ac\u03c8\t"}, {symbol, "y"}, {red, "r"}};
    p.mark = red;
    doc.paragraphs = {p, p};
    const std::string out = rtf::write(doc);
    EXPECT_EQ(out.rfind("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset0 Arial;}"
                        "{\\f1\\fcharset2 Symbol;}}{\\colortbl;\\red255\\green0\\blue0;}",
                        0),
              0u)
        << out;
    EXPECT_NE(out.find("Caf\\'e9 \\{x\\} \\\\ \\'80{\\u968?}\\tab"), std::string::npos) << out;
    EXPECT_NE(out.find("\\f1\\fs24 y"), std::string::npos) << out;
    EXPECT_NE(out.find("\\cf1 r"), std::string::npos) << out;
    EXPECT_NE(out.find("\\par"), std::string::npos) << out;
    for (const char c : out)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_EQ(parsed(out.c_str()), doc);
}

TEST(RtfExport, OddTwipsTravelExactly) {
    rtf::Document doc;
    rtf::Paragraph p;
    rtf::CharFormat sub{.face = "Arial", .height_twips = 192, .offset_twips = -48};
    rtf::CharFormat super{.face = "Arial", .height_twips = 176, .offset_twips = 88};
    p.runs = {{sub, "s"}, {super, "S"}};
    p.mark = super;
    doc.paragraphs = {p};
    const std::string out = rtf::write(doc);
    // Half-points for other readers, exact twips for this one.
    EXPECT_NE(out.find("\\fs19\\fstw192\\dn5\\dntw48 s"), std::string::npos) << out;
    EXPECT_NE(out.find("\\fs18\\fstw176\\up9\\uptw88 S"), std::string::npos) << out;
    EXPECT_EQ(parsed(out.c_str()), doc);
}

TEST(RtfExport, WritingWhatWasReadIsStable) {
    for (const char* source : {kHandWritten, "{\\rtf1 a{\\b b\\par}{\\fonttbl{\\f0 X;}}\\f0 c}",
                               "{\\rtf1{\\fonttbl{\\f3 A;}}\\deff9 \\f3 a\\plain b}"}) {
        SCOPED_TRACE(source);
        const std::string once = rtf::write(parsed(source));
        const rtf::Document again = parsed(once.c_str());
        EXPECT_EQ(again, parsed(source));
        EXPECT_EQ(rtf::write(again), once);
    }
}

// Pseudo-random bytes, some behind an RTF header and rich in the characters RTF treats
// specially: nothing may crash, and what was read must write out and read back the same.
TEST(RtfImport, GarbageNeverCrashesAndStaysStable) {
    std::mt19937 random(20240611);
    const std::string alphabet = "{}\\'*;abcu0123456789- \n\xe9\x80\x00";
    for (int i = 0; i < 400; ++i) {
        std::string bytes = i % 2 ? "{\\rtf1" : "";
        const int length = int(random() % 200);
        for (int k = 0; k < length; ++k)
            bytes += i % 3 ? alphabet[random() % alphabet.size()] : char(random() % 256);
        const auto doc = rtf::parse(bytes);
        if (!doc)
            continue;
        const std::string once = rtf::write(*doc);
        const auto again = rtf::parse(once);
        ASSERT_TRUE(again.has_value()) << once;
        EXPECT_EQ(rtf::write(*again), once);
    }
}

// --- the control --------------------------------------------------------------------

class RichEditControl : public testing::Test {
protected:
    QWidget parent;
    TRichEditControl* edit = new TRichEditControl(&parent);

    void SetUp() override {
        TCharFormat defaults;
        defaults.Mask = CFM_ALL;
        defaults.FaceName = "Arial";
        defaults.Height_twips = 200;
        edit->SetDefaultCharFormat(defaults);
    }

    TCharFormat formatAt(int position) {
        edit->SetSelStart(position);
        edit->SetSelLength(1);
        return edit->SelCharFormat();
    }

    void setInsertionFormat(std::uint32_t mask, auto change) {
        TCharFormat cf = edit->SelCharFormat();
        change(cf);
        cf.Mask = mask;
        edit->SetSelCharFormat(cf);
    }
};

TEST_F(RichEditControl, ReplaceSelInsertsAtTheCaretAndEndsParagraphsAtLineFeeds) {
    edit->setReadOnly(true);
    edit->ReplaceSel("one\ntwo");
    edit->ReplaceSel(" three");
    EXPECT_EQ(edit->Text(), "one\ntwo three");
    EXPECT_EQ(edit->document()->blockCount(), 2);
    EXPECT_EQ(edit->SelStart(), 13);
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(RichEditControl, EmptyTextRemovesTheSelection) {
    edit->ReplaceSel("abcdef");
    edit->SetSelStart(1);
    edit->SetSelLength(3);
    edit->ReplaceSel("");
    EXPECT_EQ(edit->Text(), "aef");
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(RichEditControl, TextFromWindows1252IsDecoded) {
    edit->ReplaceSel("90\xba");
    edit->ReplaceSel(" and caf\xc3\xa9");
    EXPECT_EQ(edit->Text(), "90\u00ba and caf\u00e9");
}

TEST_F(RichEditControl, InsertionPointFormatReadsBackExactly) {
    setInsertionFormat(CFM_SIZE | CFM_OFFSET, [](TCharFormat& cf) {
        cf.Height_twips = 192;
        cf.Offset_twips = -48;
    });
    TCharFormat cf = edit->SelCharFormat();
    EXPECT_EQ(cf.Height_twips, 192);
    EXPECT_EQ(cf.Offset_twips, -48);
    edit->ReplaceSel("r");
    cf = formatAt(0);
    EXPECT_EQ(cf.Height_twips, 192);
    EXPECT_EQ(cf.Offset_twips, -48);
    EXPECT_EQ(cf.FaceName, "Arial");
}

TEST_F(RichEditControl, SelectionFormatClearsMaskOfVaryingMembers) {
    edit->ReplaceSel("a");
    setInsertionFormat(CFM_BOLD | CFM_COLOR, [](TCharFormat& cf) {
        cf.Effects |= CFE_BOLD;
        cf.Color = clRed;
    });
    edit->ReplaceSel("b");
    edit->SetSelStart(0);
    edit->SetSelLength(2);
    const TCharFormat cf = edit->SelCharFormat();
    EXPECT_FALSE(cf.Mask & CFM_BOLD);
    EXPECT_FALSE(cf.Mask & CFM_COLOR);
    EXPECT_TRUE(cf.Mask & CFM_SIZE);
    EXPECT_TRUE(cf.Mask & CFM_FACE);
}

TEST_F(RichEditControl, FormatOfASelectionChangesOnlyTheMaskedMembers) {
    edit->ReplaceSel("abc");
    edit->SetSelStart(1);
    edit->SetSelLength(1);
    TCharFormat cf;
    cf.Mask = CFM_ITALIC | CFM_COLOR;
    cf.Effects = CFE_ITALIC;
    cf.Color = clNavy;
    edit->SetSelCharFormat(cf);
    EXPECT_EQ(formatAt(1).Effects, CFE_ITALIC);
    EXPECT_EQ(formatAt(1).Color, clNavy);
    EXPECT_EQ(formatAt(1).Height_twips, 200);
    EXPECT_EQ(formatAt(0).Effects, 0u);
    EXPECT_EQ(formatAt(2).Color, clWindowText);
}

TEST_F(RichEditControl, DefaultFormatComesFromTheFont) {
    TFont font("Times New Roman", -16, clNavy, TFontStyles{}.with(fsBold));
    edit->SetFont(font);
    const TCharFormat cf = edit->DefaultCharFormat();
    EXPECT_EQ(cf.FaceName, "Times New Roman");
    EXPECT_EQ(cf.Height_twips, 240);
    EXPECT_EQ(cf.Effects, CFE_BOLD);
    EXPECT_EQ(cf.Color, clNavy);
    edit->ReplaceSel("x");
    EXPECT_EQ(formatAt(0), cf);
}

TEST_F(RichEditControl, NumberingAndIndentApplyToTheSelectedParagraphs) {
    edit->ReplaceSel("one\ntwo\nthree");
    edit->SetSelStart(2);
    edit->SetSelLength(4); // "e\ntw"
    edit->SetSelLeftIndent_twips(300);
    edit->SetSelNumbering(nsBullet);
    const QTextDocument& doc = *edit->document();
    EXPECT_TRUE(doc.findBlockByNumber(0).textList());
    EXPECT_EQ(doc.findBlockByNumber(0).textList(), doc.findBlockByNumber(1).textList());
    EXPECT_FALSE(doc.findBlockByNumber(2).textList());
    EXPECT_EQ(edit->SelLeftIndent_twips(), 300);
    edit->SetSelStart(9);
    EXPECT_EQ(edit->SelNumbering(), nsNone);
    EXPECT_EQ(edit->SelLeftIndent_twips(), 0);
    edit->SetSelStart(0);
    edit->SetSelNumbering(nsNone);
    EXPECT_FALSE(doc.findBlockByNumber(0).textList());
    EXPECT_TRUE(doc.findBlockByNumber(1).textList());
}

TEST_F(RichEditControl, StreamInReplacesTheContentAndStreamOutGivesItBack) {
    edit->ReplaceSel("old");
    edit->StreamIn(kHandWritten);
    EXPECT_EQ(edit->Text().substr(0, 17), "Reading the book\n");
    EXPECT_EQ(edit->SelStart(), 0);
    const TCharFormat heading = formatAt(0);
    EXPECT_EQ(heading.FaceName, "Arial");
    EXPECT_EQ(heading.Height_twips, 280);
    EXPECT_EQ(heading.Color, RGB(0, 0, 128));
    EXPECT_EQ(heading.Effects, CFE_BOLD);
    // Text without a face or size of its own shows the default format.
    const int plain = int(edit->toPlainText().indexOf("x2 + H"));
    EXPECT_EQ(formatAt(plain).FaceName, "Times New Roman");
    EXPECT_EQ(formatAt(plain).Height_twips, 200);
    // A Word-style superscript is what the writer's superscript makes.
    EXPECT_EQ(formatAt(plain + 1).Height_twips, 160);
    EXPECT_EQ(formatAt(plain + 1).Offset_twips, 80);

    TRichEditControl copy(&parent);
    copy.StreamIn(edit->StreamOut());
    EXPECT_EQ(copy.Text(), edit->Text());
    EXPECT_EQ(copy.StreamOut(), edit->StreamOut());
    for (int i = 0; i < int(edit->toPlainText().size()); i += 7) {
        copy.SetSelStart(i);
        copy.SetSelLength(1);
        EXPECT_EQ(copy.SelCharFormat(), formatAt(i)) << "at " << i;
    }
}

TEST_F(RichEditControl, BulletedParagraphsLoadAsOneListAndALongRunStaysBulleted) {
    const std::string item = "{\\*\\pn\\pnlvlblt\\pnf0\\pnindent0{\\pntxtb\\'b7}}";
    std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}" + item + "a\\par " + item +
                      "b\\par " + item + "c\\par\\pard plain\\par";
    for (int i = 0; i < 600; ++i)
        rtf += item + "x\\par";
    edit->StreamIn(rtf + "}");
    const QTextDocument& doc = *edit->document();
    const QTextList* list = doc.findBlockByNumber(0).textList();
    ASSERT_TRUE(list);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0).text(), "a");
    EXPECT_EQ(list->item(2).text(), "c");
    EXPECT_EQ(list->format().style(), QTextListFormat::ListDisc);
    EXPECT_FALSE(doc.findBlockByNumber(3).textList());
    for (int i = 4; i < 604; ++i)
        ASSERT_TRUE(doc.findBlockByNumber(i).textList()) << "paragraph " << i;
    TRichEditControl copy(&parent);
    copy.StreamIn(edit->StreamOut());
    EXPECT_EQ(copy.StreamOut(), edit->StreamOut());
}

TEST_F(RichEditControl, TextThatIsNotRtfLoadsAsPlainText) {
    edit->StreamIn("Just text,\r\nin caf\xe9 style {\\b not bold}");
    EXPECT_EQ(edit->Text(), "Just text,\nin caf\u00e9 style {\\b not bold}");
    EXPECT_EQ(formatAt(0).Effects, 0u);
}

TEST_F(RichEditControl, PlainTextModeStreamsTextBothWays) {
    edit->SetPlainText(true);
    edit->StreamIn("{\\rtf1 stays as written}");
    EXPECT_EQ(edit->Text(), "{\\rtf1 stays as written}");
    EXPECT_EQ(edit->StreamOut(), "{\\rtf1 stays as written}");
}

TEST_F(RichEditControl, ClearLeavesTheDefaultFormatAtTheInsertionPoint) {
    setInsertionFormat(CFM_BOLD | CFM_OFFSET, [](TCharFormat& cf) {
        cf.Effects = CFE_BOLD;
        cf.Offset_twips = 40;
    });
    edit->ReplaceSel("bold");
    edit->Clear();
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(edit->SelCharFormat(), edit->DefaultCharFormat());
}

TEST_F(RichEditControl, ChangesRunOnChange) {
    int changes = 0;
    edit->OnChange = [&] { ++changes; };
    edit->ReplaceSel("a");
    EXPECT_GT(changes, 0);
}

TEST_F(RichEditControl, GarbageStreamsInWithoutHarm) {
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        std::string bytes = i % 2 ? "{\\rtf1\\ansi{\\fonttbl{\\f0 A;}}" : "";
        const int length = int(random() % 300);
        for (int k = 0; k < length; ++k)
            bytes += char(i % 4 ? "{}\\'pnu*;ab0-\n"[random() % 15] : random() % 256);
        edit->StreamIn(bytes);
        const std::string text = edit->Text();
        edit->StreamIn(edit->StreamOut());
        ASSERT_EQ(edit->Text(), text) << bytes;
    }
}

} // namespace
