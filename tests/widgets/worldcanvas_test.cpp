// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TBitmap.h"
#include "oWorldCanvas.h"
#include "oWorldPortPaintBox.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// The orbit view of the simulation chapters: 5.4 x 3 world units on 540 x 300 pixels, y up.
const oRealRect OrbitWorld(-2.7, 1.5, 5.4, -3.0);

oWorldCanvas OrbitView(TCanvas* canvas = nullptr) {
    oWorldCanvas world(canvas);
    world.SetViewPort(oRect(0, 0, 540, 300));
    world.SetWorldPort(OrbitWorld);
    return world;
}

struct MappingCase {
    const char* name;
    oRealRect worldPort;
    oRect viewPort;
    oRealPoint world;
    oPoint device;
};

} // namespace

TEST(WorldCanvas, MapsWorldPointsToPixels) {
    const double inf = std::numeric_limits<double>::infinity();
    const int limit = oWorldCanvas::DeviceLimit;
    const oRealRect unit(0, 1, 1, -1), identity(0, 0, 100, 100);
    const oRect view(0, 0, 100, 100), orbitView(0, 0, 540, 300);
    const MappingCase cases[] = {
        {"fresh canvas, origin", unit, view, {0, 0}, {0, 100}},
        {"fresh canvas, far corner", unit, view, {1, 1}, {100, 0}},
        {"fresh canvas, centre", unit, view, {0.5, 0.5}, {50, 50}},
        {"orbit view, star", OrbitWorld, orbitView, {0, 0}, {270, 150}},
        {"orbit view, (1, 1)", OrbitWorld, orbitView, {1, 1}, {370, 50}},
        {"orbit view, bottom left", OrbitWorld, orbitView, {-2.7, -1.5}, {0, 300}},
        {"half rounds up", identity, view, {2.5, 0}, {3, 0}},
        {"minus a half rounds up to 0", identity, view, {-0.5, 0}, {0, 0}},
        {"minus one and a half truncates to -1", identity, view, {-1.5, 0}, {-1, 0}},
        {"below -0.5 ends closer to zero", identity, view, {-1.2, -1.7}, {0, -1}},
        {"view port offset", identity, oRect(20, 30, 100, 100), {1, 1}, {21, 31}},
        {"zero world width maps every x to the view port",
         oRealRect(3, 0, 0, 10),
         oRect(7, 0, 100, 100),
         {1e9, 5},
         {7, 50}},
        {"far beyond the view is clamped", unit, view, {1e300, -inf}, {limit, limit}},
        {"far beyond on the other side", unit, view, {-inf, 1e300}, {-limit, -limit}},
        {"not a number", unit, view, {std::numeric_limits<double>::quiet_NaN(), 0}, {0, 100}},
    };
    for (const MappingCase& c : cases) {
        SCOPED_TRACE(c.name);
        oWorldCanvas world;
        world.SetViewPort(c.viewPort);
        world.SetWorldPort(c.worldPort);
        EXPECT_EQ(world.I(c.world), c.device);
        // The bulk mapping of polylines lands on the same pixel.
        const QPolygon bulk = world.DevicePoints(1, [&c](std::size_t) { return c.world; });
        ASSERT_EQ(bulk.size(), 1);
        EXPECT_EQ(bulk[0], QPoint(c.device.x, c.device.y)) << "in a polyline";
    }
}

TEST(WorldCanvas, ScaleFollowsBothPorts) {
    oWorldCanvas world;
    EXPECT_EQ(world.worldPort, oRealRect(0, 1, 1, -1));
    EXPECT_EQ(world.viewPort, oRect(0, 0, 100, 100));
    EXPECT_EQ(world.scale.x, 100);
    EXPECT_EQ(world.scale.y, -100);

    world = OrbitView();
    EXPECT_EQ(world.scale.x, 100);
    EXPECT_EQ(world.scale.y, -100);

    world.SetWorldPort(oRealRect(0, 0, 0, 0));
    EXPECT_EQ(world.scale.x, 0);
    EXPECT_EQ(world.scale.y, 0);
}

TEST(WorldCanvas, DrawsAtTheMappedPixels) {
    TBitmap bitmap(540, 300);
    TCanvas& canvas = bitmap.Canvas();
    oWorldCanvas world = OrbitView(&canvas);

    canvas.Brush.Color = clBlue;
    world.FillRect(oRealPoint(-2.7, 1.5), oRealPoint(-2.6, 1.4)); // pixels 0..9
    canvas.Pen.Color = clRed;
    world.MoveTo(oRealPoint(-1, -1));
    world.LineTo(oRealPoint(1, -1)); // y = 250, x 170..370
    world.LineTo(oRealPoint(1, 1));  // x = 370, y 250..50
    canvas.Brush.Color = clLime;
    canvas.Pen.Color = clLime;
    world.Ellipse(oRealPoint(-0.2, 0.2), oRealPoint(0.2, -0.2));
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;

    EXPECT_EQ(bitmap.Pixel(0, 0), clBlue);
    EXPECT_EQ(bitmap.Pixel(9, 9), clBlue);
    EXPECT_EQ(bitmap.Pixel(10, 10), clWhite) << "the corner I(q) is excluded";
    EXPECT_EQ(bitmap.Pixel(270, 250), clRed);
    EXPECT_EQ(bitmap.Pixel(370, 100), clRed);
    EXPECT_EQ(bitmap.Pixel(300, 100), clWhite);
    EXPECT_EQ(bitmap.Pixel(270, 150), clLime) << "the ellipse is centred on the star";
    EXPECT_EQ(bitmap.Pixel(300, 150), clWhite);
    EXPECT_TRUE(canvas.Pen == pen && canvas.Brush == brush) << "drawing changes no tool";
}

TEST(WorldCanvas, ConsecutiveLinesReachTheSurfaceAsOnePolyline) {
    TBitmap bitmap(540, 300);
    TCanvas& canvas = bitmap.Canvas();
    int batches = 0;
    canvas.OnChange = [&batches](const QRect& touched) { batches += touched.size() == QSize(1, 1); };
    oWorldCanvas world = OrbitView(&canvas);
    world.MoveTo(oRealPoint(0, 0));
    for (int i = 0; i < 1000; ++i)
        world.LineTo(oRealPoint(i % 2 ? 2.0 : -2.0, -1.4 + i * 0.0028));
    EXPECT_EQ(batches, 1);
    EXPECT_EQ(bitmap.Pixel(70, 279), clBlack) << "the last segment ends at (-2, 1.3972)";
}

TEST(WorldCanvas, TextIsPlacedAndMeasuredInWorldUnits) {
    TBitmap bitmap(540, 300);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font.Height = -16;
    oWorldCanvas world = OrbitView(&canvas);

    const QSize pixels = canvas.TextExtent("Mondas");
    const oRealVector extent = world.TextExtent("Mondas");
    EXPECT_DOUBLE_EQ(extent.x, pixels.width() / 100.0);
    EXPECT_DOUBLE_EQ(extent.y, -pixels.height() / 100.0) << "y up gives a negative height";

    world.TextOut(oRealPoint(0, 0), "Mondas");
    const QImage& image = bitmap.Image();
    int inked = 0;
    for (int y = 150; y < 150 + pixels.height(); ++y)
        for (int x = 270; x < 270 + pixels.width(); ++x)
            inked += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(inked, 20) << "text is drawn with its top-left corner at I(p)";
    EXPECT_EQ(bitmap.Pixel(265, 145), clWhite);

    world.SetWorldPort(oRealRect(0, 0, 0, 3));
    EXPECT_EQ(world.TextExtent("Mondas").x, 0);
}

TEST(WorldCanvasDeathTest, DrawingNeedsACanvas) {
    oWorldCanvas world;
    EXPECT_DEATH(world.LineTo(oRealPoint(0, 0)), "canvas != nullptr");
}

TEST(WorldPortPaintBox, ViewPortFollowsTheBounds) {
    oWorldPortPaintBox box;
    box.SetBounds(0, 0, 540, 300);
    box.SetWorldLeft(-2.7);
    box.SetWorldTop(1.5);
    box.SetWorldWidth(5.4);
    box.SetWorldHeight(-3.0);
    EXPECT_EQ(box.worldCanvas.viewPort, oRect(0, 0, 540, 300));
    EXPECT_EQ(box.worldCanvas.scale.x, 100);
    EXPECT_EQ(box.worldCanvas.scale.y, -100);
    EXPECT_EQ(box.WorldWidth(), 5.4);

    box.SetBounds(10, 20, 270, 300);
    EXPECT_EQ(box.worldCanvas.viewPort, oRect(0, 0, 270, 300));
    EXPECT_EQ(box.worldCanvas.scale.x, 50);
    EXPECT_EQ(box.worldCanvas.scale.y, -100);

    box.show();
    box.resize(540, 150);
    EXPECT_EQ(box.worldCanvas.scale.y, -50) << "a resize by the layout is followed too";
}

TEST(WorldPortPaintBox, WorldComponentsByIndex) {
    oWorldPortPaintBox box;
    box.SetBounds(0, 0, 100, 100);
    for (int index = 0; index < 4; ++index)
        box.SetWorld(index, 10.0 + index);
    EXPECT_EQ(box.worldCanvas.worldPort, oRealRect(10, 11, 12, 13));
    EXPECT_EQ(box.GetWorld(0), 10);
    EXPECT_EQ(box.WorldHeight(), 13);
    EXPECT_EQ(box.GetWorld(7), 0);

    box.worldCanvas.scale = oScale(1, 1);
    box.SetWorld(7, 99.0);
    EXPECT_EQ(box.worldCanvas.worldPort, oRealRect(10, 11, 12, 13));
    EXPECT_DOUBLE_EQ(box.worldCanvas.scale.x, 100.0 / 12) << "the scale is recomputed";
}

TEST(WorldPortPaintBox, DrawsOnItsOwnSurfaceAfterAResize) {
    oWorldPortPaintBox box;
    box.SetBounds(0, 0, 200, 100);
    box.SetBounds(0, 0, 540, 300);
    box.worldCanvas.SetWorldPort(OrbitWorld);
    box.worldCanvas.canvas->Pen.Color = clRed;
    box.worldCanvas.MoveTo(oRealPoint(-2, 0));
    box.worldCanvas.LineTo(oRealPoint(2, 0));
    EXPECT_EQ(box.Surface().pixel(300, 150), qRgb(255, 0, 0));

    TBitmap offScreen(540, 300);
    box.worldCanvas.canvas = &offScreen.Canvas();
    box.SetBounds(0, 0, 270, 300);
    EXPECT_EQ(box.worldCanvas.canvas, &offScreen.Canvas()) << "another surface stays chosen";
    box.worldCanvas.MoveTo(oRealPoint(-2.7, 1.5));
    box.worldCanvas.LineTo(oRealPoint(2.7, -1.5));
    EXPECT_EQ(offScreen.Pixel(135, 150), clBlack) << "the world spans the box's 270 pixels";
    EXPECT_EQ(offScreen.Pixel(270, 150), clWhite);
}

namespace {

// Tracks seen as the orbit view sees them: ellipses of several shapes and tilts, sampled
// finely enough that neighbouring points often map to the same pixel.
std::vector<std::vector<oRealPoint>> TestTracks() {
    std::vector<std::vector<oRealPoint>> tracks;
    for (const double ecc : {0.0, 0.6, 0.99}) {
        for (const double tilt : {0.0, 0.7, 1.5}) {
            std::vector<oRealPoint> track;
            const double a = 0.4 + ecc, b = a * std::sqrt(1 - ecc * ecc);
            for (int i = 0; i <= 20000; ++i) {
                const double t = 6.283185307179586 * i / 20000;
                const double x = a * (std::cos(t) - ecc), y = b * std::sin(t);
                track.emplace_back(x * std::cos(tilt) - 0.3 * y, y * std::sin(tilt) + 0.01 * x);
            }
            tracks.push_back(std::move(track));
        }
    }
    return tracks;
}

} // namespace

TEST(WorldCanvas, APolylineDrawsThePixelsOfItsPointsDrawnOneByOne) {
    const auto tracks = TestTracks();
    for (const bool smooth : {false, true}) {
        // The view's zoom range: a factor of 10^(0.04 position - 2) on the world window.
        for (int position = 0; position <= 100; position += 5) {
            const double zoom = std::pow(10.0, position * 0.04 - 2.0);
            const oRealRect world(-2.7 * zoom, 1.5 * zoom, 5.4 * zoom, -3.0 * zoom);
            TBitmap oneByOne(540, 300), bulk(540, 300);
            for (TBitmap* bitmap : {&oneByOne, &bulk}) {
                bitmap->Canvas().SmoothLines = smooth;
                bitmap->Canvas().Pen.Color = clBlue;
            }
            oWorldCanvas a(&oneByOne.Canvas()), b(&bulk.Canvas());
            for (oWorldCanvas* w : {&a, &b}) {
                w->SetViewPort(oRect(0, 0, 540, 300));
                w->SetWorldPort(world);
            }
            for (const auto& track : tracks) {
                a.MoveTo(track.front());
                for (std::size_t i = 1; i < track.size(); ++i)
                    a.LineTo(track[i]);
                b.Polyline(track);
            }
            ASSERT_EQ(oneByOne.Image(), bulk.Image())
                << "zoom position " << position << (smooth ? ", smooth" : ", aliased");
        }
    }
}

TEST(WorldCanvas, APolylineOfOnePointOrNoneDrawsNothing) {
    TBitmap bitmap(100, 100);
    TCanvas& canvas = bitmap.Canvas();
    oWorldCanvas world(&canvas);
    const QImage before = bitmap.Image();
    world.Polyline({});
    world.Polyline({oRealPoint(0.5, 0.5)});
    world.Polyline({oRealPoint(0.5, 0.5), oRealPoint(0.501, 0.501)});
    EXPECT_EQ(bitmap.Image(), before) << "points on one pixel make no line";
    world.Polyline({oRealPoint(0.1, 0.5), oRealPoint(0.9, 0.5)});
    EXPECT_EQ(bitmap.Pixel(50, 50), clBlack);
    EXPECT_EQ(canvas.PenPos(), QPoint(90, 50)) << "the pen stands at the last point";
}
