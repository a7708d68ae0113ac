// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Measurements folded on a trial period: phase = frac((t - epoch) / period), 0 to 1, with the
// points near either end repeated one cycle over so that phases -0.2 to 1.2 show the wrap.

#include "model/observing/ObservingRun.h"

#include <cstddef>
#include <span>
#include <vector>

namespace observing {

struct TFoldedPoint {
    double phase = 0.0; // -0.2 to 1.2
    double v_mps = 0.0;
    double error_mps = 0.0;
    std::size_t index = 0; // of the measurement
};

constexpr double FoldMargin = 0.2;

// The phase (0 to 1) of time t on the period (days > 0) counted from epoch (days).
double Phase(double t_days, double period_days, double epoch_days);

// Every measurement at its phase, plus its copy at phase + 1 or phase - 1 when that lies
// within the margin; ordered by phase. Needs period > 0.
std::vector<TFoldedPoint> Fold(std::span<const TMeasurement> data, double period_days,
                               double epoch_days);

} // namespace observing
