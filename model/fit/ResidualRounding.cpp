// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/ResidualRounding.h"

#include "Precondition.h"
#include "model/orbit/Angles.h"

#include <cfloat>
#include <cmath>

namespace fit {

namespace {

// Each term's rounding counted as this many units of its last place.
constexpr double Ulps = 8.0;
// An error must be this many times its residual's rounding for chi^2 to measure the fit.
constexpr double ResolvedFactor = 10.0;

} // namespace

double ResidualRounding_mps(const TMeasurement& m, const TOrbitSolution& solution) {
    PRECONDITION(m.instrument >= 0 &&
                 static_cast<std::size_t>(m.instrument) < solution.offsets_mps.size());
    const double since = m.t_days - solution.referenceTime_days;
    double scale = std::abs(m.v_mps) + std::abs(solution.offsets_mps[m.instrument].value) +
                   std::abs(solution.trend_mps_per_day.value * since) +
                   std::abs(solution.curvature_mps_per_day2.value * since * since);
    for (const TFittedPlanet& planet : solution.planets) {
        const kepler::TRadialVelocityElements& p = planet.elements;
        const double slope = std::sqrt((1.0 + p.ecc) / std::pow(1.0 - p.ecc, 3));
        const double turns = 2.0 + (std::abs(m.t_days) + std::abs(since)) / p.period_days;
        scale += std::abs(p.K_mps) * (2.0 + slope * TwoPi * turns);
    }
    return Ulps * DBL_EPSILON * scale;
}

TUnresolvedResiduals UnresolvedResiduals(std::span<const TMeasurement> data,
                                         const TOrbitSolution& solution) {
    TUnresolvedResiduals worst;
    double worstShare = 1.0 / ResolvedFactor;
    for (const TMeasurement& m : data) {
        const double jitter = static_cast<std::size_t>(m.instrument) < solution.jitters_mps.size()
                                  ? solution.jitters_mps[m.instrument].value
                                  : 0.0;
        const double error = std::hypot(m.error_mps, jitter);
        const double rounding = ResidualRounding_mps(m, solution);
        // Not below: NaN, from a rounding that overflowed, counts as unresolved too.
        if (!(rounding / error <= worstShare)) {
            worstShare = rounding / error;
            worst = {true, error, rounding};
            if (std::isnan(worstShare))
                break;
        }
    }
    return worst;
}

} // namespace fit
