// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/HiddenSystems.h"

#include "Precondition.h"

namespace observing {

namespace {

kepler::TRadialVelocityElements Planet(double period_days, double K_mps, double ecc,
                                       double omega_rad, double tPeri_days) {
    return {period_days, K_mps, ecc, omega_rad, tPeri_days};
}

} // namespace

const std::vector<THiddenSystem>& HiddenSystems() {
    // Invented, with amplitudes and periods like those of the first hot Jupiters found, each
    // strong enough to stand out of a season's measurements at the chapter's precision.
    static const std::vector<THiddenSystem> systems = {
        {Said("Hidden stars", "Hidden star 1"), 1.05, {Planet(3.524, 58.0, 0.0, 0.0, 1.3)}},
        {Said("Hidden stars", "Hidden star 2"), 0.88, {Planet(5.771, 41.0, 0.07, 1.2, 2.0)}},
        {Said("Hidden stars", "Hidden star 3"), 1.21, {Planet(8.314, 73.0, 0.21, 4.1, 5.5)}},
        {Said("Hidden stars", "Hidden star 4"), 0.95, {Planet(2.862, 96.0, 0.0, 0.0, 0.4), Planet(37.9, 24.0, 0.1, 2.5, 11.0)}},
        {Said("Hidden stars", "Hidden star 5"), 1.12, {Planet(11.63, 64.0, 0.32, 0.6, 3.7)}},
        {Said("Hidden stars", "Hidden star 6"), 0.79, {Planet(4.387, 35.0, 0.0, 0.0, 2.9), Planet(26.2, 18.0, 0.0, 0.0, 8.0)}},
    };
    return systems;
}

const THiddenSystem& HiddenSystemFor(std::uint64_t seed) {
    PRECONDITION(seed >= 1 && seed <= MaxHiddenSeed);
    const auto& systems = HiddenSystems();
    return systems[seed % systems.size()];
}

TObservingPlan HiddenPlan(std::uint64_t seed, THiddenRunChoice choice) {
    PRECONDITION(seed >= 1 && seed <= MaxHiddenSeed);
    TObservingPlan plan;
    plan.nights = choice.fewerNights ? 12 : 45;
    plan.runLength_days = 120.0;
    plan.precision_mps = choice.moreNoise ? 40.0 : 6.0;
    plan.jitter_mps = 3.0;
    plan.observableShare = 0.4; // the season: some 146 nights a year
    plan.weatherLoss = 0.2;
    plan.seed = seed;
    return plan;
}

std::vector<TMeasurement> ObserveHidden(std::uint64_t seed, THiddenRunChoice choice) {
    return Observe(HiddenPlan(seed, choice), HiddenSystemFor(seed).planets);
}

} // namespace observing
