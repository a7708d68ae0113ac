// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The star of the page of "Finding a planet" that asks how well an eccentricity is known, the
// same for every student: a planet of K = 4 m/s on a circular orbit, 23.7 days long, measured
// on 100 nights spread over 1000 (errors of 3 m/s, the star's jitter 2.5 m/s). The planet
// stands out of the noise, yet its fit puts e near 0.5, some 3.7 of its sigma from a circle,
// where the orbits the measurements allow reach down to nearly circular ones. The run's
// seed was picked for it; most runs show the same bias, less strongly. Units: days, m/s,
// solar masses.

#include "model/orbit/Kepler.h"
#include "model/observing/ObservingRun.h"

#include <vector>

namespace observing {

constexpr double EccentricityStarMass_Solar = 1.0;
// The planet as it was made.
const kepler::TRadialVelocityElements& EccentricityStarPlanet();
TObservingPlan EccentricityStarPlan();
std::vector<TMeasurement> ObserveEccentricityStar();

} // namespace observing
