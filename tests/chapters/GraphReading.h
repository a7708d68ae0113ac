// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Reads a period off the velocity graph's pixels the way a student reads it off the
// screen: find the time grid, follow the blue curve, measure between its extremes.

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace graphreading {

// Curve ink: the curve's blue outweighs what it was drawn over by at least 100. The curve
// is antialiased, so its edges blend into the white field and the aqua grid.
inline bool IsCurve(QColor c) {
    return c.blue() > 150 && c.blue() - std::max(c.red(), c.green()) > 100;
}
inline bool IsGrid(QColor c) { return c.green() > 150 && c.blue() > 150 && c.red() < 110; }

// Mean distance in pixels between neighbouring vertical grid lines: columns that are
// grid (or curve crossing it) over most of their height.
inline std::optional<double> GridSpacing_px(const QImage& graph) {
    std::vector<int> columns;
    for (int x = 0; x < graph.width(); ++x) {
        int grid = 0;
        for (int y = 0; y < graph.height(); ++y) {
            const QColor c = graph.pixelColor(x, y);
            grid += IsGrid(c) || IsCurve(c);
        }
        if (grid > graph.height() * 0.7 && (columns.empty() || x > columns.back() + 1))
            columns.push_back(x);
    }
    if (columns.size() < 3)
        return std::nullopt;
    return double(columns.back() - columns.front()) / double(columns.size() - 1);
}

// For each column, the middle row of the curve's ink there (NaN where there is none): a
// curve that wiggles within a column shows as a band, whose middle follows the slower
// motion under the wiggle.
inline std::vector<double> CurveMiddle(const QImage& graph) {
    std::vector<double> middle(graph.width(), NAN);
    for (int x = 0; x < graph.width(); ++x) {
        int top = -1, bottom = -1;
        for (int y = 0; y < graph.height(); ++y)
            if (IsCurve(graph.pixelColor(x, y))) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
        if (top >= 0)
            middle[x] = 0.5 * (top + bottom);
    }
    return middle;
}

// Moving average over `width` columns; a column whose window is not all curve stays NaN.
inline std::vector<double> Smooth(const std::vector<double>& rows, int width) {
    std::vector<double> out(rows.size(), NAN);
    const int half = width / 2;
    for (int x = half; x + half < int(rows.size()); ++x) {
        double sum = 0;
        bool whole = true;
        for (int i = x - half; i <= x + half; ++i) {
            whole = whole && !std::isnan(rows[i]);
            sum += rows[i];
        }
        if (whole)
            out[x] = sum / (2 * half + 1);
    }
    return out;
}

// Columns of the highest and lowest points of the curve, each the extreme within `reach`
// columns on both sides, in order across the graph.
inline std::vector<int> Extremes(const std::vector<double>& rows, int reach) {
    std::vector<int> found;
    for (int x = reach; x + reach < int(rows.size()); ++x) {
        if (std::isnan(rows[x]))
            continue;
        bool highest = true, lowest = true, whole = true;
        for (int i = x - reach; i <= x + reach; ++i) {
            whole = whole && !std::isnan(rows[i]);
            highest = highest && !(rows[i] < rows[x]);
            lowest = lowest && !(rows[i] > rows[x]);
        }
        // A flat run counts once, at its first column.
        if (whole && (highest || lowest) && (found.empty() || x > found.back() + reach))
            found.push_back(x);
    }
    return found;
}

// The period in pixels: twice the mean distance between successive extremes.
inline std::optional<double> Period_px(const std::vector<int>& extremes) {
    if (extremes.size() < 3)
        return std::nullopt;
    return 2.0 * (extremes.back() - extremes.front()) / double(extremes.size() - 1);
}

} // namespace graphreading
