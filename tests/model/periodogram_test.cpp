// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/Periodogram.h"
#include "model/orbit/Angles.h"

#include "fixtures/LombScargleReference.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <gtest/gtest.h>
#include <cstdint>
#include <numbers>
#include <vector>

using namespace observing;

namespace {


std::vector<TMeasurement> Reference() {
    namespace ref = lombscargle_reference;
    std::vector<TMeasurement> data;
    for (std::size_t i = 0; i < std::size(ref::Time); ++i)
        data.push_back({ref::Time[i], ref::Velocity[i], ref::Error[i]});
    return data;
}

// n points at random times within the span, v = amplitude sin(2 pi t / period) + noise.
std::vector<TMeasurement> Sine(int n, double span, double period, double amplitude,
                               double noise, std::uint64_t seed) {
    TDeviates deviates(seed);
    std::vector<TMeasurement> data;
    for (int i = 0; i < n; ++i) {
        const double t = span * deviates.Uniform();
        data.push_back({t, amplitude * std::sin(TwoPi * t / period) + noise * deviates.Normal(),
                        std::max(noise, 0.5)});
    }
    return data;
}

} // namespace

TEST(Periodogram, AgreesWithTheReferenceLibrary) {
    namespace ref = lombscargle_reference;
    const auto data = Reference();
    const std::size_t n = std::size(ref::Frequency);
    TFrequencyGrid grid;
    grid.first = ref::Frequency[0];
    grid.step = (ref::Frequency[n - 1] - ref::Frequency[0]) / static_cast<double>(n - 1);
    grid.count = n;
    const std::vector<double> power = Powers(data, grid);
    ASSERT_EQ(power.size(), n);
    for (std::size_t i = 0; i < n; ++i) {
        SCOPED_TRACE(ref::Frequency[i]);
        ASSERT_NEAR(grid.At(i), ref::Frequency[i], 1e-13);
        EXPECT_NEAR(power[i], ref::Power[i], 1e-9);
        EXPECT_NEAR(PowerAt(data, ref::Frequency[i]), ref::Power[i], 1e-9);
    }
    TPeriodogram result;
    ASSERT_TRUE(Compute(data, grid, false, result));
    EXPECT_EQ(grid.At(result.peak.index), ref::PeakFrequency);
    EXPECT_NEAR(result.falseAlarm, ref::PeakFalseAlarm, 1e-6 * ref::PeakFalseAlarm);
    for (std::size_t i = 0; i < std::size(ref::FalseAlarmPower); ++i) {
        SCOPED_TRACE(ref::FalseAlarmPower[i]);
        EXPECT_NEAR(FalseAlarmProbability(ref::FalseAlarmPower[i], ref::Frequency[n - 1], data),
                    ref::FalseAlarm[i], 1e-9 + 1e-6 * ref::FalseAlarm[i]);
    }
}

TEST(Periodogram, ThePowerDoesNotDependOnTheTimeOrigin) {
    auto data = Reference();
    const TFrequencyGrid grid = GridFor(Span(data), 1.0);
    const auto power = Powers(data, grid);
    for (TMeasurement& m : data)
        m.t_days += 2456789.5;
    const auto shifted = Powers(data, grid);
    for (std::size_t i = 0; i < grid.count; i += 37)
        EXPECT_NEAR(shifted[i], power[i], 1e-7) << grid.At(i);
}

TEST(Periodogram, APureSineOfTenDaysPeaksAtTenDays) {
    for (std::uint64_t seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(seed);
        const auto data = Sine(50, 100.0, 10.0, 30.0, 0.0, seed);
        TPeriodogram result;
        ASSERT_TRUE(Compute(data, GridFor(Span(data), 1.0), false, result));
        EXPECT_NEAR(result.peak.period_days, 10.0, 0.05);
        EXPECT_GT(result.peak.power, 0.99);
        EXPECT_LT(result.falseAlarm, 0.001);
        // (1 - 0.99)^23.5 and less: tiny, yet not rounded away to a certainty.
        EXPECT_GT(result.falseAlarm, 0.0);
        EXPECT_LT(result.falseAlarm, 1e-30);
    }
}

TEST(Periodogram, FalseAlarmIsHighForPureNoise) {
    int highAlarms = 0;
    for (std::uint64_t seed = 10; seed < 30; ++seed) {
        const auto data = Sine(40, 60.0, 5.0, 0.0, 5.0, seed);
        TPeriodogram result;
        ASSERT_TRUE(Compute(data, GridFor(Span(data), 1.0), false, result));
        highAlarms += result.falseAlarm > 0.1;
    }
    // Under pure noise the chance of a false alarm under 10 % is itself 10 %.
    EXPECT_GE(highAlarms, 14);
    const auto signal = Sine(40, 60.0, 5.0, 8.0, 5.0, 10);
    TPeriodogram result;
    ASSERT_TRUE(Compute(signal, GridFor(Span(signal), 1.0), false, result));
    EXPECT_LT(result.falseAlarm, 0.001);
}

// A file may hold any finite numbers; the sums must not overflow into a power that is not one.
TEST(Periodogram, ExtremeValuesGiveTrueNumbers) {
    auto data = Sine(30, 50.0, 7.0, 20.0, 2.0, 3);
    const TFrequencyGrid grid = GridFor(Span(data), 1.0);
    const auto plain = Powers(data, grid);
    data[4].error_mps = 1e-200; // its weight alone would overflow
    data[5].v_mps = 1e300;
    for (double p : Powers(data, grid))
        ASSERT_TRUE(p >= 0.0 && p <= 1.0) << p;
    auto scaled = Sine(30, 50.0, 7.0, 20.0, 2.0, 3);
    for (TMeasurement& m : scaled) {
        m.v_mps *= 1e290;
        m.error_mps *= 1e-250;
    }
    const auto same = Powers(scaled, grid);
    for (std::size_t i = 0; i < grid.count; i += 13)
        EXPECT_NEAR(same[i], plain[i], 1e-9);
}

TEST(Periodogram, TheGridRunsFromTheSpanToTheShortestPeriod) {
    const TFrequencyGrid grid = GridFor(60.0, 1.0);
    EXPECT_DOUBLE_EQ(grid.first, 1.0 / 60.0);
    EXPECT_DOUBLE_EQ(grid.step, 1.0 / 600.0);
    EXPECT_LE(grid.At(grid.count - 1), 1.0 + 1e-12);
    EXPECT_GT(grid.At(grid.count - 1) + grid.step, 1.0);
    const TFrequencyGrid huge = GridFor(20000.0, 0.01);
    EXPECT_EQ(huge.count, TFrequencyGrid::MaxCount) << "capped, the step widened";
    EXPECT_NEAR(huge.At(huge.count - 1), 100.0, 1e-9);
}

TEST(Periodogram, TheWindowShowsTheSamplingAlone) {
    // Nightly sampling at the same hour: the window has its alias at one cycle a day.
    std::vector<TMeasurement> nightly;
    for (int i = 0; i < 30; ++i)
        nightly.push_back({i + 0.01 * (i % 3), 5.0 * (i % 2), 1.0});
    const TFrequencyGrid grid = GridFor(29.0, 0.8);
    const auto window = Window(nightly, grid);
    const TPeak alias = HighestPeak(grid, window);
    EXPECT_NEAR(alias.frequency, 1.0, 0.01);
    EXPECT_GT(alias.power, 0.9);
    EXPECT_LT(window[grid.count / 4], 0.1);
}

TEST(Periodogram, WorkCanBeStopped) {
    // The calling thread asks before its first piece of work. The other threads go on
    // meanwhile, and on a busy machine they may do all of a short run while the caller waits
    // for a core, so the run is long (some 100 million pairs) and the stop comes at the
    // first question.
    const auto data = Sine(4000, 6000.0, 10.0, 30.0, 1.0, 5);
    const TFrequencyGrid grid = GridFor(Span(data), 0.5);
    ASSERT_GT(grid.count, 24000u);
    int calls = 0;
    std::atomic<bool> cancel{false};
    TPeriodogram result;
    result.falseAlarm = 0.25;
    EXPECT_FALSE(Compute(data, grid, true, result, {&cancel, [&](double done) {
                                                         EXPECT_LT(done, 1.0);
                                                         cancel = ++calls == 1;
                                                     }}));
    EXPECT_EQ(calls, 1) << "not asked again once stopped";
    EXPECT_TRUE(result.power.empty()) << "left untouched";
    EXPECT_EQ(result.falseAlarm, 0.25);
    cancel = false;
    EXPECT_TRUE(Compute(data, grid, true, result, {&cancel, {}}));
    EXPECT_EQ(result.power.size(), grid.count);
    EXPECT_EQ(result.window.size(), grid.count);
}

// The sums split over threads and vector lanes add in another order, and the phases restart
// exactly at every block: every power and window value still matches the formula evaluated
// afresh at its frequency, across many blocks and at both ends, on a grid of short blocks and
// at the ends of the longest ones, where the phases have drifted furthest.
TEST(Periodogram, EveryFrequencyMatchesTheDirectFormula) {
    auto data = Sine(301, 900.0, 13.7, 25.0, 4.0, 8);
    for (std::size_t k = 0; k < data.size(); k += 7)
        data[k].error_mps *= 3.0; // uneven weights
    double weight = 0.0;
    for (const TMeasurement& m : data)
        weight += 1.0 / (m.error_mps * m.error_mps);
    // About 12 blocks of 1024 frequencies, and 150 of 4096.
    for (const double shortest_days : {0.7, 0.015}) {
        SCOPED_TRACE(shortest_days);
        const TFrequencyGrid grid = GridFor(Span(data), shortest_days);
        TPeriodogram result;
        ASSERT_TRUE(Compute(data, grid, true, result));
        const auto nearBlockEnd = [](std::size_t i) { return i % 1024 < 2 || i % 4096 > 4093; };
        for (std::size_t i = 0; i < grid.count;
             i += (nearBlockEnd(i) || i + 3 > grid.count) ? 1 : (shortest_days > 0.1 ? 97 : 997)) {
            SCOPED_TRACE(i);
            const double f = grid.At(i);
            ASSERT_NEAR(result.power[i], PowerAt(data, f), 1e-12);
            double C = 0.0, S = 0.0;
            for (const TMeasurement& m : data) {
                const double w = 1.0 / (m.error_mps * m.error_mps * weight);
                C += w * std::cos(TwoPi * std::fmod(f * m.t_days, 1.0));
                S += w * std::sin(TwoPi * std::fmod(f * m.t_days, 1.0));
            }
            ASSERT_NEAR(result.window[i], C * C + S * S, 1e-12);
        }
    }
}

// Cancel is answered between small pieces of work: on a large run the callback is asked
// many times, ever later, and once it says stop it is not asked again.
TEST(Periodogram, ProgressIsAskedOftenAndAStopHolds) {
    const auto data = Sine(1000, 1500.0, 10.0, 30.0, 1.0, 6);
    const TFrequencyGrid grid = GridFor(Span(data), 0.5); // 30 000 frequencies
    std::vector<double> shares;
    ASSERT_EQ(Powers(data, grid, {nullptr, [&](double done) { shares.push_back(done); }}).size(),
              grid.count);
    // 30 million pairs; a look every 131 072 of them comes to some 110 for the calling
    // thread alone when it does half the work, against some 40 if it looked once a block.
    EXPECT_GT(shares.size(), 60u);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_EQ(shares.back(), 1.0);
    int calls = 0;
    std::atomic<bool> cancel{false};
    EXPECT_TRUE(Powers(data, grid, {&cancel, [&](double) { cancel = ++calls == 5; }}).empty());
    EXPECT_EQ(calls, 5);
}

// A planet of a period under a day is found by the search as it starts: every run of the
// default plan on a 0.8-day planet peaks at 0.8 days (a search from one day found it in one
// run of forty).
TEST(Periodogram, TheDefaultSearchFindsAnUltraShortPeriod) {
    kepler::TRadialVelocityElements planet;
    planet.period_days = 0.8;
    planet.K_mps = 30.0;
    int found = 0;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        TObservingPlan plan;
        plan.seed = seed;
        const auto data = Observe(plan, std::vector{planet});
        TPeriodogram result;
        ASSERT_TRUE(Compute(data, GridFor(Span(data), DefaultShortestPeriod_days), false, result));
        found += std::abs(result.peak.period_days / planet.period_days - 1.0) < 0.01;
    }
    EXPECT_EQ(found, 20);
}
