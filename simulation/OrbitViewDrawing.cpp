// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/OrbitViewDrawing.h"

#include "TBitmap.h"
#include "VectorState.h"
#include "model/simulation/SimulationModel.h"
#include "oWorldPortPaintBox.h"
#include "simulation/OrbitView.h"
#include "simulation/ViewClip.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace orbitdrawing {

namespace {

// The view's pixels grown by the clipping margin: what any line drawn is cut to.
QRect ClipRectOf(const oWorldCanvas& world) {
    const oRect& v = world.viewPort;
    return viewclip::ClipRect(QRect(v.pos().x, v.pos().y, v.size().x, v.size().y).normalized());
}

constexpr int DotRadius = 3; // pixels around a body's centre

// One axis from -end to end through the origin, lettered at letterAt.
void DrawAxis(oWorldCanvas& world, const TOrbitView::Projection& project, const TVector& end,
              const TVector& letterAt, const char* letter) {
    world.MoveTo(project(end * -1.0));
    world.LineTo(project(end));
    world.TextOut(project(letterAt), letter);
}

void DrawTrack(oWorldCanvas& world, const TOrbitView& view, const TOrbitView::Projection& project,
               const TPlanet& planet) {
    TCanvas& canvas = *world.canvas;
    canvas.Pen.Color = planet.Colour;
    canvas.Pen.Width = 3;
    DrawArrow(canvas, world, project(0.0, 0.0, 0.0),
              project(planet.AxisN * (view.OrbitScale * planet.a)));
    canvas.Pen.Width = 1;
    const double scale = view.OrbitScale;
    const std::vector<TVector>& track = planet.Track;
    ClearUpperVectorState();
    const QPolygon points =
        world.DevicePoints(track.size(), [&](std::size_t i) { return project(track[i] * scale); });
    for (const QPolygon& run : viewclip::ClipPolyline(points, ClipRectOf(world)))
        canvas.Polyline(run);
}

// A dot around centre; stamped, on a frame of the running view, or drawn as a shape, on a
// picture for paper or a drawing.
void DrawBody(TCanvas& canvas, const oPoint& centre, TColor colour, bool stamped) {
    canvas.Pen.Color = colour;
    canvas.Brush.Color = colour;
    canvas.Brush.Style = bsSolid;
    const int x1 = centre.x - DotRadius, y1 = centre.y - DotRadius;
    const int x2 = centre.x + DotRadius, y2 = centre.y + DotRadius;
    if (stamped)
        canvas.StampEllipse(x1, y1, x2, y2);
    else
        canvas.Ellipse(x1, y1, x2, y2);
}

// The pixels of an arrow: its shaft from p1 to p2 and, unless it has no length or its tip
// lies beyond the clipping margin, the two barbs from p2 to a and to b. An arrow wholly
// beyond the margin has no shaft either.
struct ArrowPixels {
    oPoint p1, p2, a, b;
    bool head;
    bool shaft = true;
};

ArrowPixels ArrowAt(const oWorldCanvas& world, const oRealPoint& from, const oRealPoint& to) {
    ArrowPixels arrow{world.I(from), world.I(to), {}, {}, false};
    const oPoint& p1 = arrow.p1;
    const oPoint& p2 = arrow.p2;
    const double dx = double(p1.x) - p2.x, dy = double(p1.y) - p2.y;
    double len = std::sqrt(dx * dx + dy * dy);
    if (len < 0.0001)
        len = 1.0;
    const double ux = 30.0 * dx / len, uy = 30.0 * dy / len;
    arrow.head = std::fabs(ux) > 0.00001 || std::fabs(uy) > 0.00001;
    arrow.a = oPoint(int(p2.x + 0.25 * ux - 0.125 * uy), int(p2.y + 0.125 * ux + 0.25 * uy));
    arrow.b = oPoint(int(p2.x + 0.125 * uy + 0.25 * ux), int(p2.y + 0.25 * uy - 0.125 * ux));

    const auto cut = viewclip::ClipSegment(QPoint(p1.x, p1.y), QPoint(p2.x, p2.y),
                                           ClipRectOf(world));
    if (!cut) {
        arrow.shaft = arrow.head = false;
        return arrow;
    }
    if (cut->second != QPoint(p2.x, p2.y))
        arrow.head = false; // the tip is far beyond the view, and its barbs with it
    arrow.p1 = oPoint(cut->first.x(), cut->first.y());
    arrow.p2 = oPoint(cut->second.x(), cut->second.y());
    return arrow;
}

void Draw(TCanvas& canvas, const ArrowPixels& arrow) {
    if (!arrow.shaft)
        return;
    canvas.MoveTo(arrow.p1.x, arrow.p1.y);
    canvas.LineTo(arrow.p2.x, arrow.p2.y);
    if (!arrow.head)
        return;
    canvas.MoveTo(arrow.p2.x, arrow.p2.y);
    canvas.LineTo(arrow.a.x, arrow.a.y);
    canvas.MoveTo(arrow.p2.x, arrow.p2.y);
    canvas.LineTo(arrow.b.x, arrow.b.y);
}

constexpr int ArrowWidth = 2;

// The box of pixels an arrow may colour, its pen's width and antialiased fringe included.
QRect BoxOf(const ArrowPixels& arrow) {
    if (!arrow.shaft)
        return QRect();
    const QRect shaft = QRect(QPoint(arrow.p1.x, arrow.p1.y), QPoint(arrow.p2.x, arrow.p2.y));
    QRect box = shaft.normalized();
    if (arrow.head)
        box |= QRect(QPoint(arrow.a.x, arrow.a.y), QPoint(arrow.b.x, arrow.b.y)).normalized();
    return box.adjusted(-ArrowWidth - 1, -ArrowWidth - 1, ArrowWidth + 1, ArrowWidth + 1);
}

QRect BoxOfBody(const oPoint& centre) {
    return QRect(centre.x - DotRadius - 1, centre.y - DotRadius - 1, 2 * DotRadius + 2,
                 2 * DotRadius + 2);
}

struct Body {
    oPoint centre;
    TColor colour;
    std::optional<ArrowPixels> arrow;
};

// The star and the visible planets where the view shows them, each with its velocity arrow
// when showVelocity is set.
std::vector<Body> BodiesOf(const oWorldCanvas& world, const TOrbitView& view,
                           const TSimulationModel& sim, bool showVelocity) {
    std::vector<Body> bodies;
    const auto add = [&](const TVector& at, const TVector& velocity, double arrowScale,
                         TColor colour) {
        const oRealPoint shown = view.Project(at);
        bodies.push_back({world.I(shown), colour, std::nullopt});
        if (showVelocity)
            bodies.back().arrow = ArrowAt(
                world, shown, view.Project(at + velocity * (arrowScale * view.ArrowFactor)));
    };
    add(sim.StarPosition * view.StarScale, sim.StarVelocity * view.StarScale,
        view.StarArrowScale, clYellow);
    for (const TPlanet& planet : sim.Planets)
        if (planet.Visible)
            add(planet.Position * view.OrbitScale, planet.Velocity * view.OrbitScale,
                view.PlanetArrowScale, clWhite);
    return bodies;
}

// The dots, then the arrows over them: the arrows share one pen, so the canvas draws them
// in one call, and no dot hides another body's arrow.
void DrawBodies(TCanvas& canvas, const std::vector<Body>& bodies, bool stamped) {
    canvas.SmoothLines = true;
    for (const Body& body : bodies)
        DrawBody(canvas, body.centre, body.colour, stamped);
    canvas.Pen.Color = clLime;
    canvas.Pen.Width = ArrowWidth;
    for (const Body& body : bodies)
        if (body.arrow)
            Draw(canvas, *body.arrow);
    canvas.Pen.Width = 1;
}

void Background(oWorldCanvas& world, QSize size, const TOrbitView& view,
                const TSimulationModel& sim, bool showTracks) {
    world.SetWorldPort(view.WorldRect());
    TCanvas& canvas = *world.canvas;
    canvas.Brush.Color = clBlack;
    canvas.Brush.Style = bsSolid;
    canvas.Pen.Color = clBlack;
    canvas.FillRect(QRect(QPoint(), size));

    canvas.Pen.Color = clWhite;
    canvas.Brush.Style = bsClear;
    canvas.SmoothLines = true;
    const TOrbitView::Projection project(view);
    const double zoom = view.Zoom;
    DrawAxis(world, project, TVector(0, 0, 10 * zoom), TVector(0.03 * zoom, 0, 2.5 * zoom), "z");
    DrawAxis(world, project, TVector(0, 10 * zoom, 0), TVector(0, 1.3 * zoom, 0), "y");
    DrawAxis(world, project, TVector(10 * zoom, 0, 0), TVector(1.3 * zoom, 0, 0), "x");

    if (!showTracks)
        return;
    for (const TPlanet& planet : sim.Planets)
        if (planet.Visible)
            DrawTrack(world, view, project, planet);
}

} // namespace

void DrawBackground(oWorldPortPaintBox& wp, const TOrbitView& view, const TSimulationModel& sim,
                    bool showTracks) {
    Background(wp.worldCanvas, wp.size(), view, sim, showTracks);
}

void DrawFrame(oWorldPortPaintBox& wp, const TBitmap& background, const TOrbitView& view,
               const TSimulationModel& sim, bool showVelocity, std::vector<QRect>& drawn) {
    const std::vector<Body> bodies = BodiesOf(wp.worldCanvas, view, sim, showVelocity);

    // The background comes back where the last frame drew and where this one draws. Each
    // copy costs more than the few pixels a larger box adds, so a body's dot and arrow share
    // one box, and a box of the last frame is copied together with the same body's box of this
    // one while the two lie close (a body moves a few pixels a frame; one that jumps across
    // the view would otherwise copy all the way between). Overlapping boxes are copied twice,
    // which costs less than working out their union.
    std::vector<QRect> covers;
    for (const Body& body : bodies) {
        QRect box = BoxOfBody(body.centre);
        if (body.arrow && body.arrow->shaft)
            box |= BoxOf(*body.arrow);
        covers.push_back(box);
    }
    const auto area = [](const QRect& r) { return qint64(r.width()) * r.height(); };
    std::vector<QRect> copies;
    for (std::size_t i = 0; i < std::max(covers.size(), drawn.size()); ++i) {
        const QRect now = i < covers.size() ? covers[i] : QRect();
        const QRect last = i < drawn.size() ? drawn[i] : QRect();
        const QRect joined = now | last;
        if (area(joined) <= 2 * (area(now) + area(last))) {
            copies.push_back(joined);
        } else {
            copies.push_back(now);
            copies.push_back(last);
        }
    }
    TCanvas& canvas = wp.Canvas();
    const QImage& image = background.Image();
    const QRect field(0, 0, background.Width(), background.Height());
    for (const QRect& box : copies)
        if (const QRect r = box & field; !r.isEmpty())
            canvas.DrawImagePart(r, image);
    drawn = std::move(covers);

    DrawBodies(canvas, bodies, true);
    // Drawn now, so that the view learns all it must repaint before it paints.
    canvas.Flush();
}

void DrawPicture(TCanvas& canvas, const oWorldPortPaintBox& wp, const TOrbitView& view,
                 const TSimulationModel& sim, bool showTracks, bool showVelocity) {
    oWorldCanvas world = wp.worldCanvas;
    world.canvas = &canvas;
    Background(world, wp.size(), view, sim, showTracks);
    DrawBodies(canvas, BodiesOf(world, view, sim, showVelocity), false);
    canvas.Flush();
}

void DrawBlank(oWorldPortPaintBox& wp) {
    TCanvas& canvas = wp.Canvas();
    canvas.Brush.Color = clBlack;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(QRect(0, 0, wp.width(), wp.height()));
}

void DrawArrow(TCanvas& canvas, const oWorldCanvas& world, const oRealPoint& from,
               const oRealPoint& to) {
    Draw(canvas, ArrowAt(world, from, to));
}

} // namespace orbitdrawing
