// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/EccentricityStar.h"

namespace observing {

const kepler::TRadialVelocityElements& EccentricityStarPlanet() {
    static const kepler::TRadialVelocityElements planet{23.7, 4.0, 0.0, 2.0, 0.3};
    return planet;
}

TObservingPlan EccentricityStarPlan() {
    TObservingPlan plan;
    plan.nights = 100;
    plan.runLength_days = 1000.0;
    plan.precision_mps = 3.0;
    plan.jitter_mps = 2.5;
    plan.observableShare = 1.0;
    plan.weatherLoss = 0.0;
    plan.seed = 77;
    return plan;
}

std::vector<TMeasurement> ObserveEccentricityStar() {
    return Observe(EccentricityStarPlan(), std::span(&EccentricityStarPlanet(), 1));
}

} // namespace observing
