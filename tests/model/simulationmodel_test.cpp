// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/orbit/RadialSpeed.h"
#include "model/simulation/SimulationModel.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <gtest/gtest.h>

namespace {

// Mondas on its own, stepped independently of the model.
TPlanet ReferenceMondas() {
    TPlanet planet;
    planet.a = 5.2;
    planet.SetUp(1.0);
    return planet;
}

} // namespace

TEST(SimulationModel, ResetDerivesTheStepFromTheTimeScale) {
    const double mondasStep = ReferenceMondas().StepSize();
    const struct {
        const char* name;
        int timeScale;
        double step;
    } cases[] = {
        {"0.1 days a division", -1, mondasStep * 1e-4},
        {"1 day", 0, mondasStep * 1e-3},
        {"10 days", 1, mondasStep * 1e-2},
        {"100 days", 2, mondasStep * 1e-1},
        {"1000 days", 3, mondasStep},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSimulationModel sim;
        EXPECT_TRUE(sim.Reset(c.timeScale));
        EXPECT_DOUBLE_EQ(sim.TimeStep, c.step);
        EXPECT_EQ(sim.MinStep, mondasStep);
    }
}

TEST(SimulationModel, ResetReturnsToPericentreAndTimeZero) {
    TSimulationModel sim;
    sim.Reset(3);
    for (int i = 0; i < 7; ++i)
        sim.Advance();
    sim.Planets[1].Visible = true;
    EXPECT_TRUE(sim.Reset(3));

    EXPECT_EQ(sim.Time, 0.0);
    EXPECT_EQ(sim.StepCount, 0);
    EXPECT_EQ(sim.Planets[0].theta, 0.0);
    EXPECT_EQ(sim.MinStep, sim.Planets[1].StepSize()) << "Vulcan, closer in, steps faster";
    EXPECT_EQ(sim.TimeStep, sim.MinStep);
    const double pull = -(sim.Planets[0].Position.x + sim.Planets[1].Position.x) * JupiterMass;
    EXPECT_DOUBLE_EQ(sim.StarPosition.x, pull);
}

TEST(SimulationModel, TicksFollowTheOrbitModel) {
    TSimulationModel sim;
    sim.StarMass = 2.0;
    sim.Reset(2);
    TPlanet mondas;
    mondas.a = 5.2;
    mondas.SetUp(2.0);
    for (int i = 1; i <= 25; ++i) {
        sim.Advance();
        mondas.Step(sim.TimeStep);
        SCOPED_TRACE(i);
        ASSERT_EQ(sim.StepCount, i);
        ASSERT_DOUBLE_EQ(sim.Time, i * sim.TimeStep);
        ASSERT_EQ(sim.Planets[0].Position.z, mondas.Position.z);
        ASSERT_EQ(sim.RadialVelocity, sim.StarVelocity.z);
        ASSERT_DOUBLE_EQ(sim.RadialVelocity, -mondas.Velocity.z * JupiterMass * 0.5);
        ASSERT_EQ(sim.Planets[1].theta, 0.0) << "hidden planets stay put";
    }
}

TEST(SimulationModel, TheLastTimeScaleTakesTheStepOfTheOneBefore) {
    TSimulationModel sim;
    sim.Reset(3);
    const double step3 = sim.TimeStep;

    sim.ApplyTimeScale(4);
    EXPECT_EQ(sim.TimeStep, step3) << "moving to 4 keeps the step of 3";
    sim.ApplyTimeScale(1);
    EXPECT_DOUBLE_EQ(sim.TimeStep, step3 * 0.01);
    sim.ApplyTimeScale(4);
    EXPECT_EQ(sim.TimeStep, step3) << "straight from 1 to 4";

    sim.Planets[1].Visible = true;
    sim.Reset(4);
    EXPECT_EQ(sim.TimeStep, sim.Planets[1].StepSize()) << "Vulcan, closer in, sets the step";
}

TEST(SimulationModel, EccentricPlanetsAtTheLastTimeScaleStillMoveInSmallSteps) {
    TSimulationModel sim;
    sim.Reset(3);
    sim.ApplyTimeScale(4); // the step of circular Mondas
    for (TPlanet& planet : sim.Planets) {
        planet.Visible = true;
        planet.ecc = 0.99;
    }
    sim.Reset(4);
    // Every planet starts at pericentre, where a tick sweeps the largest angle.
    for (int i = 0; i < 5; ++i) {
        std::array<double, TSimulationModel::PlanetCount> before{};
        for (int k = 0; k < TSimulationModel::PlanetCount; ++k)
            before[k] = sim.Planets[k].theta;
        sim.Advance();
        for (int k = 0; k < TSimulationModel::PlanetCount; ++k)
            EXPECT_LE(sim.Planets[k].theta - before[k], 0.155) << "planet " << k << ", tick " << i;
    }
}

TEST(SimulationModel, NoPlanetVisibleKeepsASaneStep) {
    TSimulationModel sim;
    sim.Reset(3);
    const double step = sim.TimeStep;
    sim.Planets[0].Visible = false;

    EXPECT_FALSE(sim.Reset(3));
    EXPECT_FALSE(sim.AnyVisible());
    EXPECT_EQ(sim.MinStep, TSimulationModel::NoStep);
    EXPECT_EQ(sim.TimeStep, step) << "no step derived from the placeholder";
    EXPECT_EQ(sim.StarVelocity.z, 0.0);

    sim.ApplyTimeScale(2);
    EXPECT_EQ(sim.TimeStep, step);
    sim.ApplyTimeScale(4);
    sim.Planets[0].Visible = true;
    sim.Reset(4);
    EXPECT_EQ(sim.TimeStep, step) << "a later reset at 4 still ticks a sane step";
}

// A sweep crosses the time scale's window of 10^(n+1) days; at 50 ms a tick it must take
// no more than 30 s, and where one step a tick already manages that, a tick stays one step.
TEST(SimulationModel, NoSweepTakesLongerThanThirtySeconds) {
    const struct {
        const char* name;
        double a_AU, ecc, starMass;
    } orbits[] = {
        {"Mondas", 5.2, 0.0, 1.0},
        {"a hot giant like 51 Peg b", 0.0527, 0.0, 1.11},
        {"an eccentric hot giant", 0.05, 0.6, 1.0},
        {"a wide orbit", 50.0, 0.0, 1.0},
    };
    for (const auto& o : orbits) {
        for (int timeScale = -1; timeScale <= 4; ++timeScale) {
            SCOPED_TRACE(std::string(o.name) + " at time scale " + std::to_string(timeScale));
            TSimulationModel sim;
            sim.StarMass = o.starMass;
            sim.Planets[0].a = o.a_AU;
            sim.Planets[0].ecc = o.ecc;
            sim.Reset(timeScale);
            const double window = std::pow(10.0, timeScale + 1);
            const double oneStepATick = window / sim.TimeStep * 0.05;
            EXPECT_LE(sim.RealSeconds(window), 30.0 + 1e-9);
            if (oneStepATick <= 30.0)
                EXPECT_EQ(sim.StepsPerTick, 1) << "a sweep of " << oneStepATick << " s";
            else
                EXPECT_GT(window / (sim.TimeStep * (sim.StepsPerTick - 1)) * 0.05, 30.0)
                    << "one step fewer a tick would be too slow";
        }
    }
}

TEST(SimulationModel, TheTightestOrbitTakesAtMostTheMostStepsATick) {
    TSimulationModel sim;
    sim.StarMass = 100.0;
    sim.Planets[0].a = 0.01;
    sim.Planets[0].ecc = 0.99;
    sim.Reset(4);
    EXPECT_EQ(sim.StepsPerTick, TSimulationModel::MaxStepsPerTick);
    sim.Planets[0].Visible = false;
    sim.Reset(0);
    EXPECT_EQ(sim.StepsPerTick, TSimulationModel::MaxStepsPerTick) << "no planet: it stays";
}

// The peak from the elements bounds every speed a run reaches (within the stepping's own
// error) and is reached where the planet passes its node: over one period the run comes
// within 1 %.
TEST(SimulationModel, TheLargestRadialSpeedBoundsTheRun) {
    const struct {
        const char* name;
        double ecc, inc_deg, psi_deg;
    } orbits[] = {
        {"circular, edge-on", 0.0, 90, 0},
        {"eccentric, pericentre towards us", 0.6, 90, 0},
        {"eccentric, turned 60 degrees", 0.6, 90, 60},
        {"eccentric, turned 90 degrees", 0.6, 90, 90},
        {"tilted 30 degrees from face-on", 0.3, 30, 200},
    };
    for (const auto& o : orbits) {
        SCOPED_TRACE(o.name);
        TSimulationModel sim;
        TPlanet& planet = sim.Planets[0];
        planet.ecc = o.ecc;
        planet.inc = o.inc_deg * M_PI / 180;
        planet.psi = o.psi_deg * M_PI / 180;
        sim.Reset(1);
        double seen = 0.0;
        while (sim.Time < planet.Period) {
            sim.Advance();
            seen = std::max(seen, std::fabs(sim.RadialVelocity));
        }
        const double peak = LargestRadialSpeed_AUperDay(sim.Planets, sim.StarMass);
        EXPECT_LE(seen, peak * 1.001) << "the stepping's own error is smaller";
        EXPECT_GE(seen, peak * 0.99);
    }
    TSimulationModel two;
    two.Planets[1].Visible = true;
    EXPECT_DOUBLE_EQ(LargestRadialSpeed_AUperDay(two.Planets, 1.0),
                     PeakRadialSpeed_AUperDay(two.Planets[0], 1.0) +
                         PeakRadialSpeed_AUperDay(two.Planets[1], 1.0));
}
