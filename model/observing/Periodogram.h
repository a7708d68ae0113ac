// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The generalised Lomb-Scargle periodogram (Zechmeister & Kuerster 2009, A&A 496, 577): at each
// trial frequency a sine, a cosine and a constant are fitted to the data by weighted least
// squares, weights 1 / error^2, and the power is the share of the weighted variance about the
// mean that the fit removes, 0 to 1. The false-alarm probability of the highest peak follows
// Baluev's analytic approximation (2008, MNRAS 385, 1279, eq. 5 and 6, floating mean: the
// peak is tested with N - 3 degrees of freedom against N - 1). The window function is the
// spectral window |sum w_k exp(2 pi i f t_k)|^2 with the weights summing to 1: the
// periodogram of the sampling alone, 1 at zero frequency. Units: days, cycles per day.

#include "model/observing/ObservingRun.h"

#include "WorkControl.h"

#include <cstddef>
#include <span>
#include <vector>

namespace observing {

// Frequencies f0, f0 + df, ..., in cycles per day.
struct TFrequencyGrid {
    static constexpr double MinOversampling = 10.0;
    static constexpr std::size_t MaxCount = 2'000'000;

    double first = 0.0;
    double step = 0.0;
    std::size_t count = 0;

    double At(std::size_t i) const { return first + step * static_cast<double>(i); }
};

// The grid from one cycle in the run's span to one cycle in the shortest period, oversampled
// the given number of times per 1 / span; at most MaxCount frequencies, the step widened to
// fit if need be. Needs span and shortest period > 0 with finite reciprocals (as
// MinSpan_days gives) and a finite oversampling >= MinOversampling.
TFrequencyGrid GridFor(double span_days, double shortestPeriod_days,
                       double oversampling = TFrequencyGrid::MinOversampling);

// The shortest period a search starts from, days: below a day, so that an ultra-short
// period (0.5 to 1 day, as some known planets have) is found and a period's daily aliases show.
constexpr double DefaultShortestPeriod_days = 0.5;

// The time from the first to the last measurement, days.
double Span(std::span<const TMeasurement> data);

struct TPeak {
    std::size_t index = 0;  // on the grid
    double frequency = 0.0; // cycles per day, refined between the grid points
    double period_days = 0.0;
    double power = 0.0;
    bool found = false;     // false when every power is 0 (constant velocities): no peak
};

struct TPeriodogram {
    TFrequencyGrid grid;
    std::vector<double> power;  // one value per grid frequency, 0 to 1
    std::vector<double> window; // the window function on the same grid, or empty
    TPeak peak;
    double falseAlarm = 1.0; // of the highest peak, 0 to 1
};

// The power at every grid frequency, by trigonometric recurrences along the grid. Needs at
// least 3 measurements with positive errors. Returns an empty vector when the work is
// cancelled.
std::vector<double> Powers(std::span<const TMeasurement> data, const TFrequencyGrid& grid,
                           const TWorkControl& control = {});

// The power at one frequency, straight from the formula; for checks and single values.
double PowerAt(std::span<const TMeasurement> data, double frequency);

// The spectral window on the grid.
std::vector<double> Window(std::span<const TMeasurement> data, const TFrequencyGrid& grid);

// The highest power, its frequency refined by a parabola through it and its neighbours;
// not found when all power is 0. Velocities that differ by no more than rounding (a spread
// below 1e-12 of the largest) have power 0 everywhere.
TPeak HighestPeak(const TFrequencyGrid& grid, std::span<const double> power);

// Baluev's false-alarm probability of a peak of the given power found searching frequencies
// up to maxFrequency, for these measurement times and errors. Needs at least 4 measurements.
double FalseAlarmProbability(double power, double maxFrequency,
                             std::span<const TMeasurement> data);

// All of it; with window = true the window function too. Returns false, leaving result
// untouched, when the work is cancelled.
bool Compute(std::span<const TMeasurement> data, const TFrequencyGrid& grid, bool window,
             TPeriodogram& result, const TWorkControl& control = {});

} // namespace observing
