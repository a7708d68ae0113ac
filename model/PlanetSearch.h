// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Planet by planet: the periodogram of what the planets fitted so far leave over (the data
// themselves before the first planet), its highest peaks, and at each of them the fit of one
// more planet with all planets refitted together, started from the amplitude and phase of
// the peak's sine and its first harmonic (the highest peak also from a range of orbit
// shapes). The peak whose fit leaves the least chi^2 is kept, so that an alias of the true
// period that stands a little higher in the periodogram does not win. Units: days, m/s.

#include "model/OrbitFit.h"
#include "model/Periodogram.h"

#include <cstddef>
#include <span>
#include <vector>

namespace fit {

// How many of the periodogram's highest peaks are tried.
constexpr int PeaksTried = 3;

// The measurements with the planets' curve taken off, each keeping its time and error.
std::vector<TMeasurement> ResidualMeasurements(
    std::span<const TMeasurement> data, std::span<const kepler::TRadialVelocityElements> planets);

// The indices of the highest local maxima of power (an end counts when it exceeds its one
// neighbour), highest first, at most count of them.
std::vector<std::size_t> HighestPeaks(std::span<const double> power, int count);

struct TPlanetSearch {
    observing::TPeriodogram periodogram; // of the residuals the new planet was sought in
    TFitResult fit;
};

// The residuals' periodogram from one cycle in the run to shortestPeriod_days, and the fit of
// the known planets with one more at the best of its highest peaks. Refused, with the
// message, when the measurements span no time or the fit itself is refused.
TPlanetSearch FitNextPlanet(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> known,
                            double shortestPeriod_days, const TFitSettings& settings,
                            const TFitControl& control = {});

} // namespace fit
