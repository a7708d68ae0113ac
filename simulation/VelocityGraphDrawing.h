// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Drawing of the radial-velocity graph into the off-screen bitmap that the graph box's
// world canvas draws on: the white field with its frame, the time axis with its grid and
// numbers, the velocity grid with its labels, and the curve point by point.
//
// Colours: field white with a black frame; time axis, numbers and labels black; grid lines
// aqua; the curve blue. Lines are antialiased.

#include "simulation/VelocityGraph.h"

#include <string>

class TCanvas;
class TGraphTrace;
class oWorldPortPaintBox;

namespace graphdrawing {

// Clears the graph and draws the axes for the graph's time window (taken from the box's
// world rectangle) and its velocity ticks. The time axis is numbered 0 to 9 in tenths of
// the right edge R; its unit is TimeDivisionText, shown beside the graph.
void DrawGraphAxes(oWorldPortPaintBox& box, const TVelocityGraph& graph);
// One division of the time axis, R/10, as the unit the axis counts in: "1000 days", and
// "days" for a division of one day.
std::string TimeDivisionText(const oWorldPortPaintBox& box);
// The velocity grid lines and their labels, just above each line in the left margin.
void DrawVelocityTicks(oWorldPortPaintBox& box, const TVelocityGraph& graph);
// Continues the curve in blue to the tick's point, or moves there to begin it.
void PlotPoint(oWorldPortPaintBox& box, const TVelocityGraph::Point& point);
// The graph as the box shows it, drawn afresh onto `canvas` (a printed page, an SVG
// drawing) in the box's pixels: the axes for the graph as the trace has them, then the
// trace's curve, its lines and numbers drawn as lines and text. The canvas's font letters
// the numbers.
void DrawPicture(TCanvas& canvas, const oWorldPortPaintBox& box, const TGraphTrace& trace);

} // namespace graphdrawing
