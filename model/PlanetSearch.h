// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Planet by planet: the periodogram of what the fit of the planets found so far leaves over
// (with the instruments' offsets, the trend and the jitters: before the first planet, the
// fit of those alone), its highest peaks, and at each of them the fit of one more planet with
// all planets refitted together. The peak whose fit has the highest likelihood is kept, so
// that an alias of the true period that stands a little higher in the periodogram does not
// win. Or the fit of one more planet at a period the user chose. Whether the planet is
// believable: the change of the Bayesian information criterion, delta BIC = BIC(with it) -
// BIC(without it) (below -10 is strong evidence for it, Kass & Raftery 1995, JASA 90, 773),
// and the false-alarm probability of the residuals' periodogram at the period it was sought
// at. Units: days, m/s.

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
    TOrbitSolution before;  // the fit without the new planet
    TFitResult fit;
    double deltaBic = 0.0;   // fit's BIC minus before's, when the fit is done
    double falseAlarm = 1.0; // of the residuals' power at the period sought
};

// The residuals' periodogram from one cycle in the run to shortestPeriod_days, and the fit of
// the known planets with one more at the best of its highest peaks. Refused, with the
// message, when the measurements span no time or the fit itself is refused.
TPlanetSearch FitNextPlanet(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> known,
                            double shortestPeriod_days, const TFitSettings& settings,
                            const TWorkControl& control = {});

// The same periodogram, and the fit of one more planet whose period starts at period_days.
TPlanetSearch FitPlanetAtPeriod(std::span<const TMeasurement> data,
                                std::span<const kepler::TRadialVelocityElements> known,
                                double period_days, double shortestPeriod_days,
                                const TFitSettings& settings, const TWorkControl& control = {});

} // namespace fit
