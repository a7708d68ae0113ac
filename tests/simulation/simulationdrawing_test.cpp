// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TBitmap.h"
#include "model/simulation/SimulationModel.h"
#include "oWorldPortPaintBox.h"
#include "simulation/OrbitView.h"
#include "simulation/GraphAxesPicture.h"
#include "simulation/OrbitViewDrawing.h"
#include "simulation/VelocityGraphDrawing.h"
#include "simulation/ViewClip.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TColor PixelOf(const QImage& image, int x, int y) { return fromQColor(QColor(image.pixel(x, y))); }

// Whether any pixel of the box around (x, y) reaching `radius` has the colour.
bool ColourNear(const QImage& image, int x, int y, int radius, TColor colour) {
    for (int j = y - radius; j <= y + radius; ++j)
        for (int i = x - radius; i <= x + radius; ++i)
            if (image.valid(i, j) && PixelOf(image, i, j) == colour)
                return true;
    return false;
}

int CountColour(const QImage& image, TColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += PixelOf(image, x, y) == colour;
    return n;
}

// The orbit view as the simulation window sets it up: 540 x 300 pixels, the background
// drawn into a bitmap of its own.
struct OrbitScene {
    oWorldPortPaintBox wp;
    TBitmap background{540, 300};
    TOrbitView view;
    TSimulationModel sim;

    OrbitScene() {
        wp.SetBounds(0, 0, 540, 300);
        background.Canvas().Font =
            TFont("Times New Roman", -16, clWhite, TFontStyles{}.with(fsItalic));
        wp.worldCanvas.canvas = &background.Canvas();
        sim.Reset(3);
    }
    const QImage& Draw(bool showTracks, bool showVelocity) {
        orbitdrawing::DrawBackground(wp, view, sim, showTracks);
        drawn = {QRect(0, 0, 540, 300)};
        orbitdrawing::DrawFrame(wp, background, view, sim, showVelocity, drawn);
        wp.Canvas().Flush();
        return wp.Surface();
    }
    std::vector<QRect> drawn; // what the last frame drew
};

} // namespace

TEST(OrbitDrawing, StarPlanetTrackAndAxesInTheirColours) {
    OrbitScene scene;
    const QImage& image = scene.Draw(true, false);
    // The star wobbles 100 times magnified: 5.2 AU x Jupiter's mass x 20 units, 100 px a unit.
    EXPECT_EQ(PixelOf(image, 260, 150), clYellow);
    // Mondas at pericentre, 5.2 AU x 0.2 units to the right; its dot reaches above the
    // x axis.
    EXPECT_EQ(PixelOf(image, 374, 148), clWhite);
    EXPECT_EQ(PixelOf(image, 374, 145), clBlack);
    // The edge-on circle is a line along x from -104 to +104 pixels, drawn in aqua.
    EXPECT_TRUE(ColourNear(image, 200, 150, 1, clAqua));
    EXPECT_TRUE(ColourNear(image, 170, 150, 1, clAqua));
    // The y axis, white, runs up the middle; the corners stay black.
    EXPECT_EQ(PixelOf(image, 270, 20), clWhite);
    EXPECT_EQ(PixelOf(image, 5, 5), clBlack);
    EXPECT_EQ(PixelOf(image, 534, 294), clBlack);
    EXPECT_EQ(CountColour(image, clLime), 0) << "velocity arrows are off";
}

TEST(OrbitDrawing, VelocityArrowsAreLimeAndSeenFromTheSide) {
    OrbitScene scene;
    scene.view.Omega = 0.0; // z points down the screen
    const QImage& image = scene.Draw(false, true);
    // Mondas moves along -z at pericentre: 0.00755 AU/day x 0.2 x 200 = 0.3 units upwards.
    EXPECT_TRUE(ColourNear(image, 374, 135, 2, clLime));
    EXPECT_TRUE(ColourNear(image, 374, 122, 2, clLime)) << "the arrow's tip";
    EXPECT_FALSE(ColourNear(image, 374, 110, 2, clLime)) << "beyond the tip";
    // The star moves the other way, 1000 times magnified: 12.4 m/s gives 0.14 units.
    EXPECT_TRUE(ColourNear(image, 260, 162, 2, clLime));
    EXPECT_FALSE(ColourNear(image, 260, 170, 2, clLime));
    EXPECT_EQ(CountColour(image, clAqua), 0) << "tracks are off";
}

TEST(OrbitDrawing, HiddenPlanetsShowNeitherDotNorTrack) {
    OrbitScene scene;
    scene.sim.Planets[0].Visible = false;
    scene.sim.Reset(3);
    const QImage& image = scene.Draw(true, true);
    EXPECT_EQ(CountColour(image, clAqua), 0);
    EXPECT_EQ(PixelOf(image, 374, 148), clBlack);
    EXPECT_EQ(PixelOf(image, 270, 148), clYellow) << "the star stays, at rest";
    EXPECT_EQ(CountColour(image, clLime), 0) << "a star at rest has an arrow of no length";
}

TEST(OrbitDrawing, AFarOrbitAtTheSmallestZoomDrawsNoWrappedLines) {
    OrbitScene scene;
    for (TPlanet& planet : scene.sim.Planets) {
        planet.Visible = true;
        planet.a = 100.0;
        planet.ecc = MaxEccentricity;
        planet.inc = 0.0;
    }
    scene.sim.Planets[1].psi = 2.0;
    scene.sim.Planets[2].psi = 4.0;
    scene.sim.Reset(3);
    scene.view.Zoom = TOrbitView::ZoomFor(1);
    const QImage& image = scene.Draw(true, false);
    // Pericentres lie 1 AU out, 0.2 units, about 3700 pixels away; the tracks are far off.
    for (int y : {30, 270})
        for (int x : {30, 500})
            EXPECT_EQ(PixelOf(image, x, y), clBlack) << x << ", " << y;
}

TEST(OrbitDrawing, TheMostExtremeSystemDrawsWithinTheMargin) {
    OrbitScene scene;
    const double incs[] = {-M_PI / 2, 0.0, M_PI / 2};
    for (int k = 0; k < 3; ++k) {
        TPlanet& planet = scene.sim.Planets[k];
        planet.Visible = true;
        planet.a = 0.01;
        planet.ecc = MaxEccentricity;
        planet.mass = 20 * JupiterMass;
        planet.inc = incs[k];
    }
    scene.sim.StarMass = 0.1;
    scene.sim.Reset(3);
    scene.sim.Advance(); // away from pericentre at the highest speed
    scene.view.Zoom = TOrbitView::ZoomFor(1);
    const QImage& image = scene.Draw(true, true);
    // The arrows leave the view hundreds of thousands of pixels away; what the painter got
    // reaches no further than the margin and the pen's width.
    const QRect bound = viewclip::ClipRect(QRect(0, 0, 540, 300)).adjusted(-8, -8, 8, 8);
    ASSERT_FALSE(scene.drawn.empty());
    for (const QRect& box : scene.drawn)
        EXPECT_TRUE(bound.contains(box)) << box.x() << ", " << box.y() << " size "
                                         << box.width() << " x " << box.height();
    EXPECT_GT(CountColour(image, clLime), 100) << "the arrows cross the view";
}

// An arrow whose tip lies far outside the view shows the same pixels inside it as the
// painter draws for the whole line, to within the antialiasing of a line moved by a few
// thousandths of a pixel.
TEST(OrbitDrawing, ArrowsCutAtTheMarginLookTheSameInsideTheView) {
    const struct {
        const char* name;
        oRealPoint from, to;
    } arrows[] = {
        {"slanted, tip far right", {270, 150}, {3.3e5, 1.1e5}},
        {"steep, tip far up", {100, 250}, {-2.0e4, -9.7e6}},
        {"through the view from afar", {-399730, 150150}, {390270, -146201}},
        {"beyond the coordinate limit", {30, 30}, {7.0e9, 2.0e9}},
    };
    for (const auto& arrow : arrows) {
        SCOPED_TRACE(arrow.name);
        TBitmap cut(540, 300), whole(540, 300);
        oWorldCanvas world(&cut.Canvas());
        world.SetWorldPort(oRealRect(0, 0, 540, 300));
        world.SetViewPort(oRect(0, 0, 540, 300));
        for (TBitmap* b : {&cut, &whole}) {
            b->Canvas().Pen.Color = clBlack;
            b->Canvas().Pen.Width = 2;
            b->Canvas().SmoothLines = true;
        }
        orbitdrawing::DrawArrow(cut.Canvas(), world, arrow.from, arrow.to);
        const oPoint p1 = world.I(arrow.from), p2 = world.I(arrow.to);
        whole.Canvas().MoveTo(p1.x, p1.y);
        whole.Canvas().LineTo(p2.x, p2.y);
        cut.Canvas().Flush();
        whole.Canvas().Flush();
        int inked = 0, worst = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 540; ++x) {
                const int a = qGray(cut.Image().pixel(x, y));
                const int b = qGray(whole.Image().pixel(x, y));
                inked += b < 128;
                worst = std::max(worst, std::abs(a - b));
            }
        EXPECT_GT(inked, 100) << "the line crosses the view";
        EXPECT_LE(worst, 4) << "grey levels apart";
    }
}

TEST(OrbitDrawing, ArrowHeadsHaveTwoBarbs) {
    TBitmap bitmap(100, 100);
    oWorldCanvas world(&bitmap.Canvas());
    world.SetWorldPort(oRealRect(0, 0, 100, 100));
    world.SetViewPort(oRect(0, 0, 100, 100));
    bitmap.Canvas().Pen.Color = clBlack;

    orbitdrawing::DrawArrow(bitmap.Canvas(), world, oRealPoint(10, 50), oRealPoint(60, 50));
    EXPECT_EQ(bitmap.Pixel(35, 50), clBlack) << "the shaft";
    EXPECT_EQ(bitmap.Pixel(52, 46), clBlack) << "barb A, 7.5 back and 3.75 up";
    EXPECT_EQ(bitmap.Pixel(52, 53), clBlack) << "barb B, 7.5 back and 3.75 down";
    EXPECT_EQ(bitmap.Pixel(62, 50), clWhite) << "nothing beyond the tip";

    TBitmap still(100, 100);
    oWorldCanvas stillWorld(&still.Canvas());
    stillWorld.SetWorldPort(oRealRect(0, 0, 100, 100));
    stillWorld.SetViewPort(oRect(0, 0, 100, 100));
    orbitdrawing::DrawArrow(still.Canvas(), stillWorld, oRealPoint(40, 40), oRealPoint(40.2, 40.1));
    EXPECT_EQ(CountColour(still.Image(), clBlack), 0) << "no length, no head";
}

TEST(GraphDrawing, AxesGridAndCurve) {
    oWorldPortPaintBox box;
    box.SetBounds(0, 0, 389, 193);
    TBitmap bitmap(389, 193);
    box.worldCanvas.canvas = &bitmap.Canvas();
    bitmap.Canvas().Font = TFont("Arial", -13, clBlack);
    box.worldCanvas.SetWorldPort(oRealRect(0, 1.0, 10000.0, 100.0));

    TVelocityGraph graph;
    graph.SetGraphSpan(3);
    const double rv = 12.4 / MpsPerAUPerDay;
    const TVelocityGraph::Point first = graph.Plot(100.0, 1, rv, true);
    box.worldCanvas.SetWorldPort(oRealRect(graph.WorldLeft, 1.0, graph.WorldWidth, 100.0));
    graphdrawing::DrawGraphAxes(box, graph);
    graphdrawing::PlotPoint(box, first);
    graphdrawing::PlotPoint(box, graph.Plot(5000.0, 2, rv, true));
    const QImage& image = bitmap.Image();

    EXPECT_EQ(PixelOf(image, 0, 0), clBlack) << "frame";
    EXPECT_EQ(PixelOf(image, 388, 192), clBlack) << "frame";
    // World x -800 .. 10 000 on 389 px: 36 px a thousand days, zero at 28.8 px.
    const int zeroX = 29, zeroY = 95; // (50 - 1) x 1.93
    EXPECT_EQ(PixelOf(image, zeroX + 200, zeroY), clBlack) << "time axis";
    EXPECT_EQ(PixelOf(image, zeroX + 180, 20), clAqua) << "grid line at 5000 days";
    // The 10 m/s grid line: 10 / 1 724 000 x 6 250 000 = 36.25 units above the axis.
    EXPECT_EQ(PixelOf(image, 300, 25), clAqua);
    // The curve runs level at 12.4 m/s, 44.96 units up, from 100 to 5000 days.
    EXPECT_EQ(PixelOf(image, zeroX + 100, 8), clBlue);
    EXPECT_NE(PixelOf(image, zeroX + 190, 8), clBlue) << "the curve ends at 5000 days";
}

// A new sweep on the same axes gets the very pixels a fresh drawing gives, and any change
// the axes are drawn from (the velocity ticks, the time window, the lettering) draws them
// anew instead of bringing back the old ones.
TEST(GraphDrawing, KeptAxesAreTheAxesAFreshDrawingGives) {
    struct Graph {
        oWorldPortPaintBox box;
        TBitmap bitmap{389, 193};
        TVelocityGraph graph;
        Graph() {
            box.SetBounds(0, 0, 389, 193);
            box.worldCanvas.canvas = &bitmap.Canvas();
            bitmap.Canvas().Font = TFont("Arial", -13, clBlack);
            graph.SetGraphSpan(3);
            graph.FitWindowToSpan();
            box.worldCanvas.SetWorldPort(oRealRect(graph.WorldLeft, 1.0, graph.WorldWidth, 100.0));
            graph.ChooseTicks(12.4 / MpsPerAUPerDay);
        }
    };
    Graph kept, fresh;
    TGraphAxesPicture axes;
    // Each check scribbles a curve on the kept graph first, as a sweep would.
    const auto keptEqualsFresh = [&] {
        TCanvas& c = kept.bitmap.Canvas();
        c.Pen.Color = clBlue;
        c.MoveTo(10, 10);
        c.LineTo(380, 180);
        axes.Draw(kept.box, kept.bitmap, kept.graph);
        graphdrawing::DrawGraphAxes(fresh.box, fresh.graph);
        return kept.bitmap.Image() == fresh.bitmap.Image();
    };
    EXPECT_TRUE(keptEqualsFresh()) << "first drawing";
    EXPECT_TRUE(keptEqualsFresh()) << "a new sweep on the same axes";

    for (Graph* g : {&kept, &fresh})
        g->graph.VelocityScale *= 0.5;
    EXPECT_TRUE(keptEqualsFresh()) << "another velocity scale";

    // The grid lines reach 15 m/s, inside the graph at this scale.
    const TVelocityTicks before = kept.graph.Ticks;
    for (Graph* g : {&kept, &fresh})
        g->graph.ChooseTicks(17.0 / MpsPerAUPerDay);
    ASSERT_EQ(kept.graph.Ticks.Exponent, before.Exponent);
    ASSERT_EQ(kept.graph.Ticks.Step, before.Step);
    ASSERT_NE(kept.graph.Ticks.Count, before.Count);
    EXPECT_TRUE(keptEqualsFresh()) << "one more grid line a side";

    for (Graph* g : {&kept, &fresh})
        g->graph.ChooseTicks(57.0 / MpsPerAUPerDay);
    EXPECT_TRUE(keptEqualsFresh()) << "other velocity ticks";

    for (Graph* g : {&kept, &fresh}) {
        g->graph.SetGraphSpan(2);
        g->graph.FitWindowToSpan();
        g->box.SetWorldWidth(g->graph.WorldWidth);
        g->box.SetWorldLeft(g->graph.WorldLeft);
    }
    EXPECT_TRUE(keptEqualsFresh()) << "another time window";

    for (Graph* g : {&kept, &fresh})
        g->bitmap.Canvas().Font = TFont("Arial", -17, clBlack);
    EXPECT_TRUE(keptEqualsFresh()) << "larger numbers";
}
