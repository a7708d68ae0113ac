// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/simulation/VelocityTicks.h"

#include "model/orbit/planet.h"

#include "model/text/NumberWriting.h"

#include <cmath>

std::optional<TVelocityTicks> TVelocityTicks::For(double vmax_AUperDay) {
    const double v = vmax_AUperDay * MpsPerAUPerDay;
    if (!(v > 0.0) || !std::isfinite(v))
        return std::nullopt;
    const double L = std::log10(v);
    TVelocityTicks ticks;
    ticks.Exponent = static_cast<int>(L >= 0.0 ? std::trunc(L) : std::trunc(L) - 1.0);
    const double m = v / std::pow(10.0, ticks.Exponent);
    ticks.Step = m > 3.0 ? 2.0 : m > 2.0 ? 1.0 : 0.5;
    ticks.Count = static_cast<int>(m / ticks.Step);
    return ticks;
}

double TVelocityTicks::Velocity_mps(int i) const { return std::pow(10.0, Exponent) * (i * Step); }

std::string TVelocityTicks::Label(int i) const {
    return FiguresNumber(i * Step, 15);
}
