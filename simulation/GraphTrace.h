// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What the velocity graph shows since its axes were last drawn, kept so that the graph can
// be drawn again anywhere (a printed page, an SVG drawing) as lines rather than as the
// pixels of its bitmap: the graph's state as its axes were drawn, and the curve as the
// pixels the screen's curve runs through. A line to the pixel where the curve stands adds
// nothing, as on the screen. Memory stays bounded however many steps a sweep plots: within
// one pixel column a run keeps at most four points (where it entered the column, the
// column's highest and lowest pixels, and where it stands), which cover the pixels every
// point of the column covered; a sweep runs left to right, so it keeps at most four points
// a column.

#include "simulation/VelocityGraph.h"

#include <QPoint>
#include <QPolygon>
#include <cstddef>
#include <vector>

class TGraphTrace {
public:
    // The axes were drawn afresh for `graph`: the curve starts again.
    void Clear(const TVelocityGraph& graph);
    // The graph as its axes were last drawn.
    const TVelocityGraph& Axes() const { return axes_; }

    void MoveTo(QPoint pixel);
    void LineTo(QPoint pixel);

    // The curve's runs that draw a line, each from a move.
    std::vector<QPolygon> Runs() const;
    std::size_t PointCount() const { return points_.size(); }

private:
    TVelocityGraph axes_;
    std::vector<QPoint> points_;
    std::vector<std::size_t> runStarts_; // where each run's move stands in points_
    std::size_t column_ = 0;             // the first point of the last pixel column
};
