// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DialogRecorder.h"
#include "TBitmap.h"
#include "oBevel.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A 48 x 48 source of nine 16 x 16 regions, each in its own colour with a white pixel at
// its top-left corner, so that every tile copy shows where it starts.
QImage nineRegions() {
    QImage img(48, 48, QImage::Format_RGB32);
    QPainter p(&img);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            p.fillRect(col * 16, row * 16, 16, 16, QColor(40 + 80 * col, 40 + 80 * row, 90));
            p.fillRect(col * 16, row * 16, 1, 1, Qt::white);
        }
    return img;
}

QRgb region(int col, int row) { return QColor(40 + 80 * col, 40 + 80 * row, 90).rgb(); }
constexpr QRgb marker = 0xFFFFFFFF;

QImage paint(oBevel& bevel) {
    TBitmap bmp(bevel.width(), bevel.height());
    bmp.Canvas().Brush.Color = clBlack;
    bmp.Canvas().FillRect(bevel.rect());
    bevel.PaintOn(bmp.Canvas());
    return bmp.Image();
}

} // namespace

TEST(BevelTiles, CornersStayEdgesAndMiddleRepeat) {
    oBevel bevel;
    bevel.resize(100, 60);
    bevel.SetSourceImage(nineRegions());
    ASSERT_TRUE(bevel.Ready());
    const QImage img = paint(bevel);
    struct Probe {
        int x, y;
        QRgb expected;
    };
    const Probe probes[] = {
        {0, 0, marker},   {5, 5, region(0, 0)},   {84, 0, marker},        {99, 15, region(2, 0)},
        {0, 44, marker},  {99, 59, region(2, 2)}, {84, 44, marker},       {16, 0, marker},
        {32, 0, marker},  {80, 0, marker},        {83, 3, region(1, 0)},  {0, 16, marker},
        {0, 32, marker},  {3, 43, region(0, 1)},  {84, 16, marker},       {84, 32, marker},
        {16, 44, marker}, {64, 44, marker},       {16, 16, marker},       {32, 16, marker},
        {80, 32, marker}, {83, 43, region(1, 1)}, {50, 30, region(1, 1)},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(img.pixel(p.x, p.y), p.expected) << "at " << p.x << ", " << p.y;

    // Every tile's own colour, in every copy of it: markers alone would not tell a tile
    // cut from the wrong edge.
    const Probe tiles[] = {
        {8, 8, region(0, 0)},   {92, 8, region(2, 0)},  {8, 52, region(0, 2)},
        {92, 52, region(2, 2)}, {24, 8, region(1, 0)},  {76, 8, region(1, 0)},
        {24, 52, region(1, 2)}, {76, 52, region(1, 2)}, {8, 24, region(0, 1)},
        {8, 40, region(0, 1)},  {92, 24, region(2, 1)}, {92, 40, region(2, 1)},
        {24, 24, region(1, 1)}, {76, 40, region(1, 1)},
    };
    for (const Probe& p : tiles)
        EXPECT_EQ(img.pixel(p.x, p.y), p.expected) << "inside the tile at " << p.x << ", " << p.y;
}

TEST(BevelTiles, StretchDrawsOneCopyOfEachEdgeAndTheMiddle) {
    oBevel bevel;
    bevel.resize(100, 60);
    bevel.SetSourceImage(nineRegions());
    bevel.SetScaleMode(tsmStretch);
    const QImage img = paint(bevel);
    EXPECT_EQ(img.pixel(0, 0), marker);
    EXPECT_EQ(img.pixel(84, 44), marker);
    EXPECT_EQ(img.pixel(50, 30), region(1, 1));
    EXPECT_EQ(img.pixel(32, 16), region(1, 1)) << "no second copy of the middle";
    EXPECT_EQ(img.pixel(48, 0), region(1, 0));
}

TEST(BevelTiles, BorderZeroTilesTheWholeSource) {
    oBevel bevel;
    bevel.resize(100, 60);
    bevel.SetSourceImage(nineRegions());
    bevel.SetBorderWidth(0);
    const QImage img = paint(bevel);
    EXPECT_EQ(img.pixel(48, 48), marker);
    EXPECT_EQ(img.pixel(96, 0), marker);
}

TEST(BevelFailures, TooSmallASourceShowsItsMessageOncePerAttemptAndNeverInAPaint) {
    DialogRecorder dialogs;
    oBevel bevel;
    bevel.resize(60, 60);
    bevel.SetSourceImage(nineRegions());
    bevel.SetBorderWidth(24);
    EXPECT_FALSE(bevel.Ready());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Image dimensions must be greater than 2*BorderWidth");
    const QImage img = paint(bevel);
    paint(bevel);
    EXPECT_EQ(dialogs.messages.size(), 1u) << "painting never cuts the source";
    EXPECT_EQ(img.pixel(1, 1), marker) << "the placeholder frame, drawn as the focus mark";
    EXPECT_EQ(img.pixel(2, 2), 0xFF000000u);
    EXPECT_EQ(img.pixel(30, 30), 0xFF000000u);
    bevel.SetScaleMode(tsmStretch);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    bevel.SetBorderWidth(16);
    EXPECT_TRUE(bevel.Ready());
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST(BevelBuffer, AResizeRebuildsTheBufferAtTheNextPaintOnly) {
    oBevel bevel;
    bevel.resize(100, 60);
    bevel.SetSourceImage(nineRegions());
    paint(bevel);
    EXPECT_EQ(bevel.Buffer().size(), QSize(100, 60));
    bevel.resize(120, 80);
    EXPECT_EQ(bevel.Buffer().size(), QSize(100, 60));
    const QImage img = paint(bevel);
    EXPECT_EQ(bevel.Buffer().size(), QSize(120, 80));
    EXPECT_EQ(img.pixel(104, 64), marker);
    EXPECT_EQ(img.pixel(119, 79), region(2, 2));
}
