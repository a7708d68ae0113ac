// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The rich edit writer, oRichEdit with its loader and object policy, and oTextBuffer.

#include "DialogRecorder.h"
#include "RichEditWriter.h"
#include "Textbuffer.h"
#include "oRichEdit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLocale>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTimer>
#include <gtest/gtest.h>
#include <sstream>

namespace {

class RichEditWriter : public testing::Test {
protected:
    QWidget parent;
    oRichEdit* box = new oRichEdit(&parent);
    TFont body{"Arial", -16, clWindowText}; // 12 points: 240 twips

    void SetUp() override {
        box->Clear();
        *box << body;
    }

    TCharFormat insertionPoint() { return box->SelCharFormat(); }

    TCharFormat formatAt(int position) {
        const int start = box->SelStart();
        box->SetSelStart(position);
        box->SetSelLength(1);
        const TCharFormat cf = box->SelCharFormat();
        box->SetSelStart(start);
        return cf;
    }
};

struct ScriptCase {
    const char* name;
    int pointHeight; // TFont height in pixels
    TExFontStyle style;
    int height_twips;
    int offset_twips;
};

class RichEditScript : public RichEditWriter, public testing::WithParamInterface<ScriptCase> {};

TEST_P(RichEditScript, PairShrinksShiftsAndRestores) {
    const ScriptCase& c = GetParam();
    *box << TFont("Arial", c.pointHeight);
    const TCharFormat before = insertionPoint();
    *box << c.style;
    EXPECT_EQ(insertionPoint().Height_twips, c.height_twips);
    EXPECT_EQ(insertionPoint().Offset_twips, c.offset_twips);
    *box << "r";
    EXPECT_EQ(formatAt(0).Height_twips, c.height_twips);
    *box >> c.style;
    EXPECT_EQ(insertionPoint().Height_twips, before.Height_twips);
    EXPECT_EQ(insertionPoint().Offset_twips, before.Offset_twips);
}

INSTANTIATE_TEST_SUITE_P(Cases, RichEditScript,
                         testing::Values(ScriptCase{"Subscript12pt", -16, fsSubscript, 192, -48},
                                         ScriptCase{"Subscript11pt", -15, fsSubscript, 176, -44},
                                         ScriptCase{"Superscript12pt", -16, fsSuperscript, 192, 96},
                                         ScriptCase{"Superscript10pt", -13, fsSuperscript, 160,
                                                    80}),
                         [](const auto& info) { return info.param.name; });

TEST_F(RichEditWriter, NestedPairsRestoreWhenTheHeightDividesBy25) {
    *box << TFont("Arial", -20); // 15 points: 300 twips
    *box << fsSuperscript << fsSubscript;
    EXPECT_EQ(insertionPoint().Height_twips, 192);
    EXPECT_EQ(insertionPoint().Offset_twips, 120 - 48);
    *box >> fsSubscript >> fsSuperscript;
    EXPECT_EQ(insertionPoint().Height_twips, 300);
    EXPECT_EQ(insertionPoint().Offset_twips, 0);
}

TEST_F(RichEditWriter, OddHeightsTruncateTowardZero) {
    TCharFormat cf;
    cf.Mask = CFM_SIZE;
    cf.Height_twips = 233;
    box->SetSelCharFormat(cf);
    *box << fsSuperscript;
    EXPECT_EQ(insertionPoint().Offset_twips, 93);
    EXPECT_EQ(insertionPoint().Height_twips, 186);
    *box >> fsSuperscript;
    EXPECT_EQ(insertionPoint().Height_twips, 232);
    EXPECT_EQ(insertionPoint().Offset_twips, 1);
}

struct NumberCase {
    const char* name;
    double value;
    const char* text;
};

class RichEditNumber : public RichEditWriter, public testing::WithParamInterface<NumberCase> {};

TEST_P(RichEditNumber, WritesTheGeneralFormat) {
    *box << GetParam().value;
    EXPECT_EQ(box->Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RichEditNumber,
    testing::Values(
        NumberCase{"Whole", 2.0, "2"}, NumberCase{"Half", 2.5, "2.5"}, NumberCase{"Zero", 0.0, "0"},
        NumberCase{"Third", 1.0 / 3, "0.333333333333333"},
        NumberCase{"SmallestFixed", 0.0001, "0.0001"}, NumberCase{"TenThousandth", 0.00001, "1E-5"},
        NumberCase{"FifteenDigits", 123456789012345.0, "123456789012345"},
        NumberCase{"SixteenDigits", 1234567890123456.0, "1.23456789012346E15"},
        NumberCase{"RoundsUpToE15", 999999999999999.9, "1E15"},
        NumberCase{"Negative", -0.5, "-0.5"}, NumberCase{"NegativeExponent", -2.5e-20, "-2.5E-20"},
        NumberCase{"Large", 6.02e23, "6.02E23"}, NumberCase{"Period", 4332.59, "4332.59"}),
    [](const auto& info) { return info.param.name; });

TEST_F(RichEditWriter, NumbersTakeTheLocalesDecimalSeparator) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    *box << 2.5 << " " << 4329.0 << " " << -2.5e-20 << " " << 1234567.0;
    EXPECT_EQ(box->Text(), "2,5 4329 -2,5E-20 1234567") << "no digit grouping";
    EXPECT_EQ(NumberText(-2.5e-20), "-2,5E-20") << "as a sentence's placeholder takes it";
    QLocale::setDefault(QLocale::c());
    *box << " " << 2.5;
    QLocale::setDefault(saved);
    EXPECT_EQ(box->Text(), "2,5 4329 -2,5E-20 1234567 2.5");
}

TEST_F(RichEditWriter, IntegersAndTextPieces) {
    const char* none = nullptr;
    *box << -7 << " " << 0 << none << AnsiString(" days") << "\nnext" << QString(" caf\u00e9");
    EXPECT_EQ(box->Text(), "-7 0 days\nnext caf\u00e9");
}

TEST_F(RichEditWriter, EmptyTextReplacesTheSelection) {
    *box << "abcdef";
    box->SetSelStart(2);
    box->SetSelLength(2);
    *box << "";
    EXPECT_EQ(box->Text(), "abef");
    EXPECT_EQ(box->SelStart(), 2);
    EXPECT_EQ(box->SelLength(), 0);
}

TEST_F(RichEditWriter, StyleOnAndOff) {
    *box << fsBold << "a" >> fsBold << "b" << fsItalic << fsUnderline << "c" >> fsItalic << "d";
    EXPECT_EQ(formatAt(0).Effects, CFE_BOLD);
    EXPECT_EQ(formatAt(1).Effects, 0u);
    EXPECT_EQ(formatAt(2).Effects, CFE_ITALIC | CFE_UNDERLINE);
    EXPECT_EQ(formatAt(3).Effects, CFE_UNDERLINE);
}

TEST_F(RichEditWriter, ValuesOutsideTheEnumerationsChangeNothing) {
    *box << fsBold;
    const TCharFormat before = insertionPoint();
    *box << TFontStyle(7) >> TFontStyle(9) << TExFontStyle(3) >> TExFontStyle(4)
                                                                     << TNumberingStyle(5);
    EXPECT_EQ(insertionPoint(), before);
    EXPECT_EQ(box->SelNumbering(), nsNone);
}

TEST_F(RichEditWriter, PlainAppliesTheDefaultFormatAndEndingItChangesNothing) {
    const TCharFormat defaults = box->DefaultCharFormat();
    *box << fsBold << fsItalic << TextColor{clRed} << fsSuperscript;
    const TCharFormat styled = insertionPoint();
    *box >> fsPlain;
    EXPECT_EQ(insertionPoint(), styled);
    *box << fsPlain << "p";
    EXPECT_EQ(formatAt(0), defaults);
}

TEST_F(RichEditWriter, FontSetsEveryMemberButTheOffset) {
    TFont symbol("Symbol", -15, clNavy, TFontStyles{}.with(fsItalic));
    symbol.Charset = SYMBOL_CHARSET;
    *box << fsSubscript << symbol << "y";
    const TCharFormat cf = formatAt(0);
    EXPECT_EQ(cf.FaceName, "Symbol");
    EXPECT_EQ(cf.CharSet, SYMBOL_CHARSET);
    EXPECT_EQ(cf.Height_twips, 220);
    EXPECT_EQ(cf.Color, clNavy);
    EXPECT_EQ(cf.Effects, CFE_ITALIC);
    EXPECT_EQ(cf.Offset_twips, -48);
}

TEST_F(RichEditWriter, BulletsRaiseTheIndentAndNoneClearsIt) {
    *box << nsBullet << "one\ntwo\n" << nsNone << "after";
    const QTextDocument& doc = *box->document();
    EXPECT_TRUE(doc.findBlockByNumber(0).textList());
    EXPECT_TRUE(doc.findBlockByNumber(1).textList());
    EXPECT_FALSE(doc.findBlockByNumber(2).textList());
    box->SetSelStart(0);
    EXPECT_EQ(box->SelLeftIndent_twips(), 200);
    box->SetSelLeftIndent_twips(400);
    *box << nsBullet;
    EXPECT_EQ(box->SelLeftIndent_twips(), 400);
    box->SetSelStart(int(box->Text().size()));
    EXPECT_EQ(box->SelLeftIndent_twips(), 0);
}

// What the writer composes travels through RTF unchanged.
TEST_F(RichEditWriter, WrittenTextSurvivesTheRtfRoundTrip) {
    TFont symbol = body;
    symbol.Name = "Symbol";
    *box << fsBold << "Heading" >> fsBold << "\n"
                                          << fsItalic << "v" >>
        fsItalic << fsSubscript << "r" >> fsSubscript << " = 10 m s" << fsSuperscript << "-1" >>
        fsSuperscript << ", " << symbol << "y" << body << TextColor{clMaroon} << " red\n"
                      << TextColor{clWindowText} << nsBullet << "item\n"
                      << nsNone << "caf\u00e9 \u2264";
    oRichEdit copy(&parent);
    copy.SetRtf(box->GetRtf());
    EXPECT_EQ(copy.Text(), box->Text());
    const int length = int(box->toPlainText().size());
    for (int i = 0; i < length; ++i) {
        copy.SetSelStart(i);
        copy.SetSelLength(1);
        EXPECT_EQ(copy.SelCharFormat(), formatAt(i)) << "at " << i;
    }
    EXPECT_TRUE(copy.document()->findBlockByNumber(2).textList());
    EXPECT_FALSE(copy.document()->findBlockByNumber(3).textList());
    EXPECT_EQ(copy.GetRtf(), box->GetRtf());
}

// A translated sentence with its marks writes what the operators write, and a mark it
// does not know shows as it stands.
TEST_F(RichEditWriter, MarkedTextWritesWhatTheOperatorsWrite) {
    oRichEdit written(&parent);
    written.Clear();
    written << body << "A " << fsBold << "bold " << fsItalic << "v" >> fsItalic >> fsBold
            << fsSubscript << "r" >> fsSubscript << " = 10 m s" << fsSuperscript << "−1" >>
        fsSuperscript << " <x> & <q></i> é";
    WriteMarked(*box, QString::fromUtf8("A <b>bold <i>v</i></b><sub>r</sub> = 10 m "
                                        "s<sup>−1</sup> &lt;x&gt; &amp; <q></i> é"));
    EXPECT_EQ(box->GetRtf(), written.GetRtf());
    box->Clear();
    *box << body;
    WriteMarked(*box, "<i>left open");
    EXPECT_EQ(box->Text(), "left open");
    EXPECT_EQ(insertionPoint().Effects, 0u);
}

TEST_F(RichEditWriter, MatchStringMarksScriptsAndSymbols) {
    TFont symbol = body;
    symbol.Name = "Symbol";
    *box << "x" << fsSuperscript << "2" >> fsSuperscript << " + H" << fsSubscript << "2" >>
        fsSubscript << "O";
    EXPECT_EQ(box->GetMatchString(), "x\xACsuper\xAC"
                                     "2 + H\xACsub\xAC"
                                     "2O");
    box->Clear();
    *box << "\n" << symbol << "y" << body << " \u00e9\n";
    EXPECT_EQ(box->GetMatchString(), "\xACsymbol\xACy \xE9");
    oRichEdit orphan;
    EXPECT_EQ(orphan.GetMatchString(), "");
}

// --- oRichEdit ------------------------------------------------------------------------

TEST(oRichEditTest, StartsWithThePlaceholderText) {
    QWidget parent;
    oRichEdit box(&parent);
    EXPECT_EQ(box.Text(), "RichText");
    box.SetSelStart(4);
    box.SetSelLength(1);
    EXPECT_EQ(box.SelCharFormat().Effects, CFE_ITALIC);
}

TEST(oRichEditTest, WithoutAParentRtfIsOnlyStoredAndLoadedOnceParented) {
    oRichEdit box;
    box.SetRtf("{\\rtf1 stored}");
    EXPECT_EQ(box.GetRtf(), "");
    EXPECT_EQ(box.RtfLoader()->GetText(), "");
    QWidget parent;
    box.setParent(&parent);
    EXPECT_EQ(box.Text(), "stored");
    EXPECT_NE(box.GetRtf().find("stored"), std::string::npos);
    box.setParent(nullptr);
}

TEST(oRichEditTest, LoaderTextIsTheRtf) {
    QWidget parent;
    oRichEdit box(&parent);
    box.RtfLoader()->SetText("{\\rtf1 loaded {\\b bold}}");
    EXPECT_EQ(box.Text(), "loaded bold");
    EXPECT_EQ(box.RtfLoader()->GetText(), box.GetRtf());
}

TEST(oRichEditTest, PlainTextPropertyStreamsPlainText) {
    QWidget parent;
    oRichEdit box(&parent);
    box.SetPlainText(true);
    box.SetRtf("{\\rtf1 as is}");
    EXPECT_EQ(box.Text(), "{\\rtf1 as is}");
    EXPECT_EQ(box.GetRtf(), "{\\rtf1 as is}");
}

TEST(oRichEditTest, LoaderCannotBeReplaced) {
    DialogRecorder dialogs;
    oRichEdit box;
    oRtfLoader* loader = box.RtfLoader();
    oRtfLoader other(box);
    box.SetRtfLoader(&other);
    EXPECT_EQ(box.RtfLoader(), loader);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "This property can only be set via the property editor.");
}

TEST(oRichEditTest, ChangesRunOnChange) {
    QWidget parent;
    oRichEdit box(&parent);
    box.InvalidateOnChange = true;
    int changes = 0;
    box.OnChange = [&] { ++changes; };
    box << "x";
    EXPECT_GT(changes, 0);
}

TEST(oRichEditTest, DropsAreRefused) {
    QWidget parent;
    oRichEdit box(&parent);
    QMimeData data;
    data.setText("dropped");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &drop);
    EXPECT_EQ(box.Text(), "RichText");
    EXPECT_FALSE(drop.isAccepted());
}

TEST(oRichEditTest, HasNoContextMenu) {
    QWidget parent;
    oRichEdit box(&parent);
    parent.show();
    // Should a menu open, close it so that the test ends.
    bool menuShown = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuShown = true;
            popup->close();
        }
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5),
                           box.viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box.viewport(), &menu);
    QApplication::processEvents();
    EXPECT_FALSE(menuShown);
    EXPECT_EQ(box.contextMenuPolicy(), Qt::NoContextMenu);
}

TEST(oRichEditTest, PressInsideTheSelectionStartsNoDrag) {
    QWidget parent;
    parent.resize(200, 100);
    oRichEdit box(&parent);
    box.resize(200, 100);
    parent.show();
    box.SetSelStart(0);
    box.SetSelLength(8);
    const QPoint inside = box.cursorRect(box.textCursor()).center() - QPoint(20, 0);
    QMouseEvent press(QEvent::MouseButtonPress, inside, box.viewport()->mapToGlobal(inside),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &press);
    EXPECT_EQ(box.SelLength(), 0);
}

// --- oTextBuffer ----------------------------------------------------------------------

TEST(oTextBufferTest, CollectsReplaysAndResets) {
    oTextBuffer buffer;
    buffer << "x = " << 42 << ';';
    EXPECT_EQ(AnsiString(buffer), "x = 42;");
    std::ostringstream out;
    out << buffer << '|' << buffer;
    EXPECT_EQ(out.str(), "x = 42;|x = 42;");
    buffer.reset();
    buffer << "new";
    EXPECT_EQ(AnsiString(buffer), "new");
}

TEST(oTextBufferTest, ReplayingAnEmptyBufferLeavesTheStreamGood) {
    oTextBuffer buffer;
    std::ostringstream out;
    out << buffer << "after";
    EXPECT_TRUE(out.good());
    EXPECT_EQ(out.str(), "after");
}

} // namespace
