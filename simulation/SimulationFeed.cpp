// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/SimulationFeed.h"

#include <algorithm>

TSimulationFeed::~TSimulationFeed() { NotifyClosed(); }

void TSimulationFeed::Attach(TSimulationListener* listener) {
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void TSimulationFeed::Detach(TSimulationListener* listener) { std::erase(listeners_, listener); }

// A listener may detach while it is told; walking the live list by index never reaches one
// that has gone (at worst the next one misses this notice).
void TSimulationFeed::NotifyTick(double time_days, double v_mps) {
    for (std::size_t i = 0; i < listeners_.size(); ++i)
        listeners_[i]->SimulationTick(time_days, v_mps);
}

void TSimulationFeed::NotifyRunning(bool running) {
    for (std::size_t i = 0; i < listeners_.size(); ++i)
        listeners_[i]->SimulationRunning(running);
}

void TSimulationFeed::NotifyClosed() {
    const std::vector<TSimulationListener*> listeners = std::move(listeners_);
    listeners_.clear();
    for (TSimulationListener* listener : listeners)
        listener->SimulationClosed();
}
