// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Paper.h"
#include "TBitmap.h"
#include "oFraction.h"
#include "textport.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A solid black block: a picture of known size.
TBitmap Block(int width, int height) {
    TBitmap block(width, height);
    block.Canvas().Brush.Color = clBlack;
    block.Canvas().FillRect(QRect(0, 0, width, height));
    return block;
}

// The bounding box of the ink within rows [top, bottom).
QRect InkIn(const TBitmap& bitmap, int top, int bottom) {
    QRect box;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Pixel(x, y) != clWhite)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Measures of the port's starting font, Arial 16.
struct Arial16 {
    QFont font = [] {
        QFont f = TFont("Arial", 16).toQFont();
        f.setKerning(false);
        return f;
    }();
    int height = QFontMetrics(font).height();
    int ascent = QFontMetrics(font).ascent();
    // Text widths as the port sums them, character by character.
    int width(const char* text) const {
        const QFontMetricsF metrics(font);
        double sum = 0.0;
        for (const char* c = text; *c; ++c)
            sum += metrics.horizontalAdvance(QChar(*c));
        return int(std::lround(sum));
    }
};

class TextPortTest : public ::testing::Test {
protected:
    TBitmap page = Paper(300, 200);
    oTextPort port{&page.Canvas(), oRect(0, 0, 300, 200)};
    std::ostream& out = port.Stream();
    Arial16 arial;
};

} // namespace

TEST_F(TextPortTest, TextFlushedInPiecesContinuesTheLine) {
    oTextPortPosition mid, end;
    out << "abc" << whereat(mid) << std::flush;
    out << "def" << whereat(end) << std::flush;
    EXPECT_EQ(mid.pen, oPoint(arial.width("abc"), 0));
    EXPECT_EQ(end.pen, oPoint(arial.width("abc") + arial.width("def"), 0));
    const QRect ink = InkIn(page, 0, 200);
    EXPECT_LT(ink.bottom(), arial.height) << "one line only";
    EXPECT_GT(ink.right(), arial.width("abcde"));
}

TEST_F(TextPortTest, PositionQueriesGivePenBaselineAndLineBottom) {
    oTextPortPosition first, second;
    out << "Ab" << whereat(first) << "\nc" << whereat(second) << std::flush;
    EXPECT_EQ(first.pen, oPoint(arial.width("Ab"), 0));
    EXPECT_EQ(first.baseline, oPoint(arial.width("Ab"), arial.ascent));
    EXPECT_EQ(first.bottom, oPoint(arial.width("Ab"), arial.height));
    EXPECT_EQ(second.pen, oPoint(arial.width("c"), arial.height));
    port.SetLeading(3);
    oTextPortPosition third;
    out << "\n" << whereat(third) << std::flush;
    EXPECT_EQ(third.pen, oPoint(0, 2 * arial.height + 3));
    port.SetAt(oVector(7, 9));
    EXPECT_EQ(port.At(), oVector(7, 9));
}

TEST_F(TextPortTest, WrapsAtSpacesAndBreaksWordsLongerThanTheFrame) {
    const std::string word(12, 'W');
    const int w = arial.width("W");

    SCOPED_TRACE("a long word at the start of a line is broken between characters");
    TBitmap narrow = Paper(200, 200);
    oTextPort broken(&narrow.Canvas(), oRect(0, 0, 5 * w + 2, 200));
    oTextPortPosition after;
    broken.Stream() << word << whereat(after) << std::flush;
    // Five W per line: 12 take three lines, the last with two.
    EXPECT_EQ(after.pen, oPoint(2 * w, 2 * arial.height));
    EXPECT_LE(InkIn(narrow, 0, 200).right(), 5 * w + 2);

    SCOPED_TRACE("a long word after other words starts the next line");
    TBitmap wide = Paper(300, 200);
    oTextPort moved(&wide.Canvas(), oRect(0, 0, 100, 200));
    oTextPortPosition end;
    moved.Stream() << "ab " << std::string(7, 'W') << whereat(end) << std::flush;
    const QRect first = InkIn(wide, 0, arial.height);
    EXPECT_LT(first.right(), arial.width("ab") + 1) << "only 'ab' on the first line";
    EXPECT_EQ(end.pen, oPoint(arial.width("WWWWWWW"), arial.height));

    SCOPED_TRACE("words fill the line up to the frame");
    TBitmap prose = Paper(300, 200);
    oTextPort text(&prose.Canvas(), oRect(0, 0, arial.width("one two") + 1, 200));
    oTextPortPosition last;
    text.Stream() << "one two three" << whereat(last) << std::flush;
    EXPECT_EQ(last.pen, oPoint(arial.width("three"), arial.height));
}

TEST_F(TextPortTest, ActionsAmongTrailingSpacesStillTakeEffect) {
    oTextPort narrow(&page.Canvas(), oRect(0, 0, arial.width("one two") + 2, 200));
    oTextPortPosition where;
    narrow.Stream() << "one two " << tpBoldOn << " " << whereat(where) << "three" << std::flush;
    EXPECT_TRUE(narrow.Font().Style.contains(fsBold));
    EXPECT_EQ(where.pen.y, 0) << "the query moved in front of the spaces, on the first line";
}

TEST_F(TextPortTest, AlignsRightAndCentre) {
    TBitmap block = Block(40, 10);
    struct Case {
        int alignment, frame, left;
    };
    // An odd spare width centres a pixel to the left: 61 / 2 = 30.
    for (auto [alignment, frame, left] :
         {Case{0, 100, 0}, {1, 100, 60}, {2, 100, 30}, {1, 101, 61}, {2, 101, 30}}) {
        SCOPED_TRACE(::testing::Message() << "alignment " << alignment << ", frame " << frame);
        TBitmap bitmap = Paper(120, 40);
        oTextPort aligned(&bitmap.Canvas(), oRect(0, 0, frame, 40));
        aligned.Alignment = std::uint8_t(alignment);
        oTextPortPosition start;
        aligned.Stream() << whereat(start) << block << std::flush;
        EXPECT_EQ(start.pen.x, left);
        EXPECT_EQ(bitmap.Pixel(left, 5), clBlack);
        EXPECT_EQ(bitmap.Pixel(left + 39, 5), clBlack);
        if (left > 0)
            EXPECT_EQ(bitmap.Pixel(left - 1, 5), clWhite);
        EXPECT_EQ(bitmap.Pixel(left + 40, 5), clWhite);
    }
}

TEST_F(TextPortTest, RightAlignedLinesEndAtTheFrameWithoutTheirTrailingSpaces) {
    const int frame = arial.width("one two ") + 2;
    const int left = frame - arial.width("one two");
    struct Case {
        const char* name;
        void (*write)(std::ostream&);
    };
    const Case cases[] = {
        {"broken at spaces inside the run", [](std::ostream& o) { o << "one two   three"; }},
        {"ended after an earlier run", [](std::ostream& o) { o << "one two " << tpBoldOn << "three"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        oTextPort right(&page.Canvas(), oRect(0, 0, frame, 200));
        right.Alignment = 1;
        oTextPortPosition start;
        right.Stream() << whereat(start);
        c.write(right.Stream());
        right.Stream() << std::flush;
        EXPECT_EQ(start.pen, oPoint(left, 0));
    }
}

TEST_F(TextPortTest, PowerAndIndexShrinkAndShiftTheText) {
    out << "x" << tpSuperscriptOn << std::flush;
    EXPECT_EQ(port.Font().Height, 12);
    EXPECT_EQ(port.Shift(), -4);
    out << "2" << tpSuperscriptOff << std::flush;
    EXPECT_EQ(port.Font().Height, 16);
    EXPECT_EQ(port.Shift(), 0);
    out << tpSubscriptOn << std::flush;
    EXPECT_EQ(port.Font().Height, 12);
    EXPECT_EQ(port.Shift(), 4) << "a subscript goes down";
    out << "i" << tpSubscriptOff << std::flush;
    EXPECT_EQ(port.Font().Height, 16);
    EXPECT_EQ(port.Shift(), 0);

    // The raised digit's ink ends a quarter of the height above the normal digit's, the
    // lowered one's as far below.
    TBitmap normal = Paper(100, 40), raised = Paper(100, 40), lowered = Paper(100, 40);
    oTextPort a(&normal.Canvas(), oRect(0, 0, 100, 40)), b(&raised.Canvas(), oRect(0, 0, 100, 40)),
        c(&lowered.Canvas(), oRect(0, 0, 100, 40));
    a.Stream() << "2" << std::flush;
    b.Stream() << power("2") << std::flush;
    c.Stream() << "x" << index("2") << std::flush;
    const QRect plain = InkIn(normal, 0, 40), up = InkIn(raised, 0, 40);
    EXPECT_NEAR(plain.bottom() - up.bottom(), 4, 1);
    EXPECT_LT(up.height(), plain.height());
    const QRect down = InkIn(lowered, 0, 40);
    EXPECT_NEAR(down.bottom() - plain.bottom(), 4, 1);
}

TEST_F(TextPortTest, DrawingOffLeavesABlankOfTheSameWidth) {
    TBitmap hidden = Paper(200, 30), shown = Paper(200, 30);
    oTextPort a(&hidden.Canvas(), oRect(0, 0, 200, 30)), b(&shown.Canvas(), oRect(0, 0, 200, 30));
    a.Stream() << "ab" << tpDrawOff << "WWW" << tpDrawOn << "|" << std::flush;
    b.Stream() << "ab" << tpDrawOn << "WWW" << tpDrawOn << "|" << std::flush;
    const int gapFrom = arial.width("ab") + 1, gapTo = arial.width("abWWW") - 1;
    for (int y = 0; y < 30; ++y)
        for (int x = gapFrom; x < gapTo; ++x)
            ASSERT_EQ(hidden.Pixel(x, y), clWhite) << x << ", " << y;
    EXPECT_EQ(InkIn(hidden, 0, 30).right(), InkIn(shown, 0, 30).right());
}

TEST_F(TextPortTest, PicturesSitOnTheBaselineAndMoveToTheNextLineWhenTheyDoNotFit) {
    TBitmap block = Block(90, 10);
    oTextPort narrow(&page.Canvas(), oRect(0, 0, 100, 200));
    oTextPortPosition before, after;
    narrow.Stream() << "abc" << whereat(before) << block << whereat(after) << std::flush;
    EXPECT_EQ(before.pen, oPoint(arial.width("abc"), 0));
    EXPECT_EQ(after.pen, oPoint(90, arial.height));
    // Alone on its line, a plain picture sets the line's ascent and hangs one pixel below
    // the baseline.
    const int baseline = after.baseline.y;
    EXPECT_EQ(baseline, arial.height + 9);
    EXPECT_EQ(page.Pixel(0, baseline), clBlack);
    EXPECT_EQ(page.Pixel(0, baseline + 1), clWhite);
    EXPECT_EQ(page.Pixel(89, baseline - 9), clBlack);
    EXPECT_EQ(page.Pixel(89, baseline - 10), clWhite);

    SCOPED_TRACE("a table measures itself in the port's font and hangs a third below");
    oFraction half("1", "2");
    oTextPortPosition start;
    out << "x = " << whereat(start) << half << std::flush;
    EXPECT_GT(half.Width(), 0);
    const int descent = int(half.Height() / 3.0 + 1);
    EXPECT_EQ(start.baseline.y, half.Height() - descent) << "the fraction sets the line's ascent";
}

TEST_F(TextPortTest, ActionsDuringMeasuringDoNotLeakIntoEarlierText) {
    oTextPortPosition start;
    out << whereat(start) << "abc" << drop(5) << "def" << tpDrawOff << std::flush;
    EXPECT_EQ(start.baseline.y, arial.ascent) << "no shift before the drop";
    EXPECT_EQ(port.Shift(), 5);
    EXPECT_FALSE(port.Drawing());
}

TEST_F(TextPortTest, StyleColourFontAndHeightActions) {
    TFont symbol("Symbol", -20, clRed);
    out << tpBoldOn << tpItalicOn << tpUnderlineOn << std::flush;
    EXPECT_EQ(port.Font().Style, TFontStyles{}.with(fsBold).with(fsItalic).with(fsUnderline));
    out << tpBoldOff << tpItalicOff << tpUnderlineOff << tpFixedPitch << std::flush;
    EXPECT_EQ(port.Font().Style, TFontStyles{});
    EXPECT_EQ(port.Font().Pitch, fpFixed);
    out << TextColor{clNavy} << size(-30) << std::flush;
    EXPECT_EQ(port.Font().Color, clNavy);
    EXPECT_EQ(port.Font().Height, -30);
    out << symbol << std::flush;
    EXPECT_EQ(port.Font(), symbol);
    // Actions composed in another stream take effect when it is copied into the port.
    std::stringstream composed;
    composed << "x" << tpBoldOn << ::size(22);
    out << composed << std::flush;
    EXPECT_TRUE(port.Font().Style.contains(fsBold));
    EXPECT_EQ(port.Font().Height, 22);
    // A zero byte before a letter that is no action is dropped; the letter is text.
    oTextPortPosition after;
    out << std::string("\0Z", 2) << whereat(after) << std::flush;
    EXPECT_GT(after.pen.x, 0);
}

TEST_F(TextPortTest, OpaqueTextFillsItsBackground) {
    page.Canvas().Brush.Color = clYellow;
    port.Transparent = false;
    out << "i" << std::flush;
    EXPECT_EQ(page.Pixel(arial.width("i") - 1, 1), clYellow);
    EXPECT_EQ(page.Pixel(arial.width("i") + 1, 1), clWhite);
}

TEST_F(TextPortTest, IndexHeightsBelongToEachPort) {
    TBitmap other = Paper(100, 100);
    oTextPort second(&other.Canvas(), oRect(0, 0, 100, 100));
    out << "a" << tpSuperscriptOn << std::flush;
    second.Stream() << size(40) << "b" << tpSubscriptOn << "c" << tpSubscriptOff << std::flush;
    out << "2" << tpSuperscriptOff << std::flush;
    EXPECT_EQ(port.Font().Height, 16);
    EXPECT_EQ(second.Font().Height, 40);
}

TEST_F(TextPortTest, NarrowAndEmptyFramesEndEveryFlush) {
    oTextPort thin(&page.Canvas(), oRect(0, 0, 1, 200));
    oTextPortPosition end;
    thin.Stream() << "abc de" << whereat(end) << std::flush;
    // One character a line; the space between the words starts no line of its own.
    EXPECT_EQ(end.pen.y, 5 * arial.height);

    // A picture wider than the frame fits no line better than the one it comes to; text
    // after it goes to the next line, below the picture's height.
    TBitmap wide = Block(150, 10);
    oTextPort small(&page.Canvas(), oRect(0, 0, 100, 200));
    oTextPortPosition first, second;
    small.Stream() << wide << whereat(first) << "ab" << wide << whereat(second) << std::flush;
    EXPECT_EQ(first.pen, oPoint(150, 0));
    EXPECT_EQ(second.pen, oPoint(arial.width("ab") + 150, 10));

    // A frame without width sets no text, but its line feeds still move the pen down.
    for (int width : {0, -50}) {
        SCOPED_TRACE(width);
        TBitmap blank = Paper(50, 50);
        oTextPort none(&blank.Canvas(), oRect(0, 0, width, 50));
        oTextPortPosition where;
        none.Stream() << "some\ntext\nmore" << tpBoldOn << whereat(where) << std::flush;
        EXPECT_TRUE(InkIn(blank, 0, 50).isNull());
        EXPECT_EQ(none.At(), oVector(0, 2 * arial.height));
        EXPECT_EQ(where.pen, oPoint(0, 2 * arial.height));
        EXPECT_TRUE(none.Font().Style.contains(fsBold));
    }
}

TEST_F(TextPortTest, APenLeftOfTheFrameFitsAFrameWidthOnItsLine) {
    const std::string word(12, 'W');
    const int w = arial.width("W");
    for (int x : {0, -10, -500}) {
        SCOPED_TRACE(x);
        oTextPort left(&page.Canvas(), oRect(0, 0, 5 * w + 2, 200));
        left.SetAt(oVector(x, 0));
        oTextPortPosition first, end;
        left.Stream() << whereat(first) << word << whereat(end) << std::flush;
        EXPECT_EQ(first.pen, oPoint(x, 0)) << "the text starts where the pen was put";
        EXPECT_EQ(end.pen, oPoint(2 * w, 2 * arial.height)) << "five W a line, as from the edge";
    }
}

TEST_F(TextPortTest, MultiByteCharactersAreNeverCut) {
    // Letters of two and three bytes, wider than the replacement character that the bytes
    // of a cut letter measure and draw as: a cut inside one would fit where it does not.
    const std::string letters[] = {"\xc7\x84", "\xe2\x85\xa7"};
    for (const std::string& letter : letters) {
        const QString one = QString::fromStdString(letter);
        QFontMetricsF metrics(arial.font);
        auto width = [&](int n) { return int(std::lround(metrics.horizontalAdvance(one.repeated(n)))); };
        std::string word;
        for (int i = 0; i < 23; ++i)
            word += letter;
        for (int frame = width(1); frame < width(9); ++frame) {
            SCOPED_TRACE(::testing::Message() << "letter of " << letter.size() << " bytes, frame " << frame);
            int perLine = 1;
            while (width(perLine + 1) <= frame)
                ++perLine;
            TBitmap bitmap = Paper(200, 20);
            oTextPort port(&bitmap.Canvas(), oRect(0, 0, frame, 20));
            oTextPortPosition end;
            port.Stream() << word << whereat(end) << std::flush;
            const int lines = (23 + perLine - 1) / perLine;
            ASSERT_EQ(end.pen, oPoint(width(23 - (lines - 1) * perLine), (lines - 1) * arial.height));
        }
    }

    SCOPED_TRACE("a run longer than a measuring chunk, whose boundary falls inside a letter");
    const std::string dashes = "a" + [] {
        std::string d;
        for (int i = 0; i < 60; ++i)
            d += "\xe2\x80\x94";
        return d;
    }();
    TBitmap wide = Paper(300, 20);
    oTextPort port(&wide.Canvas(), oRect(0, 0, 2000, 20));
    oTextPortPosition end;
    port.Stream() << dashes << whereat(end) << std::flush;
    EXPECT_NEAR(end.pen.x, QFontMetricsF(arial.font).horizontalAdvance(QString::fromStdString(dashes)), 1);
}

TEST_F(TextPortTest, AFlushReportsWhereItsTextLiesNotTheWholePage) {
    std::vector<QRect> reports;
    page.Canvas().OnChange = [&](const QRect& r) { reports.push_back(r); };
    port.SetAt(oVector(40, 50));
    out << tpItalicOn << "Wavelength" << tpItalicOff << " shift" << std::flush;
    ASSERT_EQ(reports.size(), 1u);
    const QRect ink = InkIn(page, 0, 200);
    ASSERT_FALSE(ink.isNull());
    EXPECT_TRUE(reports[0].contains(ink)) << "every pixel drawn is repainted";
    EXPECT_LT(reports[0].height(), 3 * arial.height) << "the line, not the page";
    EXPECT_LT(reports[0].width(), ink.width() + 2 * arial.height);

    reports.clear();
    out << tpDrawOff << "hidden" << tpDrawOn << std::flush;
    EXPECT_TRUE(reports.empty()) << "nothing drawn, nothing to repaint";

    TBitmap block = Block(20, 10);
    out << "\n" << block << std::flush;
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), QRect(0, 50 + arial.height, 20, 10)) << "a picture reports itself";
}

TEST(TextPortFormat, StringfFormatsIntoItsSharedBuffer) {
    EXPECT_STREQ(stringf("%d planets, %.2f AU", 3, 1.5), "3 planets, 1.50 AU");
    const char* first = stringf("%s", "one");
    stringf("%s", "two");
    EXPECT_STREQ(first, "two") << "each call overwrites the last";
    char own[32];
    EXPECT_STREQ(sstringf(own, "%05.1f", 2.25), "002.2");
    EXPECT_STREQ(stringf("%s", std::string(79, 'x').c_str()), std::string(79, 'x').c_str());
}

TEST(TextPortFormatDeathTest, StringfRefusesAResultThatDoesNotFit) {
    EXPECT_DEATH(stringf("%s", std::string(80, 'x').c_str()), "len < BUFFER_LENGTH");
}
