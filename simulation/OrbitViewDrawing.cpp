#include "simulation/OrbitViewDrawing.h"

#include "TBitmap.h"
#include "VectorState.h"
#include "oWorldPortPaintBox.h"
#include "simulation/OrbitView.h"
#include "simulation/SimulationModel.h"

#include <cmath>

namespace orbitdrawing {

namespace {

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
    if (track.empty())
        return;
    world.MoveTo(project(track.front() * scale));
    ClearUpperVectorState();
    for (std::size_t i = 1; i < track.size(); ++i)
        world.LineTo(project(track[i] * scale));
}

void DrawBody(TCanvas& canvas, const oPoint& centre, TColor colour) {
    canvas.Pen.Color = colour;
    canvas.Brush.Color = colour;
    canvas.Brush.Style = bsSolid;
    canvas.Ellipse(centre.x - DotRadius, centre.y - DotRadius, centre.x + DotRadius,
                   centre.y + DotRadius);
}

void DrawVelocityArrow(TCanvas& canvas, const oWorldCanvas& world, const oRealPoint& from,
                       const oRealPoint& to) {
    canvas.Pen.Color = clLime;
    canvas.Pen.Width = 2;
    DrawArrow(canvas, world, from, to);
    canvas.Pen.Width = 1;
}

} // namespace

void DrawBackground(oWorldPortPaintBox& wp, const TOrbitView& view, const TSimulationModel& sim,
                    bool showTracks) {
    oWorldCanvas& world = wp.worldCanvas;
    world.SetWorldPort(view.WorldRect());
    TCanvas& canvas = *world.canvas;
    canvas.Brush.Color = clBlack;
    canvas.Brush.Style = bsSolid;
    canvas.Pen.Color = clBlack;
    canvas.FillRect(QRect(0, 0, wp.width(), wp.height()));

    canvas.Pen.Color = clWhite;
    canvas.Brush.Style = bsClear;
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

void DrawFrame(oWorldPortPaintBox& wp, const TBitmap& background, const TOrbitView& view,
               const TSimulationModel& sim, bool showVelocity) {
    const oWorldCanvas& world = wp.worldCanvas;
    TCanvas& canvas = wp.Canvas();
    canvas.Draw(0, 0, background);

    const TVector star = sim.StarPosition * view.StarScale;
    const TVector starVelocity = sim.StarVelocity * view.StarScale;
    const oRealPoint starAt = view.Project(star);
    DrawBody(canvas, world.I(starAt), clYellow);
    if (showVelocity)
        DrawVelocityArrow(canvas, world, starAt,
                          view.Project(star + starVelocity * view.StarArrowScale));

    for (const TPlanet& planet : sim.Planets) {
        if (!planet.Visible)
            continue;
        const TVector at = planet.Position * view.OrbitScale;
        const TVector velocity = planet.Velocity * view.OrbitScale;
        const oRealPoint planetAt = view.Project(at);
        DrawBody(canvas, world.I(planetAt), clWhite);
        if (showVelocity)
            DrawVelocityArrow(canvas, world, planetAt,
                              view.Project(at + velocity * view.PlanetArrowScale));
    }
}

void DrawBlank(oWorldPortPaintBox& wp) {
    TCanvas& canvas = wp.Canvas();
    canvas.Brush.Color = clBlack;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(QRect(0, 0, wp.width(), wp.height()));
}

void DrawArrow(TCanvas& canvas, const oWorldCanvas& world, const oRealPoint& from,
               const oRealPoint& to) {
    const oPoint p1 = world.I(from), p2 = world.I(to);
    canvas.MoveTo(p1.x, p1.y);
    canvas.LineTo(p2.x, p2.y);
    const double dx = double(p1.x) - p2.x, dy = double(p1.y) - p2.y;
    double len = std::sqrt(dx * dx + dy * dy);
    if (len < 0.0001)
        len = 1.0;
    const double ux = 30.0 * dx / len, uy = 30.0 * dy / len;
    if (std::fabs(ux) <= 0.00001 && std::fabs(uy) <= 0.00001)
        return;
    const int ax = int(p2.x + 0.25 * ux - 0.125 * uy), ay = int(p2.y + 0.125 * ux + 0.25 * uy);
    const int bx = int(p2.x + 0.125 * uy + 0.25 * ux), by = int(p2.y + 0.25 * uy - 0.125 * ux);
    canvas.MoveTo(p2.x, p2.y);
    canvas.LineTo(ax, ay);
    canvas.MoveTo(p2.x, p2.y);
    canvas.LineTo(bx, by);
}

} // namespace orbitdrawing
