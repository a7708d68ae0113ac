#include "model/SimulationModel.h"

#include <cmath>
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
