// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What a simulation chapter tells a window that follows it (the spectrum window): the
// simulated time and the star's radial velocity after every tick, the largest velocity its
// planets can give the star, when its clock starts or
// stops, and that it is closing. A listener is told at most once that its feed closes and is
// detached then, so it can never reach a destroyed chapter; a listener that goes first
// detaches itself. A window that works with the system itself (the observing run) reads the
// star's mass and the planets' elements as they are set at the moment.

#include "model/orbit/planet.h"

#include <vector>

// The star and its visible planets as a chapter has them set.
struct TSystemElements {
    double starMass = 1.0;        // solar masses
    std::vector<TPlanet> planets; // the visible ones, their elements as set
};

class TSimulationListener {
public:
    // After a tick: time in days since the reset, radial velocity in m/s (positive receding,
    // as the velocity graph plots it).
    virtual void SimulationTick(double time_days, double v_mps) = 0;
    // The clock started (true) or stopped (false).
    virtual void SimulationRunning(bool running) = 0;
    // The feed is closing; the listener is already detached.
    virtual void SimulationClosed() = 0;

protected:
    ~TSimulationListener() = default;
};

class TSimulationFeed {
public:
    virtual bool IsRunning() const = 0;
    virtual double CurrentTime_days() const = 0;
    virtual double CurrentVelocity_mps() const = 0;
    // The system as now set; a feed that follows no planets tells none.
    virtual TSystemElements SystemElements() const { return {}; }
    // The largest radial velocity the star can reach with its planets as they are, m/s.
    virtual double LargestVelocity_mps() const = 0;

    void Attach(TSimulationListener* listener);
    void Detach(TSimulationListener* listener);

protected:
    ~TSimulationFeed();
    void NotifyTick(double time_days, double v_mps);
    void NotifyRunning(bool running);
    // Detaches every listener and tells it; call before the feed stops being whole.
    void NotifyClosed();

private:
    std::vector<TSimulationListener*> listeners_;
};
