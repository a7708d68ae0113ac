#include "TBitmap.h"
#include "TImageList.h"
#include "TPaintBox.h"

#include <gtest/gtest.h>

namespace {

TBitmap whiteBitmap(int w, int h) {
    TBitmap bmp(w, h);
    bmp.Canvas().Brush.Color = clWhite;
    bmp.Canvas().FillRect(QRect(0, 0, w, h));
    return bmp;
}

} // namespace

TEST(Canvas, RectangleRightAndBottomEdgesAreExclusive) {
    TBitmap bmp = whiteBitmap(20, 20);
    TCanvas& c = bmp.Canvas();
    c.Pen.Color = clRed;
    c.Brush.Color = clBlue;
    c.Rectangle(2, 3, 10, 12);
    EXPECT_EQ(bmp.Pixel(2, 3), clRed) << "outline starts at the top-left corner";
    EXPECT_EQ(bmp.Pixel(9, 11), clRed) << "outline ends one pixel inside right/bottom";
    EXPECT_EQ(bmp.Pixel(10, 11), clWhite);
    EXPECT_EQ(bmp.Pixel(9, 12), clWhite);
    EXPECT_EQ(bmp.Pixel(5, 6), clBlue) << "interior takes the brush";
}

TEST(Canvas, ConsecutiveLinesChangeColourWhereThePenChanges) {
    TBitmap bmp = whiteBitmap(30, 10);
    TCanvas& c = bmp.Canvas();
    c.MoveTo(0, 5);
    c.Pen.Color = clRed;
    c.LineTo(10, 5);
    c.LineTo(10, 5); // no length: nothing more to draw
    c.Pen.Color = clLime;
    c.LineTo(25, 5);
    EXPECT_EQ(bmp.Pixel(5, 5), clRed);
    EXPECT_EQ(bmp.Pixel(20, 5), clLime);
    EXPECT_EQ(c.PenPos(), QPoint(25, 5));
}

TEST(Canvas, MoveToBreaksThePolyline) {
    TBitmap bmp = whiteBitmap(30, 10);
    TCanvas& c = bmp.Canvas();
    c.MoveTo(0, 2);
    c.LineTo(8, 2);
    c.MoveTo(20, 2);
    c.LineTo(28, 2);
    EXPECT_EQ(bmp.Pixel(4, 2), clBlack);
    EXPECT_EQ(bmp.Pixel(14, 2), clWhite) << "no segment joins the two strokes";
    EXPECT_EQ(bmp.Pixel(24, 2), clBlack);
}

TEST(Canvas, FocusRectangleIsDrawnByInversionSoTwiceRestores) {
    TBitmap bmp = whiteBitmap(12, 12);
    TCanvas& c = bmp.Canvas();
    c.DrawFocusRect(QRect(1, 1, 10, 10));
    EXPECT_EQ(bmp.Pixel(1, 1), clBlack);
    EXPECT_EQ(bmp.Pixel(2, 1), clWhite) << "dotted";
    EXPECT_EQ(bmp.Pixel(5, 5), clWhite) << "inside untouched";
    c.DrawFocusRect(QRect(1, 1, 10, 10));
    EXPECT_EQ(bmp.Pixel(1, 1), clWhite);
}

TEST(Canvas, TextIsPlacedByItsTopLeftOrCentredOnItsReference) {
    TBitmap bmp = whiteBitmap(200, 40);
    TCanvas& c = bmp.Canvas();
    c.Font = TFont("Arial", -20, clBlack);
    const QSize extent = c.TextExtent("WWWW");
    EXPECT_GT(extent.width(), 40);
    EXPECT_GE(extent.height(), 20);
    c.TextAlign = TA_CENTER | TA_TOP;
    c.TextOut(100, 5, "WWWW");
    const QImage& img = bmp.Image();
    int left = 200, right = -1;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 40; ++y)
            if (QColor(img.pixel(x, y)).lightness() < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_NEAR((left + right) / 2.0, 100.0, 2.0);
}

TEST(ImageList, DrawsByIndexAndIgnoresIndicesOutsideTheList) {
    TImageList list(4, 4);
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    EXPECT_EQ(list.Add(red), 0);
    TBitmap bmp = whiteBitmap(10, 10);
    list.Draw(bmp.Canvas(), 3, 3, 0);
    list.Draw(bmp.Canvas(), 0, 0, 1);
    list.Draw(bmp.Canvas(), 0, 0, -1);
    EXPECT_EQ(bmp.Pixel(3, 3), clRed);
    EXPECT_EQ(bmp.Pixel(0, 0), clWhite);
}

TEST(PaintBox, ProducesItsSurfaceOnFirstPaintAndAfterInvalidate) {
    TPaintBox box;
    box.resize(30, 20);
    int painted = 0;
    box.OnPaint = [&] {
        ++painted;
        box.Canvas().Brush.Color = clAqua;
        box.Canvas().FillRect(QRect(0, 0, 30, 20));
    };
    EXPECT_EQ(QColor(box.Surface().pixel(5, 5)), QColor(0, 255, 255));
    box.PaintNow();
    EXPECT_EQ(painted, 1) << "a drawn surface persists";
    box.Canvas().SetPixel(1, 1, clRed);
    EXPECT_EQ(QColor(box.Surface().pixel(1, 1)), QColor(255, 0, 0)) << "drawing between paints";
    box.Invalidate();
    box.PaintNow();
    EXPECT_EQ(painted, 2);
    box.resize(40, 20);
    box.PaintNow();
    EXPECT_EQ(painted, 3) << "a resize asks for a fresh surface";
}
