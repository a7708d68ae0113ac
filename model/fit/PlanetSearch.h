// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Planet by planet: the periodogram of what the fit of the planets found so far leaves over
// (with the instruments' offsets, the trend and the jitters: before the first planet, the
// fit of those alone), its highest peaks, and at each of them the fit of one more planet with
// all planets refitted together, started from the amplitude and phase of the peak's sine and
// its first harmonic (the highest peak also from a range of orbit shapes); and, since a very
// eccentric orbit's power is spread over harmonics, a fit from the best Keplerian of a coarse
// grid of shapes at the multiples of the peaks (KeplerianScan.h). Each fit is vetted
// (CandidateVetting.h: an echo of the nights, a runaway period, a spike, a weak amplitude, a
// harmonic of a planet already fitted, a peak noise often makes, too small a fall of the BIC,
// delta BIC = BIC(with it) - BIC(without it)); of those believed the one of the highest
// likelihood is kept, so that an alias of the true period that stands a little higher in the
// periodogram does not win, and a refused one gives way to the next. Or the fit of one more
// planet at a period the user chose, vetted the same way. Units: days, m/s.

#include "model/fit/CandidateVetting.h"
#include "model/fit/OrbitFit.h"
#include "model/observing/Periodogram.h"

#include <cstddef>
#include <span>
#include <vector>

namespace fit {

// How many of the periodogram's highest peaks are tried.
constexpr int PeaksTried = 3;

// The measurements with the planets' curve taken off, each keeping its time and error.
std::vector<TMeasurement> ResidualMeasurements(
    std::span<const TMeasurement> data, std::span<const kepler::TRadialVelocityElements> planets);

// A planet of the given period whose curve, to first order in e, is the constant, sine and
// first harmonic fitted by weighted least squares to the measurements:
// K [cos(M + w) + e cos(2M + w)] is the fundamental of amplitude K and phase phi1
// (M + w = x - phi1, x = 2 pi t / P) and the harmonic of amplitude e K and phase phi2
// (2M + w = 2x - phi2). A fit started there begins next to its minimum. The eccentricity is
// kept within 0.05 to 0.6: at a circle the fit's shape parameters have no gradient to follow,
// and beyond 0.6 the first-order picture no longer holds.
kepler::TRadialVelocityElements StartFromHarmonics(std::span<const TMeasurement> data,
                                                   double period_days);

// The indices of the highest local maxima of power (an end counts when it exceeds its one
// neighbour), highest first, at most count of them.
std::vector<std::size_t> HighestPeaks(std::span<const double> power, int count);

// A period the search tried and refused, and why.
struct TRefusedCandidate {
    double period_days = 0.0;
    TVerdict verdict;
};

struct TPlanetSearch {
    observing::TPeriodogram periodogram; // of the residuals the new planet was sought in, with its window
    TOrbitSolution before;  // the fit without the new planet
    // The believed fit of the highest likelihood; when none is believed, the fit of the
    // highest likelihood, which verdict says is not to be taken for a planet.
    TFitResult fit;
    double deltaBic = 0.0;   // fit's BIC minus before's, when the fit is done
    double falseAlarm = 1.0; // of the new planet's own signal (CandidateVetting.h)
    TVerdict verdict;        // of the new planet, when the fit is done
    std::vector<TRefusedCandidate> refused; // the other periods tried and refused
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
