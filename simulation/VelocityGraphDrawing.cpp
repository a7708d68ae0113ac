// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/VelocityGraphDrawing.h"

#include "BookText.h"
#include "NumberText.h"
#include "oWorldPortPaintBox.h"
#include "model/orbit/planet.h"
#include "simulation/GraphTrace.h"

#include <cmath>
#include <string>
#include <utility>

namespace graphdrawing {

namespace {

constexpr double H = TVelocityGraph::Height;
// Just below the time axis, where the time numbers hang: H x 0.5263... = H / 1.9.
constexpr double TimeNumberY = H * 0.5263157894736842;
// The gap between a vertical grid line and its time number, as a share of the window.
constexpr double TimeNumberGap = 0.008;
constexpr double AUPerDayPerMps = 1.0 / MpsPerAUPerDay;

void Line(oWorldCanvas& world, const oRealPoint& from, const oRealPoint& to) {
    world.MoveTo(from);
    world.LineTo(to);
}

void DrawTicks(oWorldCanvas& world, const oWorldPortPaintBox& box, const TVelocityGraph& graph) {
    TCanvas& canvas = *world.canvas;
    const double off = H * 0.05;
    const double width = box.WorldWidth();
    const TVelocityTicks& ticks = graph.Ticks;
    for (int i = -ticks.Count; i <= ticks.Count; ++i) {
        if (i == 0)
            continue;
        const double y = H * 0.5 - ticks.Velocity_mps(i) * graph.VelocityScale * AUPerDayPerMps;
        canvas.Pen.Color = clAqua;
        Line(world, oRealPoint(0, y), oRealPoint(width, y));
        canvas.Pen.Color = clBlack;
        // As TVelocityTicks::Label, in the book language's convention.
        world.TextOut(oRealPoint(-width * 0.06666666666666667, y - off),
                      FiguresText(i * ticks.Step, 15).toStdString());
    }
}

// The axes of DrawGraphAxes through `world`, whatever canvas it draws on.
void DrawAxes(oWorldCanvas& world, const oWorldPortPaintBox& box, const TVelocityGraph& graph) {
    TCanvas& canvas = *world.canvas;
    const double R = box.WorldWidth() + box.WorldLeft();
    canvas.Brush.Color = clWhite;
    canvas.Brush.Style = bsSolid;
    canvas.Pen.Color = clBlack;
    canvas.SmoothLines = true;
    canvas.Rectangle(0, 0, box.width(), box.height());
    Line(world, oRealPoint(0, H * 0.5), oRealPoint(R, H * 0.5));
    for (int i = 0; i <= 9; ++i) {
        const double x = i * 0.1 * R;
        canvas.Pen.Color = clAqua;
        if (i > 0)
            Line(world, oRealPoint(x, 0), oRealPoint(x, H));
        canvas.Pen.Color = clBlack;
        // A few pixels right of its grid line, so that the line does not run through it.
        world.TextOut(oRealPoint(x + TimeNumberGap * R, TimeNumberY), std::to_string(i));
    }
    DrawTicks(world, box, graph);
}

} // namespace

void DrawGraphAxes(oWorldPortPaintBox& box, const TVelocityGraph& graph) {
    DrawAxes(box.worldCanvas, box, graph);
}

std::string TimeDivisionText(const oWorldPortPaintBox& box) {
    const double division_days = 0.1 * (box.WorldWidth() + box.WorldLeft());
    // A division of one day is the unit itself: "t / days", never "t / 1 days".
    if (std::fabs(division_days - 1.0) < 1e-9)
        return BookText("Velocity graph", "days", "the unit of the time axis").toStdString();
    return BookText("Velocity graph", "%1 days", "one division of the time axis")
        .arg(FiguresText(division_days, 6))
        .toStdString();
}

void DrawVelocityTicks(oWorldPortPaintBox& box, const TVelocityGraph& graph) {
    DrawTicks(box.worldCanvas, box, graph);
}

void PlotPoint(oWorldPortPaintBox& box, const TVelocityGraph::Point& point) {
    oWorldCanvas& world = box.worldCanvas;
    TCanvas& canvas = *world.canvas;
    canvas.Pen.Color = clBlue;
    canvas.SmoothLines = true;
    if (point.Line)
        world.LineTo(oRealPoint(point.X, point.Y));
    else
        world.MoveTo(oRealPoint(point.X, point.Y));
    canvas.Pen.Color = clBlack;
}

void DrawPicture(TCanvas& canvas, const oWorldPortPaintBox& box, const TGraphTrace& trace) {
    oWorldCanvas world = box.worldCanvas;
    world.canvas = &canvas;
    DrawAxes(world, box, trace.Axes());
    canvas.Pen.Color = clBlue;
    canvas.SmoothLines = true;
    for (QPolygon& run : trace.Runs())
        canvas.Polyline(std::move(run));
    canvas.Pen.Color = clBlack;
    canvas.Flush();
}

} // namespace graphdrawing
