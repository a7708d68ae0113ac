// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/PlanetMass.h"
#include "model/orbit/Angles.h"

#include "Precondition.h"
#include "model/orbit/planet.h"

#include <cmath>
#include <numbers>

namespace fit {

namespace {

constexpr int MaxNewtonSteps = 100;

// The root x > 0 of x^3 = f (M + x)^2. The root exceeds f (x^3 > f x^2), and
// g(x) = x^3 - f (M + x)^2 is convex beyond f / 3, so Newton's iteration from a point right
// of the root falls monotonically onto it. Such a point: a root below M has
// x^3 < f (2 M)^2, one above has x^3 < f (2 x)^2; x = 4 f + (4 f M^2)^(1/3) exceeds both.
double SolveMassFunction(double f, double M) {
    double x = 4.0 * f + std::cbrt(4.0 * f * M * M);
    for (int i = 0; i < MaxNewtonSteps; ++i) {
        const double g = x * x * x - f * (M + x) * (M + x);
        const double slope = 3.0 * x * x - 2.0 * f * (M + x);
        if (!(g > 0.0) || !(slope > 0.0))
            break;
        const double next = x - g / slope;
        if (!(next < x))
            break;
        x = next;
    }
    return x;
}

} // namespace

TPlanetMass PlanetMass(double period_days, double K_mps, double ecc, double starMass_Solar,
                       TAstronomicalUnit unit) {
    PRECONDITION(period_days > 0.0 && std::isfinite(period_days));
    PRECONDITION(K_mps >= 0.0 && std::isfinite(K_mps));
    PRECONDITION(ecc >= 0.0 && ecc < 1.0);
    PRECONDITION(starMass_Solar > 0.0 && std::isfinite(starMass_Solar));

    const double mpsPerAUPerDay =
        unit == TAstronomicalUnit::Iau ? IauMpsPerAUPerDay : MpsPerAUPerDay;
    const double K = K_mps / mpsPerAUPerDay; // AU per day
    const double oneMinusE2 = 1.0 - ecc * ecc;
    const double f = period_days * K * K * K * oneMinusE2 * std::sqrt(oneMinusE2) /
                     (TwoPi * SolarGM);
    TPlanetMass result;
    result.massSinI_Solar = f > 0.0 ? SolveMassFunction(f, starMass_Solar) : 0.0;
    const double total = starMass_Solar + result.massSinI_Solar;
    result.a_AU = std::cbrt(SolarGM * total * period_days * period_days / (TwoPi * TwoPi));

    // ln f = ln P + 3 ln K + 1.5 ln(1 - e^2) + const, and from x^3 = f (M + x)^2,
    // d ln x (3 - 2 x / (M + x)) = d ln f; a mass of 0 (K = 0) stays 0 to first order.
    const double m = result.massSinI_Solar;
    const double share = m / total;
    const double gain = m / (3.0 - 2.0 * share);
    result.dMass_dP = gain / period_days;
    result.dMass_dK = m > 0.0 ? 3.0 * gain / K_mps : 0.0;
    result.dMass_de = -3.0 * ecc / oneMinusE2 * gain;
    // ln a = (ln(M + x) + 2 ln P) / 3 + const.
    const double a = result.a_AU;
    result.dA_dP = a * (2.0 / period_days + result.dMass_dP / total) / 3.0;
    result.dA_dK = a * result.dMass_dK / total / 3.0;
    result.dA_de = a * result.dMass_de / total / 3.0;
    return result;
}

} // namespace fit
