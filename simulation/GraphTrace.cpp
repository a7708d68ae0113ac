// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/GraphTrace.h"

#include <algorithm>

void TGraphTrace::Clear(const TVelocityGraph& graph) {
    axes_ = graph;
    points_.clear();
    runStarts_.clear();
    column_ = 0;
}

void TGraphTrace::MoveTo(QPoint pixel) {
    // A move after a move: the first drew nothing and is forgotten.
    if (!runStarts_.empty() && runStarts_.back() == points_.size() - 1)
        points_.pop_back();
    else
        runStarts_.push_back(points_.size());
    column_ = points_.size();
    points_.push_back(pixel);
}

void TGraphTrace::LineTo(QPoint pixel) {
    if (points_.empty()) {
        MoveTo(pixel);
        return;
    }
    const QPoint last = points_.back();
    if (pixel == last)
        return;
    if (pixel.x() != last.x()) {
        column_ = points_.size();
        points_.push_back(pixel);
        return;
    }
    // Entry, lowest, highest, last: the run's path within the column covers from its lowest
    // to its highest pixel, which is all the points between them covered.
    if (points_.size() - column_ < 4) {
        points_.push_back(pixel);
        return;
    }
    const auto between = points_.begin() + static_cast<std::ptrdiff_t>(column_ + 1);
    const auto [low, high] = std::minmax_element(
        between, points_.end(), [](const QPoint& a, const QPoint& b) { return a.y() < b.y(); });
    const int lowY = low->y(), highY = high->y();
    points_[column_ + 1] = QPoint(pixel.x(), lowY);
    points_[column_ + 2] = QPoint(pixel.x(), highY);
    points_[column_ + 3] = pixel;
}

std::vector<QPolygon> TGraphTrace::Runs() const {
    std::vector<QPolygon> runs;
    for (std::size_t r = 0; r < runStarts_.size(); ++r) {
        const std::size_t begin = runStarts_[r];
        const std::size_t end = r + 1 < runStarts_.size() ? runStarts_[r + 1] : points_.size();
        if (end - begin >= 2)
            runs.emplace_back(points_.begin() + static_cast<std::ptrdiff_t>(begin),
                              points_.begin() + static_cast<std::ptrdiff_t>(end));
    }
    return runs;
}
