// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The stars the chapter "Finding a planet" sets a student to observe: invented systems, each a
// star of stated mass with a short-period giant planet (and in some a weaker second one), and
// the observing run that measures it. A seed picks the system (seed modulo their number) and is
// the run's own seed, so the seed a page shows gives a teacher the student's very data.
// Units: days, m/s, solar masses.

#include "model/orbit/Kepler.h"
#include "model/observing/ObservingRun.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace observing {

struct THiddenSystem {
    TSaid name;            // the teacher's name for it
    double starMass_Solar; // stated on the pages
    std::vector<kepler::TRadialVelocityElements> planets; // the strongest signal first
};

// The seeds a student may type: 1 to MaxHiddenSeed.
constexpr std::uint64_t MaxHiddenSeed = 99999;

const std::vector<THiddenSystem>& HiddenSystems();

// The system a seed observes. Needs 1 <= seed <= MaxHiddenSeed.
const THiddenSystem& HiddenSystemFor(std::uint64_t seed);

// The run the chapter makes for a seed: a season of nightly measurements. fewerNights and
// moreNoise give the page on false alarms its poorer runs of the same star.
struct THiddenRunChoice {
    bool fewerNights = false;
    bool moreNoise = false;
};
TObservingPlan HiddenPlan(std::uint64_t seed, THiddenRunChoice choice = {});

// The measurements of the seed's star.
std::vector<TMeasurement> ObserveHidden(std::uint64_t seed, THiddenRunChoice choice = {});

// The shortest period the chapter's periodograms search, days: below one day, so that the
// daily aliases of the planets' periods show.
constexpr double HiddenShortestPeriod_days = 0.5;

} // namespace observing
