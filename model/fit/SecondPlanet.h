// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The two fits a student compares when asking whether a star has a second planet: one planet
// found by the planet search (PlanetSearch.h), then a second sought in what it leaves, both
// with each instrument's jitter fitted by maximum likelihood (Jitter.h). A star's jitter that
// the fit did not model would be taken for a signal, and a spurious second planet would then
// lower the BIC enough to be believed. Units: days, m/s, solar masses.

#include "model/fit/OrbitFit.h"

#include <span>

namespace fit {

struct TOneOrTwoPlanets {
    TFitResult one, two; // two is Refused, with its message, when one is not Done

    // Whether both fits are made and the second planet lowers the BIC by more than
    // BelievedDrop (Bic.h).
    bool SecondBelieved() const;
};

// The settings of every fit that judges a planet count: jitter fitted, the star's mass given.
TFitSettings JitterFitSettings(double starMass_Solar);

// The one- and two-planet fits, searching periods down to shortestPeriod_days. A fit stopped
// through `control` is Cancelled.
TOneOrTwoPlanets FitOneAndTwoPlanets(std::span<const TMeasurement> data,
                                     double shortestPeriod_days, double starMass_Solar,
                                     const TWorkControl& control = {});

} // namespace fit
