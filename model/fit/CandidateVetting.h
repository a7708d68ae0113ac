// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Whether a planet the search found is one the measurements support, by every test a
// researcher would put it to before calling it a planet, in this order:
//  - its period is shorter than the measurements' span: a longer one is a drift;
//  - its eccentricity is not pressed against the fit's bound (a spike through a few
//    measurements);
//  - its period is pinned down (sigma_P / P below MaxPeriodShare);
//  - its K lies more than MinAmplitudeSigmas uncertainties above zero;
//  - its frequency f is no echo of when the star was observed: not within two resolutions
//    2 / span of the window function's peaks at the rhythms of observing from the ground
//    (the solar day, the sidereal day, the year; the echo of anything slow lies there), nor
//    within one of |f_k +- f_w| for a planet k already fitted; and not within
//    1 / SeasonLength_days of a day's frequency, where a signal sampled once a night turns
//    through its phase less than once in a season and looks like a slow change. The window's other peaks are
//    not asked about: observers who time their nights to a known planet's passages (HD 80606)
//    give the window a peak at that planet's own period;
//  - it is no harmonic (2 f_k or 3 f_k, within 2 / span) of a fitted planet whose orbit is
//    eccentric or pulled round by a neighbour (PlanetInteraction.h), which shifts it: a fixed
//    orbit's misfit of that planet;
//  - noise seldom makes its peak: the false-alarm probability of its own signal (the
//    periodogram of what the fit leaves with its curve put back, Periodogram.h) below
//    MaxFalseAlarm;
//  - the BIC falls by more than BelievedDrop (Bic.h) with it;
//  - and it is no echo of a stronger signal: the best orbit of a coarse grid of shapes
//    (KeplerianScan.h) fits its own signal (what the fit leaves with its curve put back)
//    better at its period than at f +- f_w.
// The first test it fails is named in a student's words. Units: days, m/s, cycles per day.

#include "model/fit/OrbitFit.h"

#include "Wording.h"

#include <span>
#include <string>
#include <vector>

namespace fit {

constexpr double MaxPeriodShare = 0.1;
constexpr double MinAmplitudeSigmas = 3.0;
constexpr double MaxFalseAlarm = 0.01;
// An orbit more eccentric than this makes harmonics of its own (a sine periodogram shows it
// at P / 2 and P / 3).
constexpr double HarmonicEccentricity = 0.2;

// The solar day, the sidereal day (23 h 56 min 4.0905 s, the Astronomical Almanac) and the
// Julian year (observing::Year_days), days: the rhythms of observing from the ground.
constexpr double SolarDay_days = 1.0;
constexpr double SiderealDay_days = 0.99726957;
using observing::Year_days;
// How long a star is seen at night in a year, about a quarter of it.
constexpr double SeasonLength_days = Year_days / 4.0;

enum class TCandidateTest {
    None, // passed every test
    LongerThanSpan,
    LoosePeriod,
    EccentricityAtBound,
    WeakAmplitude,
    WindowPeak,
    AliasOfPlanet,
    AliasOfSignal,
    HarmonicOfPlanet,
    NoisePeak,
    SmallBicDrop,
};

struct TVerdict {
    TCandidateTest failed = TCandidateTest::None;
    TWording reason; // in a student's words; empty when believed
    bool Believed() const { return failed == TCandidateTest::None; }
};

struct TCandidate {
    std::span<const TMeasurement> data;
    const TOrbitSolution* before = nullptr; // the fit without the candidate
    const TOrbitSolution* after = nullptr;  // with it, as its last planet
    double deltaBic = 0.0;                  // after's BIC minus before's
    double falseAlarm = 1.0;                // of the candidate's own signal
};

TVerdict Vet(const TCandidate& candidate);

// What the fitted model leaves with planet j's own curve put back: the signal that planet
// explains, and the noise; each error widened by its instrument's jitter.
std::vector<TMeasurement> LeftForPlanet(std::span<const TMeasurement> data,
                                        const TOrbitSolution& solution, std::size_t j);

// The false-alarm probability of planet j's own signal: the power at its frequency of what
// the fitted model leaves with that planet's curve put back, searched up to maxFrequency.
double OwnFalseAlarm(std::span<const TMeasurement> data, const TOrbitSolution& solution,
                     std::size_t j, double maxFrequency_cpd);

} // namespace fit
