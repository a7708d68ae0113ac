// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TBitmap.h"
#include "oBitmapTrackBar.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

QImage solid(QSize size, QColor colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

QImage paint(oBitmapTrackBar& bar) {
    TBitmap bmp(bar.width(), bar.height());
    bar.PaintWindow(bmp.Canvas());
    return bmp.Image();
}

// Ticks and markers are drawn in the window frame colour, a mid to dark grey.
bool dark(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 160; }

// A white 240 x 44 horizontal bar over 0 .. 20.
void setUp(oBitmapTrackBar& bar) {
    bar.SetMax(20);
    bar.resize(240, 44);
    bar.SetPictureBar(solid(bar.size(), Qt::white));
}

} // namespace

TEST(BitmapTrackBarGeometry, TicksLineUpWithTheThumbInBothOrientations) {
    for (TTrackBarOrientation o : {trHorizontal, trVertical}) {
        SCOPED_TRACE(o == trHorizontal ? "horizontal" : "vertical");
        oBitmapTrackBar bar;
        bar.SetOrientation(o);
        bar.SetMax(20);
        bar.resize(o == trHorizontal ? QSize(240, 44) : QSize(44, 240));
        const QRect tick = bar.TickRect();
        const QRect thumb = bar.ThumbRect();
        const QRect channel = bar.ChannelRect();
        if (o == trHorizontal) {
            EXPECT_EQ(tick.top(), thumb.top() - 1);
            EXPECT_EQ(tick.bottom(), thumb.bottom() + 1);
        } else {
            EXPECT_EQ(tick.left(), thumb.left() - 1);
            EXPECT_EQ(tick.right(), thumb.right() + 1);
        }
        EXPECT_TRUE(channel.contains(tick.center()));
        for (int v = 0; v <= 20; ++v) {
            bar.SetPosition(v);
            const QPoint at = bar.TickPoint(v, false);
            const QPoint centre = bar.ThumbRect().center();
            if (o == trHorizontal)
                EXPECT_NEAR(at.x(), centre.x(), 1) << "value " << v;
            else
                EXPECT_NEAR(at.y(), centre.y(), 1) << "value " << v << ": minimum at the top";
        }
    }
}

TEST(BitmapTrackBarGeometry, EqualMinimumAndMaximumPutEveryTickAtTheStart) {
    oBitmapTrackBar bar;
    bar.SetMin(5);
    bar.SetMax(5);
    bar.resize(200, 40);
    for (int v : {0, 5, 9})
        EXPECT_EQ(bar.TickPoint(v, true).x(), bar.TickRect().left());
}

TEST(BitmapTrackBarTicks, StyleFrequencyAndSide) {
    oBitmapTrackBar bar;
    setUp(bar);
    bar.SetFrequency(5);
    const int below = bar.TickRect().bottom() + 1;
    const int above = bar.TickRect().top() - 1;
    auto x = [&](int v) { return bar.TickPoint(v, false).x(); };
    QImage img = paint(bar);
    for (int v : {0, 20}) {
        EXPECT_TRUE(dark(img, x(v), below + 3)) << "end tick " << v << " is 4 pixels";
        EXPECT_FALSE(dark(img, x(v), below + 4));
    }
    for (int v : {5, 10, 15}) {
        EXPECT_TRUE(dark(img, x(v), below)) << "tick " << v;
        EXPECT_TRUE(dark(img, x(v), below + 2));
        EXPECT_FALSE(dark(img, x(v), below + 3)) << "inner ticks are 3 pixels";
    }
    EXPECT_FALSE(dark(img, x(7), below));
    EXPECT_FALSE(dark(img, x(0), above)) << "no ticks above with tmBottomRight";

    bar.SetTickMarks(tmBoth);
    img = paint(bar);
    EXPECT_TRUE(dark(img, bar.TickPoint(0, true).x(), bar.TickRect().top() - 4));
    EXPECT_TRUE(dark(img, bar.TickPoint(10, true).x(), bar.TickRect().top() - 1));

    bar.SetTickStyle(tsManual);
    img = paint(bar);
    EXPECT_TRUE(dark(img, x(20), bar.TickRect().bottom() + 1));
    EXPECT_FALSE(dark(img, x(10), bar.TickRect().bottom() + 1)) << "manual: only the ends";

    bar.SetTickStyle(tsAuto);
    bar.SetFrequency(0);
    img = paint(bar);
    EXPECT_TRUE(dark(img, x(20), bar.TickRect().bottom() + 1));
    EXPECT_FALSE(dark(img, x(10), bar.TickRect().bottom() + 1)) << "frequency 0: only the ends";

    bar.SetTickStyle(tsNone);
    img = paint(bar);
    for (int row = 0; row < img.height(); ++row)
        EXPECT_FALSE(dark(img, x(10), row)) << "row " << row;
}

TEST(BitmapTrackBarSelection, BandAndMarkersOnPixels) {
    oBitmapTrackBar bar;
    setUp(bar);
    const QRgb highlight = QApplication::palette().color(QPalette::Highlight).rgb();
    EXPECT_NE(paint(bar).pixel(bar.TickPoint(10, false).x(), bar.ChannelRect().center().y()),
              highlight)
        << "no selection at 0 .. 0";
    bar.SetSelStart(5);
    bar.SetSelEnd(15);
    const QImage img = paint(bar);
    const int y = bar.ChannelRect().center().y();
    EXPECT_EQ(img.pixel(bar.TickPoint(10, false).x(), y), highlight);
    EXPECT_EQ(img.pixel(bar.TickPoint(5, false).x() + 1, y), highlight);
    EXPECT_NE(img.pixel(bar.TickPoint(5, false).x() - 2, y), highlight);
    EXPECT_NE(img.pixel(bar.TickPoint(15, false).x() + 2, y), highlight);
    EXPECT_NE(img.pixel(bar.TickPoint(10, false).x(), bar.ChannelRect().top()), highlight)
        << "the band stays inside the channel";
    const int below = bar.TickRect().bottom() + 1;
    for (int v : {5, 15}) {
        EXPECT_TRUE(dark(img, bar.TickPoint(v, false).x() - 1, below + 1)) << "marker at " << v;
        EXPECT_TRUE(dark(img, bar.TickPoint(v, false).x() + 1, below + 1)) << "marker at " << v;
    }
}

TEST(BitmapTrackBarPictures, BarThumbAndDisabledLook) {
    oBitmapTrackBar bar;
    bar.resize(100, 30);
    bar.SetPictureBar(solid(QSize(240, 44), Qt::white));
    EXPECT_EQ(bar.size(), QSize(240, 44)) << "the control takes the bar's size";
    bar.SetMax(20);
    bar.SetTickStyle(tsNone);
    bar.SetPosition(10);
    bar.SetPictureThumb(solid(QSize(60, 60), Qt::red));
    const QRect thumb = bar.ThumbRect();
    QImage img = paint(bar);
    EXPECT_EQ(img.pixel(thumb.center()), QColor(Qt::red).rgb());
    EXPECT_EQ(img.pixel(thumb.right(), thumb.bottom()), QColor(Qt::red).rgb());
    EXPECT_EQ(img.pixel(thumb.right() + 1, thumb.center().y()), QColor(Qt::white).rgb())
        << "a larger thumb picture is shrunk to the thumb";
    bar.SetPictureDisabled(solid(bar.size(), Qt::gray));
    bar.setEnabled(false);
    img = paint(bar);
    EXPECT_EQ(img.pixel(thumb.center()), QColor(Qt::gray).rgb()) << "no thumb while disabled";
}
