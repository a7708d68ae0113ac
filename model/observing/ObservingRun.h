// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A simulated observing run: the nights on which the star is measured, and one noisy radial
// velocity on each. The run starts on the first night of the star's observing season; the star
// is observable for a share of every year (365.25 days), the planned nights are drawn at random
// from the observable nights of the run, each is then lost to weather with the given chance,
// and the measurement falls at a random moment within the night's first 0.35 days. The
// measured velocity is the true one plus a precision error and a jitter, both normal
// deviates; the stated error is the precision alone, as an observer would state it.
// Units: days, m/s.
//
// Every random number comes from std::mt19937_64, whose sequence the language fixes, turned
// into uniform and normal deviates by this unit's own arithmetic, so a seed and settings give
// the same data wherever the math library rounds log, sqrt, sin and cos alike.

#include "model/orbit/Kepler.h"

#include "Wording.h"

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace observing {

// The Julian year, days (IAU): the year a star's season of observing comes round in.
constexpr double Year_days = 365.25;

struct TObservingPlan {
    static constexpr int MinNights = 3;
    static constexpr int MaxNights = 500;
    static constexpr double MinPrecision_mps = 0.5;
    static constexpr double MaxPrecision_mps = 50.0;
    static constexpr double MaxJitter_mps = 20.0;
    static constexpr double MinRunLength_days = 3.0;
    static constexpr double MaxRunLength_days = 20000.0;

    int nights = 40;               // nights asked for, MinNights to MaxNights
    double runLength_days = 60.0;  // MinRunLength_days to MaxRunLength_days
    double precision_mps = 5.0;    // MinPrecision_mps to MaxPrecision_mps
    double jitter_mps = 0.0;       // 0 to MaxJitter_mps
    double observableShare = 1.0;  // share of the year the star can be observed, 0.05 to 1
    double weatherLoss = 0.0;      // chance that a night is lost to weather, 0 to 0.95
    std::uint64_t seed = 1;
};

// Whether every setting lies in its range.
bool IsValid(const TObservingPlan& plan);

// The plan a run starts with for the given planets: the default settings over two cycles
// of the longest period (a periodogram cannot tell a period from its data's span with less),
// and never less than the default 60 days nor more than MaxRunLength_days.
TObservingPlan DefaultPlan(std::span<const kepler::TRadialVelocityElements> planets);

// Whether the plan's run covers two cycles of every planet's period.
bool CoversTwoCycles(const TObservingPlan& plan,
                     std::span<const kepler::TRadialVelocityElements> planets);

// The settings and seed in one line, for a file's comment and the answer sheet.
TWording DescribePlan(const TObservingPlan& plan);

// One measurement: the time of the measurement, the measured velocity and its stated error,
// and which instrument made it (0, 1, ... in the order of the data set's instruments; each
// has its own zero point and jitter).
struct TMeasurement {
    double t_days = 0.0;
    double v_mps = 0.0;
    double error_mps = 1.0;
    int instrument = 0;

    bool operator==(const TMeasurement&) const = default;
};

// Uniform and normal deviates from std::mt19937_64.
class TDeviates {
public:
    explicit TDeviates(std::uint64_t seed) : engine_(seed) {}
    // Uniform on [0, 1), from the top 53 bits of one draw.
    double Uniform();
    // Standard normal, by Marsaglia's polar method; the second deviate of a pair is kept.
    double Normal();
    // Uniform integer in 0..n-1 by rejection, so no value is favoured; needs n > 0.
    std::uint64_t Below(std::uint64_t n);

private:
    std::mt19937_64 engine_;
    double spare_ = 0.0;
    bool hasSpare_ = false;
};

// Whether the star is observable on the night that begins day (whole days from the run's
// start) for the given share of the year.
bool IsObservable(long night, double observableShare);

// The nights (whole days from the run's start, ascending) on which a measurement is made.
std::vector<long> ClearNights(const TObservingPlan& plan, TDeviates& deviates);

// The run's measurements, in time order, for planets with the given elements. Needs a valid plan.
std::vector<TMeasurement> Observe(const TObservingPlan& plan,
                                  std::span<const kepler::TRadialVelocityElements> planets);

} // namespace observing
