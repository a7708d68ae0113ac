// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/PhaseFold.h"

#include "Precondition.h"

#include <algorithm>
#include <cmath>

namespace observing {

double Phase(double t_days, double period_days, double epoch_days) {
    PRECONDITION(period_days > 0.0);
    const double phase = std::fmod(t_days - epoch_days, period_days) / period_days;
    const double wrapped = phase < 0.0 ? phase + 1.0 : phase;
    return wrapped >= 1.0 ? 0.0 : wrapped; // -tiny + 1 rounds to 1
}

std::vector<TFoldedPoint> Fold(std::span<const TMeasurement> data, double period_days,
                               double epoch_days) {
    std::vector<TFoldedPoint> points;
    points.reserve(data.size() * 2);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const TMeasurement& m = data[i];
        const double phase = Phase(m.t_days, period_days, epoch_days);
        points.push_back({phase, m.v_mps, m.error_mps, i});
        if (phase < FoldMargin)
            points.push_back({phase + 1.0, m.v_mps, m.error_mps, i});
        if (phase > 1.0 - FoldMargin)
            points.push_back({phase - 1.0, m.v_mps, m.error_mps, i});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const TFoldedPoint& a, const TFoldedPoint& b) { return a.phase < b.phase; });
    return points;
}

} // namespace observing
