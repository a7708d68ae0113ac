// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/orbit/SimulatedMass.h"

#include "Precondition.h"
#include "model/orbit/planet.h"

#include <cmath>
#include <numbers>

namespace fit {

double SimulatedMassSinI_Solar(double period_days, double K_mps, double ecc,
                               double starMass_Solar) {
    PRECONDITION(period_days > 0.0 && std::isfinite(period_days));
    PRECONDITION(K_mps >= 0.0 && std::isfinite(K_mps));
    PRECONDITION(ecc >= 0.0 && ecc < 1.0);
    PRECONDITION(starMass_Solar > 0.0 && std::isfinite(starMass_Solar));
    // x (M + x)^(1/3) = c, with x = m sin i; the left side rises with x from 0, so Newton's
    // iteration from x0 = c / M^(1/3), which lies right of the root, falls onto it.
    const double M = starMass_Solar;
    const double c = K_mps / MpsPerAUPerDay * M * std::sqrt(1.0 - ecc * ecc) *
                     std::cbrt(period_days / (2.0 * std::numbers::pi * SolarGM));
    if (c == 0.0)
        return 0.0;
    double x = c / std::cbrt(M);
    for (int i = 0; i < 100; ++i) {
        const double root = std::cbrt(M + x);
        const double g = x * root - c;
        const double slope = root + x / (3.0 * root * root);
        const double next = x - g / slope;
        if (!(next < x))
            break;
        x = next;
    }
    return x;
}

} // namespace fit
