// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The fit the data support: planets are added one by one (PlanetSearch) for as long as each
// is believed by the BIC (Bic.h) and passes the vetting (CandidateVetting.h), up to
// MaxFitPlanets; each instrument's jitter is fitted
// (SecondPlanet.h says why). Units: days, m/s, solar masses.

#include "model/fit/OrbitFit.h"

#include <span>

namespace fit {

// Needs at least MeasurementsNeeded(1, ...) measurements spanning some time; the outcome is
// Refused, with the message, when not even one planet can be fitted.
TFitResult SupportedFit(std::span<const TMeasurement> data, double shortestPeriod_days,
                        double starMass_Solar);

} // namespace fit
