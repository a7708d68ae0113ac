// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/PlanetMass.h"
#include "model/orbit/Angles.h"

#include "model/orbit/planet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {


// K (m/s) of a companion of mass m about a star of mass M (solar masses) by the exact
// two-body law K = (2 pi G / P)^(1/3) m / (M + m)^(2/3) / sqrt(1 - e^2), with the model's G.
double SemiAmplitude(double P, double m, double M, double e) {
    return std::cbrt(TwoPi * SolarGM / P) * m / std::pow(M + m, 2.0 / 3.0) /
           std::sqrt(1.0 - e * e) * MpsPerAUPerDay;
}

} // namespace

// Jupiter about the Sun seen edge-on: the textbook's worked example.
TEST(PlanetMass, JupiterAroundTheSunWeighsOneJupiterMass) {
    const fit::TPlanetMass jupiter = fit::PlanetMass(4333.0, 12.5, 0.048, 1.0);
    EXPECT_NEAR(jupiter.massSinI_Solar * JupiterMassesPerSolarMass, 1.0, 0.01);
    EXPECT_NEAR(jupiter.a_AU, 5.2, 0.01);
}

// Measured data are weighed in the IAU's astronomical unit: the Sun's reflex to Jupiter,
// worked out in SI from the IAU 2015 Resolution B3 nominal GM of the Sun (1.3271244e20) and
// of Jupiter (1.2668653e17 m^3 s^-2) with P = 4332.59 days and e = 0.0489, weighs back
// Jupiter's share of the Sun's mass; the simulation's unit, 0.43 % short, weighs it that much
// heavier.
TEST(PlanetMass, MeasuredVelocitiesAreWeighedInTheIauUnit) {
    const double gmSun = 1.3271244e20, gmJupiter = 1.2668653e17, P = 4332.59, e = 0.0489;
    const double K = std::cbrt(TwoPi * (gmSun + gmJupiter) / (P * 86400.0)) * gmJupiter /
                     (gmSun + gmJupiter) / std::sqrt(1.0 - e * e);
    const double share = gmJupiter / gmSun;
    const auto weighed = [&](fit::TAstronomicalUnit unit) {
        return fit::PlanetMass(P, K, e, 1.0, unit).massSinI_Solar / share;
    };
    EXPECT_NEAR(weighed(fit::TAstronomicalUnit::Iau), 1.0, 1e-5);
    EXPECT_NEAR(weighed(fit::TAstronomicalUnit::Simulation), 1.0043, 1e-4);
}

// The companion's own mass counts: an equal-mass companion weighed as m << M* would come
// out at (1/2)^(2/3) = 0.63 of itself.
TEST(PlanetMass, SolvesTheMassFunctionForHeavyCompanions) {
    for (const double share : {1e-3, 0.1, 1.0, 3.0})
        for (const double e : {0.0, 0.5, 0.9}) {
            SCOPED_TRACE(::testing::Message() << "m/M " << share << ", e " << e);
            const double M = 1.3, m = share * M, P = 250.0;
            const fit::TPlanetMass got = fit::PlanetMass(P, SemiAmplitude(P, m, M, e), e, M);
            EXPECT_NEAR(got.massSinI_Solar / m, 1.0, 1e-12);
            const double a = std::cbrt(SolarGM * (M + m) * P * P / (TwoPi * TwoPi));
            EXPECT_NEAR(got.a_AU / a, 1.0, 1e-12);
        }
}

// The derivatives carry the fit's uncertainties; each is checked against a central
// difference.
TEST(PlanetMass, DerivativesMatchDifferences) {
    const double P = 300.0, K = 900.0, e = 0.4, M = 0.8;
    const fit::TPlanetMass at = fit::PlanetMass(P, K, e, M);
    const auto check = [&](double step, auto shifted, double dMass, double dA) {
        const fit::TPlanetMass up = shifted(step), down = shifted(-step);
        EXPECT_NEAR(dMass, (up.massSinI_Solar - down.massSinI_Solar) / (2 * step),
                    1e-6 * std::abs(dMass));
        EXPECT_NEAR(dA, (up.a_AU - down.a_AU) / (2 * step), 1e-6 * std::abs(dA));
    };
    check(1e-3, [&](double d) { return fit::PlanetMass(P + d, K, e, M); }, at.dMass_dP, at.dA_dP);
    check(1e-3, [&](double d) { return fit::PlanetMass(P, K + d, e, M); }, at.dMass_dK, at.dA_dK);
    check(1e-6, [&](double d) { return fit::PlanetMass(P, K, e + d, M); }, at.dMass_de, at.dA_de);
}

TEST(PlanetMass, NoSignalWeighsNothing) {
    const fit::TPlanetMass none = fit::PlanetMass(10.0, 0.0, 0.3, 1.0);
    EXPECT_EQ(none.massSinI_Solar, 0.0);
    EXPECT_NEAR(none.a_AU, std::cbrt(SolarGM * 100.0 / (TwoPi * TwoPi)), 1e-12);
    for (double d : {none.dMass_dP, none.dMass_dK, none.dMass_de, none.dA_dK, none.dA_de})
        EXPECT_EQ(d, 0.0);
}
