// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/simulation/SimulationModel.h"

#include "model/orbit/starreflex.h"

#include <algorithm>
#include <cmath>

namespace {

struct PlanetSetting {
    const char* name;
    std::int32_t colour; // r + 256 g + 65536 b
    double a_AU;
    bool visible;
};

constexpr PlanetSetting Settings[TSimulationModel::PlanetCount] = {
    {"Mondas", 0xFFFF00, 5.2, true},  // aqua
    {"Vulcan", 0x00FFFF, 2.6, false}, // yellow
    {"Skyron", 0x0000FF, 7.8, false}, // red
};

// The window's timer interval, s.
constexpr double TickSeconds = 0.05;

} // namespace

TSimulationModel::TSimulationModel() {
    for (int k = 0; k < PlanetCount; ++k) {
        TPlanet& planet = Planets[k];
        planet.Colour = Settings[k].colour;
        planet.a = Settings[k].a_AU;
        planet.Visible = Settings[k].visible;
        planet.Name = Settings[k].name;
        planet.SetUp(StarMass);
    }
}

bool TSimulationModel::Reset(int timeScale) {
    StepCount = 0;
    Time = 0.0;
    MinStep = NoStep;
    for (TPlanet& planet : Planets) {
        planet.SetUp(StarMass);
        if (planet.Visible)
            MinStep = std::min(MinStep, planet.StepSize());
    }
    ApplyTimeScale(timeScale);
    InvStarMass = 1.0 / StarMass;
    SumStarReflex();
    return AnyVisible();
}

void TSimulationModel::Advance() {
    Time += TimeStep;
    StepCount += 1;
    for (TPlanet& planet : Planets)
        if (planet.Visible)
            planet.Step(TimeStep);
    SumStarReflex();
    RadialVelocity = StarVelocity.z;
}

void TSimulationModel::ApplyTimeScale(int timeScale) {
    // With no planet visible MinStep is a placeholder; the step stays as it was. Positions
    // past LastStepScale widen the graph only: they take LastStepScale's step of the planets
    // now visible, never a step left over from planets before a reset, which could be
    // thousands of times too coarse for an eccentric planet.
    if (!AnyVisible())
        return;
    TimeStep = std::pow(10.0, std::min(timeScale, LastStepScale) - 3) * MinStep;
    const double sweepSteps = std::pow(10.0, timeScale + 1) / TimeStep;
    StepsPerTick = static_cast<int>(
        std::clamp(std::ceil(sweepSteps / SweepTicks), 1.0, double(MaxStepsPerTick)));
}

double TSimulationModel::RealSeconds(double days) const {
    return days / (TimeStep * StepsPerTick) * TickSeconds;
}

void TSimulationModel::SumStarReflex() {
    const TStarReflex star = StarReflex(Planets, InvStarMass);
    StarPosition = star.Position;
    StarVelocity = star.Velocity;
}
