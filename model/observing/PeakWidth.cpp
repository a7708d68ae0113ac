// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/PeakWidth.h"

#include "Precondition.h"

#include <cmath>
#include <limits>

namespace observing {

namespace {

// The frequency at which the power falls to `half` walking from the peak by `step` (+1 or
// -1); the grid's end when it never does.
double HalfPowerFrequency(const TPeriodogram& pg, double half, int step) {
    const auto& power = pg.power;
    std::size_t i = pg.peak.index;
    while (true) {
        if ((step < 0 && i == 0) || (step > 0 && i + 1 == power.size()))
            return pg.grid.At(i);
        const std::size_t next = step > 0 ? i + 1 : i - 1;
        if (power[next] < half) {
            const double share = (power[i] - half) / (power[i] - power[next]);
            return pg.grid.At(i) + step * share * pg.grid.step;
        }
        i = next;
    }
}

} // namespace

double PeakHalfWidth_days(const TPeriodogram& pg) {
    PRECONDITION(!pg.power.empty() && pg.peak.index < pg.power.size() && pg.peak.power > 0.0);
    const double half = 0.5 * pg.power[pg.peak.index];
    const double width = HalfPowerFrequency(pg, half, +1) - HalfPowerFrequency(pg, half, -1);
    const double P = pg.peak.period_days;
    return 0.5 * width * P * P;
}

TAliasPeriods DailyAliases(double period_days) {
    PRECONDITION(period_days > 0.0);
    const double f = 1.0 / period_days;
    const double beat = std::fabs(f - 1.0);
    return {1.0 / (f + 1.0), beat > 0.0 ? 1.0 / beat : std::numeric_limits<double>::infinity()};
}

} // namespace observing
