// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The run of a simulation window without its widgets: the star, its three planets Mondas,
// Vulcan and Skyron, the simulated time, the step and the steps per tick. A reset sets every
// planet up again at pericentre; a step moves the visible planets on by TimeStep and sums
// the star's reflex position and velocity from them (starreflex.h), whose z velocity is the
// radial velocity. A tick of the window's timer takes StepsPerTick steps: one, unless a
// sweep of the time scale's window (10^(n+1) days) would take more than SweepTicks ticks,
// when it takes as many as keep the sweep within them. Units: AU, days, solar masses, AU per
// day.

#include "model/orbit/planet.h"

#include <array>
#include <cstdint>

class TSimulationModel {
public:
    static constexpr int PlanetCount = 3;
    // MinStep while no planet is visible.
    static constexpr double NoStep = 1e30;
    // The time-scale position from which on the step per tick no longer grows.
    static constexpr int LastStepScale = 3;
    // The most ticks a sweep across the graph may take: 30 s of the window's 50 ms ticks.
    static constexpr double SweepTicks = 600.0;
    // Steps one tick may take at most, so that a tick stays far within its 50 ms even for
    // the tightest orbit the sliders allow (whose sweep then takes longer than 30 s).
    static constexpr int MaxStepsPerTick = 10000;

    // One solar mass; Mondas (visible, 5.2 AU), Vulcan (2.6 AU) and Skyron (7.8 AU) with the
    // planet defaults otherwise, each set up at pericentre.
    TSimulationModel();

    double StarMass = 1.0;    // solar masses
    double InvStarMass = 1.0; // 1 / StarMass as of the last reset
    std::array<TPlanet, PlanetCount> Planets;
    TVector StarPosition;        // star reflex position, AU
    TVector StarVelocity;        // star reflex velocity, AU / day
    double RadialVelocity = 0.0; // StarVelocity.z after the last tick, AU / day
    double Time = 0.0;           // simulated days since the reset
    double TimeStep = 0.0;       // simulated days per tick
    double MinStep = NoStep;     // smallest StepSize of the visible planets, days
    int StepsPerTick = 1;        // steps of TimeStep per tick of the window's timer
    std::int32_t StepCount = 0;  // steps since the reset

    // Sets every planet up again from its elements, zeroes time and steps, finds MinStep and
    // the star's reflex state, and derives TimeStep and StepsPerTick for the time-scale
    // position (-1 to 4). Returns whether any planet is visible.
    bool Reset(int timeScale);
    // One step: every visible planet steps by TimeStep, then the star's reflex and the
    // radial velocity are summed afresh.
    void Advance();
    // The step of a time-scale position: 10^(position - 3) x MinStep up to position 3, and
    // position 3's step from position 4 on; and the steps per tick that keep a sweep of
    // 10^(position + 1) days within SweepTicks ticks (at most MaxStepsPerTick). While no
    // planet is visible both stay.
    void ApplyTimeScale(int timeScale);
    // Real seconds of the window's 50 ms ticks that `days` of simulated time take.
    double RealSeconds(double days) const;
    bool AnyVisible() const { return MinStep != NoStep; }

private:
    void SumStarReflex();
};
