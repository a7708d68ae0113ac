// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/orbit/RadialSpeed.h"

#include "Precondition.h"

#include <algorithm>
#include <cmath>

double PeakRadialSpeed_AUperDay(const TPlanet& planet, double starMass) {
    PRECONDITION(planet.a > 0.0 && starMass > 0.0);
    // The eccentricity as TPlanet::SetUp takes it.
    const double ecc = std::clamp(std::isnan(planet.ecc) ? 0.0 : planet.ecc, 0.0, MaxEccentricity);
    const double p = planet.a * (1.0 - ecc * ecc);
    const double K = planet.mass / starMass *
                     std::sqrt((starMass + planet.mass) * SolarGM / p) *
                     std::fabs(std::sin(planet.inc));
    return K * (1.0 + ecc * std::fabs(std::cos(planet.psi)));
}

double LargestRadialSpeed_AUperDay(std::span<const TPlanet> planets, double starMass) {
    double sum = 0.0;
    for (const TPlanet& planet : planets)
        if (planet.Visible)
            sum += PeakRadialSpeed_AUperDay(planet, starMass);
    return sum;
}
