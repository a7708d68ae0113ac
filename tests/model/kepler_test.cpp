// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/orbit/Kepler.h"
#include "model/simulation/SimulationModel.h"
#include "model/orbit/planet.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>

using namespace kepler;

namespace {

constexpr double Pi = std::numbers::pi;

} // namespace

// Reference roots of M = E - e sin E, found to 30 digits by a multiprecision root finder.
TEST(Kepler, EccentricAnomalyMatchesKnownRoots) {
    const struct {
        double e, M, E;
    } cases[] = {
        {0.0, 1e-6, 1e-6},
        {0.0, 3.0, 3.0},
        {0.5, 1e-6, 1.9999999999986666667e-6},
        {0.5, 0.1, 0.19869517172589944308},
        {0.5, 1.0, 1.4987011335178483141},
        {0.5, 3.0, 3.0471507747023944352},
        {0.5, 3.14159, 3.1415908845299310792},
        {0.9, 1e-6, 9.9999999985000000007e-6},
        {0.9, 0.1, 0.63084352756315343106},
        {0.9, 1.0, 1.8620866868745322549},
        {0.9, 3.0, 3.067037496630688558},
        {0.9, 3.14159, 3.1415912569635862706},
        {0.99, 1e-6, 0.000099999983500008175745},
        {0.99, 0.1, 0.83166042379105676251},
        {0.99, 1.0, 1.9276355506958349231},
        {0.99, 3.0, 3.0704106691175017489},
        {0.99, 3.14159, 3.1415913201275855807},
        {0.99, Pi, Pi},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("e = " + std::to_string(c.e) + ", M = " + std::to_string(c.M));
        EXPECT_NEAR(EccentricAnomaly(c.M, c.e), c.E, 1e-15 * std::max(1.0, c.E));
        EXPECT_NEAR(EccentricAnomaly(-c.M, c.e), -c.E, 1e-15 * std::max(1.0, c.E))
            << "the solution is odd in M";
        EXPECT_NEAR(EccentricAnomaly(c.M + 6 * Pi, c.e), c.E + 6 * Pi, 4e-13)
            << "whole turns are kept";
    }
}

TEST(Kepler, EccentricAnomalySolvesTheEquationEverywhere) {
    for (double e : {0.0, 0.3, 0.7, 0.9, 0.97, 0.99, 0.999}) {
        for (int i = -400; i <= 400; ++i) {
            const double M = i * Pi / 400.0;
            const double E = EccentricAnomaly(M, e);
            SCOPED_TRACE("e = " + std::to_string(e) + ", M = " + std::to_string(M));
            ASSERT_NEAR(E - e * std::sin(E), M, 4e-15);
            ASSERT_LE(std::abs(E), Pi);
        }
    }
}

// The sine and cosine handed out with E are those of E, in every turn, however many small
// steps the iteration turned them on by.
TEST(Kepler, TheSolutionsSineAndCosineAreThoseOfE) {
    for (double e : {0.0, 0.01, 0.3, 0.9, 0.99}) {
        for (int i = -1000; i <= 1000; ++i) {
            const double M = i * 0.0377 + (i % 7) * 1e-5;
            const TEccentricAnomaly solved = SolveKepler(M, e);
            SCOPED_TRACE("e = " + std::to_string(e) + ", M = " + std::to_string(M));
            ASSERT_EQ(solved.E_rad, EccentricAnomaly(M, e));
            ASSERT_NEAR(solved.sinE, std::sin(solved.E_rad), 1e-14);
            ASSERT_NEAR(solved.cosE, std::cos(solved.E_rad), 1e-14);
        }
    }
}

TEST(Kepler, TrueAnomalyFromTheEccentricAnomaly) {
    EXPECT_DOUBLE_EQ(TrueAnomaly(1.2, 0.0), 1.2);
    EXPECT_DOUBLE_EQ(TrueAnomaly(0.0, 0.9), 0.0);
    EXPECT_DOUBLE_EQ(TrueAnomaly(Pi, 0.9), Pi);
    // At E = pi/2 the planet is at x = -ae, y = b: cos nu = -e.
    for (double e : {0.1, 0.5, 0.9, 0.99}) {
        SCOPED_TRACE(e);
        EXPECT_NEAR(std::cos(TrueAnomaly(Pi / 2, e)), -e, 1e-15);
        EXPECT_NEAR(TrueAnomaly(-Pi / 2, e), -TrueAnomaly(Pi / 2, e), 1e-15);
    }
}

TEST(Kepler, VelocityOfOnePlanetAtItsTurningPoints) {
    TRadialVelocityElements planet{10.0, 50.0, 0.0, 0.0, 3.0};
    EXPECT_NEAR(RadialVelocity_mps(planet, 3.0), 50.0, 1e-12) << "periastron, omega = 0";
    EXPECT_NEAR(RadialVelocity_mps(planet, 5.5), 0.0, 1e-12);
    EXPECT_NEAR(RadialVelocity_mps(planet, 8.0), -50.0, 1e-12);
    EXPECT_NEAR(RadialVelocity_mps(planet, 2450003.0), 50.0, 1e-6) << "Julian dates";

    // Eccentric: at periastron v = K (1 + e) cos omega, at apastron K (e - 1) cos omega.
    planet = {10.0, 20.0, 0.6, 0.4, 0.0};
    EXPECT_NEAR(RadialVelocity_mps(planet, 0.0), 20.0 * 1.6 * std::cos(0.4), 1e-12);
    EXPECT_NEAR(RadialVelocity_mps(planet, 5.0), 20.0 * -0.4 * std::cos(0.4), 1e-12);
    const TRadialVelocityElements two[] = {planet, {3.0, 5.0, 0.0, 0.0, 0.0}};
    EXPECT_NEAR(RadialVelocity_mps(two, 0.0), 20.0 * 1.6 * std::cos(0.4) + 5.0, 1e-12);
}

// The velocity from Kepler's equation against the book's stepped orbit model, sampled over
// two periods of the slowest planet at the model's time step of one day a division.
TEST(Kepler, PointsLieOnTheSteppedSimulationsCurve) {
    const struct {
        const char* name;
        double ecc, inc, phi, psi, mass, starMass;
        bool second; // Vulcan visible as well, circular
    } cases[] = {
        {"circular, edge-on", 0.0, Pi / 2, 0.0, 0.0, JupiterMass, 1.0, false},
        {"e = 0.5, tilted and turned", 0.5, 1.0, 0.7, 2.2, 5 * JupiterMass, 1.3, false},
        {"e = 0.9", 0.9, 2.0, 0.0, 4.0, JupiterMass, 0.8, false},
        {"e = 0.9, inclination below zero", 0.9, -0.6, 0.3, 1.0, 10 * JupiterMass, 1.0, false},
        {"two planets", 0.5, Pi / 2, 0.0, 0.5, JupiterMass, 1.0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSimulationModel sim;
        sim.StarMass = c.starMass;
        TPlanet& planet = sim.Planets[0];
        planet.a = 0.5;
        planet.ecc = c.ecc;
        planet.mass = c.mass;
        planet.SetOrientation(c.inc, c.phi, c.psi);
        sim.Planets[1].a = 0.3;
        sim.Planets[1].Visible = c.second;
        sim.Reset(1);

        const std::vector<TRadialVelocityElements> elements =
            ElementsOfVisible(sim.Planets, sim.StarMass);
        ASSERT_EQ(elements.size(), c.second ? 2u : 1u);
        EXPECT_NEAR(elements[0].period_days, planet.Period, 1e-12 * planet.Period);
        double amplitude = 0.0;
        for (const TRadialVelocityElements& e : elements)
            amplitude += e.K_mps * (1.0 + e.ecc);

        double worst = 0.0;
        int samples = 0;
        while (sim.Time < 2.0 * planet.Period) {
            sim.Advance();
            if (sim.StepCount % 7 != 0)
                continue;
            const double stepped = sim.RadialVelocity * MpsPerAUPerDay;
            worst = std::max(worst, std::abs(RadialVelocity_mps(elements, sim.Time) - stepped));
            ++samples;
        }
        EXPECT_GT(samples, 500);
        EXPECT_LT(worst, 0.005 * amplitude);
    }
}

TEST(Kepler, ElementsOfTheBooksPlanet) {
    TPlanet jupiter; // 5.2 AU, one Jupiter mass, edge-on, circular
    const TRadialVelocityElements e = ElementsOf(jupiter, 1.0);
    // Jupiter's pull on the Sun is about 12.5 m/s over 11.9 years.
    EXPECT_NEAR(e.K_mps, 12.5, 0.2);
    EXPECT_NEAR(e.period_days / 365.25, 11.86, 0.02);
    EXPECT_EQ(e.tPeri_days, 0.0);

    jupiter.ecc = 1.5;
    EXPECT_EQ(ElementsOf(jupiter, 1.0).ecc, MaxEccentricity) << "clamped as the model does";
    jupiter.Visible = false;
    const TPlanet planets[] = {jupiter, TPlanet{}};
    EXPECT_EQ(ElementsOfVisible(planets, 1.0).size(), 1u);
}
