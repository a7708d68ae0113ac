// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Paper.h"
#include "ShapeStamps.h"
#include "TBitmap.h"
#include "TPaintBox.h"

#include <QApplication>
#include <QBackingStore>
#include <QPainter>
#include <QPicture>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// The largest difference of any channel between two images of one size.
int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// A field of many colours, so that a wrong blend of any channel shows.
QImage Field(int w, int h, QImage::Format format) {
    QImage image(w, h, format);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 9 % 256, y * 13 % 256, (x * y) % 256));
    return image;
}

} // namespace

// Blending a kept picture gives what the painter's own source-over drawing gives, to the
// last bit, on both kinds of target and wherever the picture overhangs the target's edge.
TEST(ShapeStamps, ABlendedPictureIsWhatThePainterDraws) {
    QImage stamp(9, 7, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) {
            const int alpha = (x * 37 + y * 59) % 256;
            stamp.setPixel(x, y, qPremultiply(qRgba(250 - x * 20, 30 + y * 30, 128, alpha)));
        }
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        for (const QPoint at : {QPoint(5, 4), QPoint(-3, -2), QPoint(26, 17)}) {
            SCOPED_TRACE(testing::Message() << format << " at " << at.x() << "," << at.y());
            QImage blended = Field(30, 20, format), drawn = Field(30, 20, format);
            BlendStamp(blended, stamp, at);
            QPainter p(&drawn);
            p.drawImage(at, stamp);
            p.end();
            EXPECT_EQ(blended, drawn);
        }
    }
}

TEST(ShapeStamps, APictureIsDrawnOncePerLookAndOnlyTheLastFewAreKept) {
    ShapeStamps stamps;
    int drawn = 0;
    const auto draw = [&drawn](QImage& image) {
        ++drawn;
        image.fill(Qt::red);
    };
    const ShapeStamps::Key dot{QSize(8, 8), 1, 1};
    const QImage& first = stamps.Picture(dot, draw);
    EXPECT_EQ(first.size(), QSize(8, 8));
    EXPECT_EQ(stamps.Picture(dot, draw).constBits(), first.constBits());
    EXPECT_EQ(drawn, 1) << "the same look is kept";

    const QImage& sharp = stamps.Picture({QSize(8, 8), 1, 2}, draw);
    EXPECT_EQ(sharp.size(), QSize(16, 16)) << "made at the device's resolution";
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(drawn, 2);
    stamps.Picture({QSize(8, 9), 1, 1}, draw);
    stamps.Picture({QSize(8, 8), 2, 1}, draw);
    EXPECT_EQ(drawn, 4) << "size and look tell pictures apart";

    for (std::uint64_t look = 10; look < 14; ++look)
        stamps.Picture({QSize(4, 4), look, 1}, draw);
    stamps.Picture(dot, draw);
    EXPECT_EQ(drawn, 8) << "eight looks are kept";
    stamps.Picture({QSize(4, 4), 14, 1}, draw);
    stamps.Picture(dot, draw);
    EXPECT_EQ(drawn, 10) << "the ninth made the oldest give way";
}

// A stamped ellipse is the ellipse the canvas draws, within two steps of rounding, at the
// resolutions a screen has, in the colours, pens and smoothing a view uses, and it tells
// every pixel it touched.
TEST(ShapeStamps, AStampedEllipseIsTheDrawnEllipse) {
    struct Look {
        TColor pen, brush;
        int width;
        bool smooth;
    };
    for (const qreal ratio : {1.0, 2.0}) {
        for (const Look look : {Look{clYellow, clYellow, 1, false}, Look{clWhite, clRed, 2, true},
                                Look{clBlue, clLime, 1, true}}) {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << " pen " << look.width);
            TBitmap stamped(60, 40, ratio), drawn(60, 40, ratio);
            QRect told;
            stamped.Canvas().OnChange = [&told](const QRect& r) { told |= r; };
            for (TBitmap* b : {&stamped, &drawn}) {
                TCanvas& c = b->Canvas();
                c.Brush.Color = clBlack;
                c.FillRect(QRect(0, 0, 60, 40));
                c.Painter().setRenderHint(QPainter::Antialiasing, look.smooth);
                c.Pen.Color = look.pen;
                c.Pen.Width = look.width;
                c.Brush.Color = look.brush;
            }
            told = QRect();
            for (const QPoint at : {QPoint(10, 10), QPoint(31, 17), QPoint(-2, 35)}) {
                stamped.Canvas().StampEllipse(at.x() - 3, at.y() - 3, at.x() + 3, at.y() + 3);
                drawn.Canvas().Ellipse(at.x() - 3, at.y() - 3, at.x() + 3, at.y() + 3);
            }
            const QImage& s = stamped.Image();
            const QImage& d = drawn.Image();
            EXPECT_LE(LargestDifference(s, d), 2);
            EXPECT_NE(stamped.Pixel(31, 17), clBlack) << "the dot is there";
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 60; ++x)
                    if (stamped.Pixel(x, y) != clBlack)
                        ASSERT_TRUE(told.contains(x, y)) << x << "," << y;
        }
    }
}

// Where the kept picture would not be the same drawing (a clipped painter, a drawing kept
// as commands, a resolution between whole pixels), the ellipse is drawn as such.
TEST(ShapeStamps, AStampedEllipseIsDrawnAsSuchWhereAPictureWouldNotDo) {
    const auto both = [](TCanvas& a, TCanvas& b, auto&& act) {
        act(a, false);
        act(b, true);
    };
    const auto ellipse = [](TCanvas& c, bool stamped) {
        c.Pen.Color = clRed;
        c.Brush.Color = clRed;
        if (stamped)
            c.StampEllipse(10, 10, 17, 17);
        else
            c.Ellipse(10, 10, 17, 17);
    };

    TBitmap plain = Paper(30, 30), clipped = Paper(30, 30);
    both(plain.Canvas(), clipped.Canvas(), [&](TCanvas& c, bool stamped) {
        c.ClipRect(QRect(0, 0, 13, 30));
        ellipse(c, stamped);
    });
    EXPECT_EQ(plain.Image(), clipped.Image()) << "the clip holds";
    EXPECT_EQ(clipped.Pixel(15, 13), clWhite);

    TBitmap between = Paper(30, 30, 1.5), reference = Paper(30, 30, 1.5);
    both(reference.Canvas(), between.Canvas(), ellipse);
    EXPECT_EQ(reference.Image(), between.Image()) << "no picture at a ratio of 1.5";

    // The view holds body positions within 2^28 pixels; far off the device nothing is drawn.
    TBitmap far = Paper(30, 30, 2.0);
    const QImage before = far.Image().copy();
    far.Canvas().StampEllipse(1 << 28, -(1 << 28), (1 << 28) + 6, -(1 << 28) + 6);
    EXPECT_EQ(far.Image(), before);

    QPicture commands, expected;
    for (auto [picture, stamped] : {std::pair{&commands, true}, std::pair{&expected, false}}) {
        TCanvas c(picture);
        ellipse(c, stamped);
        c.Release();
    }
    EXPECT_EQ(commands.size(), expected.size()) << "a drawing keeps the ellipse as a shape";
}

// A paint box shows its surface in the window's backing store exactly, wherever it sits in
// the window, after the first paint and after a small change; a batch of drawing calls is in
// the window as soon as the batch ends. The test runs again on a screen at twice the
// resolution.
TEST(PaintBox, TheWindowHoldsThePaintBoxsPixelsExactly) {
    QWidget window;
    window.resize(160, 120);
    TPaintBox box(&window);
    box.setGeometry(37, 21, 90, 70);
    box.OnPaint = [&box] {
        TCanvas& c = box.Canvas();
        for (int y = 0; y < 70; ++y) {
            c.Pen.Color = RGB(y * 3, 255 - y * 3, 60);
            c.MoveTo(0, y);
            c.LineTo(90, y);
        }
    };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const int ratio = int(window.devicePixelRatio());
    ASSERT_EQ(ratio, window.devicePixelRatio());
    ASSERT_EQ(window.backingStore()->paintDevice()->devType(), QInternal::Image);
    // The window's own pixels; the store's image may be made anew at each paint.
    const auto shown = [&] {
        return static_cast<QImage*>(window.backingStore()->paintDevice())
            ->copy(37 * ratio, 21 * ratio, 90 * ratio, 70 * ratio)
            .convertToFormat(QImage::Format_RGB32);
    };
    const auto same = [&] {
        QImage surface = box.Surface();
        surface.setDevicePixelRatio(1);
        return shown() == surface;
    };
    ASSERT_TRUE(QTest::qWaitFor(same, 1000));

    box.Canvas().Pen.Color = clBlack;
    box.Canvas().Brush.Color = clWhite;
    box.Canvas().StampEllipse(40, 30, 47, 37);
    box.Canvas().Flush();
    EXPECT_TRUE(QTest::qWaitFor(same, 1000))
        << "the change reached the window, and nothing else moved";
    EXPECT_EQ(QColor(shown().pixel(43 * ratio, 33 * ratio)), QColor(Qt::white));

    {
        const TPaintBox::RepaintBatch batch(box);
        box.Canvas().Brush.Color = clBlue;
        box.Canvas().FillRect(QRect(5, 5, 10, 10));
        box.Canvas().FillRect(QRect(70, 50, 8, 8));
    }
    EXPECT_TRUE(same()) << "the batch's end repainted the window without waiting";
    EXPECT_EQ(QColor(shown().pixel(72 * ratio, 52 * ratio)), QColor(Qt::blue));
}
