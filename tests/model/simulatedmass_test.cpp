// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/orbit/Kepler.h"
#include "model/fit/PlanetMass.h"
#include "model/orbit/SimulatedMass.h"
#include "model/orbit/planet.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

// A planet the simulation made is weighed back at the mass it was given: the truth row of
// a fit's comparison. The exact mass function reads the simulation's K as a planet heavier
// by about m / M*, as ups And d's 4.1 Jupiter masses became 4.1123.
TEST(SimulatedMass, GivesBackTheMassTheSimulationWasGiven) {
    const struct {
        const char* name;
        double mass_MJ, a_AU, ecc, starMass, inc;
    } cases[] = {
        {"ups And d", 4.1, 2.52, 0.299, 1.31, std::numbers::pi / 2},
        {"a light hot planet", 0.05, 0.05, 0.0, 0.8, std::numbers::pi / 2},
        {"a heavy eccentric one", 13.0, 1.5, 0.9, 0.5, std::numbers::pi / 2},
        {"ups And d at 30 degrees", 4.1, 2.52, 0.299, 1.31, std::numbers::pi / 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPlanet planet;
        planet.mass = c.mass_MJ * JupiterMass;
        planet.a = c.a_AU;
        planet.ecc = c.ecc;
        planet.SetOrientation(c.inc, 0.0, 0.3);
        const kepler::TRadialVelocityElements e = kepler::ElementsOf(planet, c.starMass);
        const double massSinI =
            fit::SimulatedMassSinI_Solar(e.period_days, e.K_mps, e.ecc, c.starMass) /
            JupiterMass;
        const double set = c.mass_MJ * std::sin(c.inc);
        // Inclined, the star's pull still takes the whole mass: second order in m / M*.
        const double tolerance = c.inc == std::numbers::pi / 2 ? 1e-9 : 2e-3 * c.mass_MJ / c.starMass;
        EXPECT_NEAR(massSinI / set, 1.0, tolerance);
        const double exact =
            fit::PlanetMass(e.period_days, e.K_mps, e.ecc, c.starMass).massSinI_Solar / JupiterMass;
        EXPECT_GT(exact, massSinI) << "the exact mass function weighs the simulated K heavier";
    }
    EXPECT_EQ(fit::SimulatedMassSinI_Solar(100.0, 0.0, 0.1, 1.0), 0.0);
}
