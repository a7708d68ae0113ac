// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oTextPortRepaintBox.h"

#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

namespace {

const TColor Page = RGB(250, 250, 240);

// The bounding box of every pixel that differs from the page colour.
QRect Ink(const QImage& image) {
    QRect box;
    const QRgb page = toQColor(Page).rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != page)
                box |= QRect(x, y, 1, 1);
    return box;
}

const char* const Prose = "The star moves towards us and away again once every orbit, "
                          "and its lines shift with it.";

} // namespace

TEST(TextPortPaintBox, EveryPaintStartsAtTheTopLeftInTheBoxFont) {
    oTextPortPaintBox box;
    box.resize(300, 60);
    box.Color = Page;
    box.Font = TFont("Arial", -20, clRed);
    oTextPortPosition start;
    int paints = 0;
    // The handler leaves a baseline shift behind, which the next paint must not inherit:
    // "Hello" would sit lower than the rest of its line.
    box.OnPaint = [&] {
        ++paints;
        box.Port().Stream() << whereat(start) << "Hello" << drop(0) << " there" << drop(3)
                            << std::flush;
    };
    const QImage first = box.Surface();
    const int ascent = QFontMetrics(box.Font.toQFont()).ascent();
    EXPECT_EQ(start.pen, oPoint(0, 0));
    EXPECT_EQ(start.baseline, oPoint(0, ascent));
    EXPECT_EQ(box.Port().Font(), box.Font);
    EXPECT_GT(first.pixelColor(Ink(first).center()).red(), 128) << "drawn in the box's red";

    box.Invalidate();
    const QImage second = box.Surface();
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(start.pen, oPoint(0, 0)) << "the pen went back to the top left";
    EXPECT_EQ(start.baseline, oPoint(0, ascent)) << "and the baseline shift to zero";
    EXPECT_EQ(box.Port().Shift(), 3) << "the handler's drop after the reset";
    EXPECT_EQ(Ink(second), Ink(first));
}

TEST(TextPortPaintBox, EveryPaintFillsTheWholeBoxWithItsColourFirst) {
    oTextPortPaintBox box;
    box.resize(200, 60);
    box.Color = Page;
    const char* text = "A first, longer text";
    box.OnPaint = [&] { box.Port().Stream() << text << std::flush; };
    const QRect longer = Ink(box.Surface());
    ASSERT_FALSE(longer.isNull());
    EXPECT_LT(longer.width(), 200);
    EXPECT_LT(longer.height(), 60) << "only the text differs from the box's colour";

    text = "Short";
    box.Invalidate();
    const QRect shorter = Ink(box.Surface());
    EXPECT_LT(shorter.width(), longer.width() / 2) << "the longer text is gone";
}

TEST(TextPortRepaintBox, KeepsItsTextAndRewrapsItOnResize) {
    oTextPortRepaintBox box;
    box.Color = Page;
    box.resize(600, 200);
    oTextPortPosition end;
    box.Text() << Prose << whereat(end) << std::flush;
    const QRect wide = Ink(box.Surface());
    const int wideLines = end.pen.y;

    box.resize(150, 200);
    const QRect narrow = Ink(box.Surface());
    EXPECT_LT(narrow.right(), 150);
    EXPECT_GT(narrow.height(), 2 * wide.height()) << "the text now takes several lines";
    EXPECT_GT(end.pen.y, wideLines);

    box.resize(600, 200);
    EXPECT_EQ(Ink(box.Surface()), wide) << "and goes back to its first shape";
}

TEST(TextPortRepaintBox, FlushingRepaintsAndClearLeavesItBlank) {
    oTextPortRepaintBox box;
    box.Color = Page;
    box.resize(200, 80);
    EXPECT_TRUE(Ink(box.Surface()).isNull());
    box.Text() << "first" << std::flush;
    const QRect one = Ink(box.Surface());
    EXPECT_FALSE(one.isNull());
    box.Text() << " and more" << std::flush;
    EXPECT_GT(Ink(box.Surface()).width(), one.width()) << "the flush asked for a repaint";

    box.Clear();
    EXPECT_TRUE(Ink(box.Surface()).isNull());
    EXPECT_TRUE(box.Text().str().empty());
}
