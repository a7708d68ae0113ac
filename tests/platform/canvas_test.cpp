// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Paper.h"
#include "TBitmap.h"
#include "TImageList.h"
#include "TPaintBox.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPicture>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

} // namespace

TEST(Canvas, RectangleRightAndBottomEdgesAreExclusive) {
    TBitmap bmp = Paper(20, 20);
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
    TBitmap bmp = Paper(30, 10);
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
    TBitmap bmp = Paper(30, 10);
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
    TBitmap bmp = Paper(12, 12);
    TCanvas& c = bmp.Canvas();
    c.DrawFocusRect(QRect(1, 1, 10, 10));
    for (const QPoint at : {QPoint(1, 1), QPoint(2, 1), QPoint(2, 2), QPoint(10, 9), QPoint(5, 10)})
        EXPECT_EQ(bmp.Pixel(at.x(), at.y()), clBlack) << "solid, two pixels wide at " << at.x();
    EXPECT_EQ(bmp.Pixel(3, 3), clWhite) << "inside untouched";
    EXPECT_EQ(bmp.Pixel(0, 0), clWhite) << "outside untouched";
    c.DrawFocusRect(QRect(1, 1, 10, 10));
    EXPECT_EQ(bmp.Pixel(1, 1), clWhite);
    EXPECT_EQ(bmp.Pixel(2, 2), clWhite) << "corners inverted once";
}

TEST(Canvas, TextIsPlacedByItsTopLeftOrCentredOnItsReference) {
    TBitmap bmp = Paper(200, 40);
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
    TBitmap bmp = Paper(10, 10);
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

TEST(Canvas, SmoothLinesKeepThePlaceOfTheirAliasedPixels) {
    TBitmap aliased = Paper(60, 60), smooth = Paper(60, 60);
    for (TBitmap* bmp : {&aliased, &smooth}) {
        TCanvas& c = bmp->Canvas();
        c.SmoothLines = bmp == &smooth;
        c.Pen.Color = clBlack;
        c.MoveTo(5, 10);
        c.LineTo(50, 10); // level
        c.MoveTo(20, 5);
        c.LineTo(20, 40); // upright
        c.MoveTo(5, 50);
        c.LineTo(55, 30); // slanting
        c.Pen.Width = 2;
        c.MoveTo(30, 55);
        c.LineTo(58, 55);
    }
    for (int x = 8; x < 48; ++x)
        EXPECT_EQ(smooth.Pixel(x, 10), clBlack) << "a level line keeps its pixels, x " << x;
    EXPECT_EQ(smooth.Pixel(30, 9), clWhite);
    EXPECT_EQ(smooth.Pixel(30, 11), clWhite);
    EXPECT_EQ(smooth.Pixel(20, 25), clBlack);
    EXPECT_EQ(smooth.Pixel(19, 25), clWhite);
    for (int x = 40; x < 56; ++x) {
        EXPECT_EQ(smooth.Pixel(x, 54), clBlack) << "an even width stays centred, x " << x;
        EXPECT_EQ(smooth.Pixel(x, 55), clBlack);
    }

    // Along the slanting line each column's ink is centred on the line that joins the
    // centres of its end pixels, never more than a pixel from the aliased line's pixel,
    // and the smooth line blends into grey beside it.
    const QImage& a = aliased.Image();
    const QImage& s = smooth.Image();
    auto inkCentre = [](const QImage& image, int x) {
        double ink = 0, moment = 0;
        for (int y = 26; y < 54; ++y) {
            const double w = 255 - qGray(image.pixel(x, y));
            ink += w;
            moment += w * y;
        }
        return moment / ink;
    };
    int grey = 0;
    for (int x = 23; x < 52; ++x) {
        const double centre = inkCentre(s, x);
        EXPECT_NEAR(centre, 50 - 0.4 * (x - 5), 0.25) << "column " << x;
        EXPECT_LT(std::abs(centre - inkCentre(a, x)), 1.0) << "column " << x;
        for (int y = 26; y < 54; ++y)
            grey += qGray(s.pixel(x, y)) > 40 && qGray(s.pixel(x, y)) < 215;
    }
    EXPECT_GT(grey, 20) << "the slanting line is antialiased";
}

TEST(Canvas, DrawingCallsTellTheRectangleTheyTouched) {
    TBitmap bmp = Paper(100, 100);
    TCanvas& c = bmp.Canvas();
    std::vector<QRect> told;
    c.OnChange = [&told](const QRect& r) { told.push_back(r); };
    c.SmoothLines = true;
    c.MoveTo(10, 20);
    c.LineTo(40, 25);
    c.LineTo(30, 60);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], QRect(10, 20, 1, 1)) << "lines begun, their extent told when drawn";
    c.Flush();
    ASSERT_EQ(told.size(), 2u);
    EXPECT_TRUE(told[1].contains(QRect(QPoint(10, 20), QPoint(40, 60))));
    EXPECT_TRUE(QRect(5, 15, 41, 51).contains(told[1])) << "and little more";

    // Every pixel the lines coloured lies inside what was told.
    const QImage& image = bmp.Image();
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                EXPECT_TRUE(told[1].contains(x, y)) << x << ", " << y;

    c.Brush.Color = clRed;
    c.FillRect(QRect(70, 70, 5, 6));
    EXPECT_EQ(told.back(), QRect(70, 70, 5, 6));
    c.Pen.Color = clBlue;
    c.Ellipse(50, 50, 60, 58);
    EXPECT_TRUE(told.back().contains(QRect(50, 50, 10, 8)));
}

// A part of an image copied to the same place, at the resolutions a screen has, leaves
// exactly what the painter would: the source inside the part, the target elsewhere, and a
// painter that goes on drawing into the same pixels.
TEST(Canvas, APartOfAnImageLandsAsThePainterWouldDrawIt) {
    for (const qreal ratio : {1.0, 2.0, 1.5}) {
        SCOPED_TRACE(ratio);
        const int w = 40, h = 30;
        QImage source(QSize(w, h) * ratio, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                source.setPixel(x, y, qRgb(x * 5, y * 7, 90));
        source.setDevicePixelRatio(ratio);
        const std::vector<QRect> parts = {QRect(3, 4, 10, 6), QRect(-5, 25, 12, 10),
                                          QRect(35, -2, 10, 5)};

        TBitmap copied = Paper(w, h, ratio), drawn = Paper(w, h, ratio);
        for (const QRect& r : parts) {
            copied.Canvas().DrawImagePart(r, source);
            // The painter's way, for comparison.
            QPainter& p = drawn.Canvas().Painter();
            p.drawImage(QRectF(r), source,
                        QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio,
                               r.height() * ratio));
        }
        for (TBitmap* b : {&copied, &drawn}) {
            b->Canvas().Pen.Color = clRed;
            b->Canvas().MoveTo(0, 8);
            b->Canvas().LineTo(w, 8);
        }
        ASSERT_EQ(copied.Image(), drawn.Image());
        EXPECT_EQ(copied.Pixel(20, 8), clRed) << "the painter still draws into the copy";
        EXPECT_NE(copied.Pixel(5, 6), clWhite) << "the part was copied";
    }

    // A clipped canvas keeps the part outside its clip.
    TBitmap clipped = Paper(40, 30);
    QImage black(40, 30, QImage::Format_RGB32);
    black.fill(Qt::black);
    clipped.Canvas().ClipRect(QRect(0, 0, 10, 30));
    clipped.Canvas().DrawImagePart(QRect(0, 0, 40, 30), black);
    EXPECT_EQ(clipped.Pixel(5, 5), clBlack);
    EXPECT_EQ(clipped.Pixel(20, 5), clWhite);
}

namespace {

// A paint box that records the regions its paint events ask for.
class WatchedBox : public TPaintBox {
public:
    QRegion asked;

protected:
    void paintEvent(QPaintEvent* e) override {
        asked += e->region();
        TPaintBox::paintEvent(e);
    }
};

} // namespace

TEST(PaintBox, RepaintsOnlyWhatIsDrawnAndCanShowAnotherBitmap) {
    WatchedBox box;
    box.resize(200, 100);
    box.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !box.asked.isEmpty(); }, 1000));
    box.asked = QRegion();

    box.Canvas().Pen.Color = clRed;
    box.Canvas().MoveTo(10, 10);
    box.Canvas().LineTo(30, 12);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !box.asked.isEmpty(); }, 1000))
        << "lines reach the screen without anyone flushing them";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return (QRegion(QRect(QPoint(10, 10), QPoint(30, 12))) - box.asked).isEmpty(); },
        1000))
        << "all of the line is repainted";
    EXPECT_TRUE(QRect(0, 0, 40, 20).contains(box.asked.boundingRect()))
        << "only round the line, not the whole box";
    EXPECT_EQ(QColor(box.grab().toImage().pixel(20, 11)), QColor(255, 0, 0));

    TBitmap graph = Paper(200, 100);
    box.ShowBitmap(&graph);
    QApplication::processEvents();
    EXPECT_EQ(QColor(box.grab().toImage().pixel(20, 11)), QColor(255, 255, 255))
        << "the box shows the bitmap";
    box.asked = QRegion();
    graph.Canvas().Brush.Color = clBlue;
    {
        const TPaintBox::RepaintBatch batch(box);
        graph.Canvas().FillRect(QRect(150, 50, 10, 10));
        graph.Canvas().FillRect(QRect(155, 55, 10, 10));
        graph.Canvas().FillRect(QRect(10, 80, 5, 5));
        QApplication::processEvents();
        EXPECT_TRUE(box.asked.isEmpty()) << "nothing is asked for while the batch lives";
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !box.asked.isEmpty(); }, 1000));
    EXPECT_EQ(box.asked, QRegion(QRect(150, 50, 15, 15)) + QRegion(QRect(10, 80, 5, 5)))
        << "the overlapping calls repainted together, the far one apart";
    EXPECT_EQ(QColor(box.grab().toImage().pixel(155, 55)), QColor(0, 0, 255));
    EXPECT_EQ(&box.Surface(), &graph.Image());
    box.ShowBitmap(nullptr);
    EXPECT_FALSE(graph.Canvas().OnChange) << "the bitmap is let go";
}

// A single segment of a wide pen, drawn smooth, lies on the line through its end points and
// is as wide as its pen; one of odd width moves by half a pixel like every other stroke.
TEST(Canvas, AWideSegmentIsCentredOnItsEndPixelsAndAsWideAsItsPen) {
    for (const int width : {2, 3}) {
        SCOPED_TRACE(width);
        TBitmap bmp = Paper(60, 60);
        TCanvas& c = bmp.Canvas();
        c.SmoothLines = true;
        c.Pen.Color = clBlack;
        c.Pen.Width = width;
        c.MoveTo(5, 50);
        c.LineTo(55, 20);
        c.Release();
        const QImage& image = bmp.Image();
        const double slope = -0.6, shift = width % 2 ? 0.5 : 0.0;
        for (int x = 15; x < 45; ++x) {
            double ink = 0, moment = 0;
            for (int y = 10; y < 59; ++y) {
                const double w = (255 - qGray(image.pixel(x, y))) / 255.0;
                ink += w;
                moment += w * (y + 0.5);
            }
            // Pixel x covers x to x + 1; the line runs through the corners of the end pixels,
            // or through their centres once moved.
            EXPECT_NEAR(moment / ink, 50 + shift + slope * (x + 0.5 - 5 - shift), 0.25)
                << "column " << x;
            EXPECT_NEAR(ink, width * std::sqrt(1 + slope * slope), 0.3) << "column " << x;
        }
    }
}

TEST(Canvas, OnPaperAOnePixelLineScalesWithThePageAndEveryColourTakesTheInk) {
    // Recorded as a printed page records it, then played four times larger: the line is a
    // logical pixel wide, four dots, not a hairline of one.
    QPicture page;
    {
        QPainter recorder(&page);
        TCanvas canvas(&recorder);
        canvas.Ink = [](TColor c) { return c == clBlack ? clRed : c; };
        canvas.Pen.Color = clBlack;
        canvas.MoveTo(2, 5);
        canvas.LineTo(18, 5);
    }
    QImage played(80, 40, QImage::Format_RGB32);
    played.fill(Qt::white);
    {
        QPainter p(&played);
        p.scale(4, 4);
        p.drawPicture(0, 0, page);
    }
    int thickness = 0;
    for (int y = 0; y < played.height(); ++y)
        thickness += QColor(played.pixel(40, y)) != QColor(Qt::white);
    EXPECT_EQ(thickness, 4);
    EXPECT_EQ(QColor(played.pixel(40, 21)), QColor(Qt::red)) << "black taken as red";

    // On the screen's images the pen stays a cosmetic pixel.
    TBitmap screen = Paper(20, 10);
    screen.Canvas().Pen.Color = clBlack;
    screen.Canvas().MoveTo(2, 5);
    screen.Canvas().LineTo(18, 5);
    EXPECT_EQ(screen.Pixel(10, 5), clBlack);
    EXPECT_EQ(screen.Pixel(10, 4), clWhite);
    EXPECT_EQ(screen.Pixel(10, 6), clWhite);
}

// Separate segments of a wide pen wait to be drawn together; the picture is the one that
// drawing each at once leaves, where they overlap, where the pen changes between them, where
// a shape is drawn over them and where a polyline of the same pen follows, and the rectangles
// told are the same.
TEST(Canvas, WideSegmentsDrawnTogetherLeaveThePixelsOfSegmentsDrawnOneByOne) {
    const auto draw = [](bool oneByOne, std::vector<QRect>& told) {
        TBitmap bmp = Paper(80, 60);
        TCanvas& c = bmp.Canvas();
        c.OnChange = [&told](const QRect& r) { told.push_back(r); };
        c.SmoothLines = true;
        const auto segment = [&](QPoint from, QPoint to) {
            c.MoveTo(from.x(), from.y());
            c.LineTo(to.x(), to.y());
            if (oneByOne)
                c.Flush();
        };
        c.Pen.Color = clLime;
        c.Pen.Width = 2;
        segment({10, 50}, {40, 20}); // an arrow: shaft and two barbs meeting at its tip
        segment({40, 20}, {31, 22});
        segment({40, 20}, {38, 29});
        c.Pen.Color = clRed; // a change of pen between segments
        segment({40, 20}, {70, 45});
        c.Pen.Width = 3;
        segment({5, 5}, {70, 8});
        c.Pen.Color = clBlue;
        c.Pen.Width = 1;
        c.Brush.Color = clBlue;
        c.Ellipse(36, 16, 44, 24); // over the tip, so drawn after the segments
        c.Pen.Color = clLime;
        c.Pen.Width = 2;
        segment({20, 55}, {60, 55});
        c.Polyline(QPolygon({QPoint(60, 55), QPoint(75, 30), QPoint(50, 35)}));
        c.Release();
        return bmp.Image().copy();
    };
    std::vector<QRect> toldTogether, toldOneByOne;
    const QImage together = draw(false, toldTogether);
    const QImage oneByOne = draw(true, toldOneByOne);
    EXPECT_EQ(together, oneByOne);
    EXPECT_EQ(toldTogether, toldOneByOne);
    EXPECT_NE(oneByOne.pixel(25, 35), qRgb(255, 255, 255)) << "the segments were drawn";
}
