// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/orbit/Kepler.h"
#include "model/observing/ObservingRun.h"
#include "model/observing/Periodogram.h"
#include "model/orbit/planet.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

using namespace observing;

namespace {

TObservingPlan PlanOf(int nights, double runLength, std::uint64_t seed = 7) {
    TObservingPlan plan;
    plan.nights = nights;
    plan.runLength_days = runLength;
    plan.seed = seed;
    return plan;
}

} // namespace

TEST(ObservingRun, TheSameSeedGivesTheSameDataBitForBit) {
    const kepler::TRadialVelocityElements planet{4.23, 56.0, 0.0, 0.0, 0.0};
    TObservingPlan plan = PlanOf(40, 60.0, 12345);
    plan.jitter_mps = 3.0;
    plan.weatherLoss = 0.2;
    const auto first = Observe(plan, {&planet, 1});
    const auto again = Observe(plan, {&planet, 1});
    ASSERT_EQ(first.size(), again.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].t_days, again[i].t_days);
        EXPECT_EQ(first[i].v_mps, again[i].v_mps);
    }
    plan.seed = 12346;
    EXPECT_NE(Observe(plan, {&planet, 1})[0].v_mps, first[0].v_mps);
}

// The engine's sequence is fixed by the language; the deviates built on it are this unit's
// own, so a changed method (or a library's distribution slipped in) shows here.
TEST(ObservingRun, DeviatesFollowTheFixedSequence) {
    std::mt19937_64 engine(5489u);
    engine.discard(9999);
    EXPECT_EQ(engine(), 9981545732273789042ull) << "the standard's own check value";

    TDeviates deviates(42);
    std::mt19937_64 same(42);
    EXPECT_EQ(deviates.Uniform(), static_cast<double>(same() >> 11) * 0x1.0p-53);
    // A pair from the polar method, worked out from the engine's next draws.
    double u, v, s;
    do {
        u = 2.0 * (static_cast<double>(same() >> 11) * 0x1.0p-53) - 1.0;
        v = 2.0 * (static_cast<double>(same() >> 11) * 0x1.0p-53) - 1.0;
        s = u * u + v * v;
    } while (s >= 1.0 || s == 0.0);
    const double scale = std::sqrt(-2.0 * std::log(s) / s);
    EXPECT_EQ(deviates.Normal(), u * scale);
    EXPECT_EQ(deviates.Normal(), v * scale);
}

TEST(ObservingRun, DeviatesHaveTheirDistributions) {
    TDeviates deviates(99);
    const int n = 200000;
    double sum = 0.0, sumSquares = 0.0, sumFourth = 0.0, uniformSum = 0.0;
    int below = 0;
    for (int i = 0; i < n; ++i) {
        const double x = deviates.Normal();
        sum += x;
        sumSquares += x * x;
        sumFourth += x * x * x * x;
        below += x < -1.0;
        uniformSum += deviates.Uniform();
    }
    // Bounds of about five standard errors.
    EXPECT_NEAR(sum / n, 0.0, 0.012);
    EXPECT_NEAR(sumSquares / n, 1.0, 0.016);
    EXPECT_NEAR(sumFourth / n, 3.0, 0.11) << "normal tails, not a uniform's or a sum's";
    EXPECT_NEAR(static_cast<double>(below) / n, 0.158655, 0.0042);
    EXPECT_NEAR(uniformSum / n, 0.5, 0.0033);
    std::set<std::uint64_t> seen;
    for (int i = 0; i < 1000; ++i) {
        const std::uint64_t k = deviates.Below(7);
        ASSERT_LT(k, 7u);
        seen.insert(k);
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST(ObservingRun, ScatterMatchesPrecisionAndJitter) {
    const struct {
        double precision, jitter;
    } cases[] = {{5.0, 0.0}, {2.0, 10.0}, {20.0, 20.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jitter);
        const kepler::TRadialVelocityElements planet{7.7, 40.0, 0.3, 1.0, 2.0};
        double sumSquares = 0.0;
        int count = 0;
        for (std::uint64_t seed = 1; seed <= 100; ++seed) {
            TObservingPlan plan = PlanOf(300, 400.0, seed);
            plan.precision_mps = c.precision;
            plan.jitter_mps = c.jitter;
            for (const TMeasurement& m : Observe(plan, {&planet, 1})) {
                const double residual = m.v_mps - kepler::RadialVelocity_mps(planet, m.t_days);
                sumSquares += residual * residual;
                EXPECT_EQ(m.error_mps, c.precision) << "the stated error is the precision";
                ++count;
            }
        }
        const double expected = c.precision * c.precision + c.jitter * c.jitter;
        // 30 000 squares: the variance's standard error is sqrt(2 / n), under 1 %.
        EXPECT_EQ(count, 30000);
        EXPECT_NEAR(sumSquares / count / expected, 1.0, 0.04);
    }
}

TEST(ObservingRun, OnePointPerNightWithinTheRun) {
    const kepler::TRadialVelocityElements none{};
    const auto data = Observe(PlanOf(500, 500.0), {&none, 1});
    ASSERT_EQ(data.size(), 500u) << "every night observed";
    for (std::size_t i = 0; i < data.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::floor(data[i].t_days), static_cast<double>(i));
        EXPECT_LT(data[i].t_days - std::floor(data[i].t_days), 0.35);
    }
    const auto few = Observe(PlanOf(10, 3.0), {&none, 1});
    EXPECT_EQ(few.size(), 3u) << "no more points than nights";
}

TEST(ObservingRun, SeasonsAndWeatherRemoveNights) {
    const kepler::TRadialVelocityElements none{};
    // Three years, half of each observable: every night falls in a season.
    TObservingPlan seasons = PlanOf(500, 1000.0);
    seasons.observableShare = 0.5;
    const auto seasonal = Observe(seasons, {&none, 1});
    EXPECT_EQ(seasonal.size(), 500u);
    for (const TMeasurement& m : seasonal)
        ASSERT_LT(std::fmod(m.t_days, 365.25), 0.5 * 365.25 + 0.35) << m.t_days;
    EXPECT_FALSE(IsObservable(200, 0.5));
    EXPECT_TRUE(IsObservable(366, 0.5));

    TObservingPlan weather = PlanOf(500, 500.0);
    weather.weatherLoss = 0.4;
    int lost = 0;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        weather.seed = seed;
        lost += 500 - static_cast<int>(Observe(weather, {&none, 1}).size());
    }
    EXPECT_NEAR(lost / 10000.0, 0.4, 0.02);
}

TEST(ObservingRun, PlansOutsideTheirRangesAreInvalid) {
    EXPECT_TRUE(IsValid(TObservingPlan{}));
    const auto with = [](auto change) {
        TObservingPlan plan;
        change(plan);
        return IsValid(plan);
    };
    EXPECT_FALSE(with([](TObservingPlan& p) { p.nights = 2; }));
    EXPECT_FALSE(with([](TObservingPlan& p) { p.nights = 501; }));
    EXPECT_FALSE(with([](TObservingPlan& p) { p.precision_mps = 0.4; }));
    EXPECT_FALSE(with([](TObservingPlan& p) { p.jitter_mps = 21.0; }));
    EXPECT_FALSE(with([](TObservingPlan& p) { p.observableShare = 0.0; }));
    EXPECT_FALSE(with([](TObservingPlan& p) { p.weatherLoss = 1.0; }));
    EXPECT_FALSE(with([](TObservingPlan& p) { p.runLength_days = std::nan(""); }));
}

// The default plan spans two cycles of the longest period, so that a chapter's star of a
// twelve-year planet is found (40 nights over 60 days gave a false-alarm probability of
// 95 %); where even the longest run cannot, the plan says so.
TEST(ObservingRun, TheDefaultPlanSpansTwoCyclesOfTheLongestPeriod) {
    TPlanet mondas; // the chapters' own: 5.2 AU, one Jupiter mass, edge-on
    mondas.a = 5.2;
    mondas.mass = JupiterMass;
    mondas.SetOrientation(1.5707963267948966, 0.0, 0.0);
    const std::vector<kepler::TRadialVelocityElements> twelveYears{kepler::ElementsOf(mondas, 1.0)};
    const TObservingPlan plan = DefaultPlan(twelveYears);
    EXPECT_GE(plan.runLength_days, 2 * twelveYears[0].period_days);
    EXPECT_TRUE(CoversTwoCycles(plan, twelveYears));
    EXPECT_TRUE(IsValid(plan));
    EXPECT_EQ(plan.nights, TObservingPlan().nights);
    TPeriodogram result;
    const auto data = Observe(plan, twelveYears);
    ASSERT_TRUE(Compute(data, GridFor(Span(data), 1.0), false, result));
    EXPECT_LT(result.falseAlarm, 0.01);
    EXPECT_NEAR(result.peak.period_days / twelveYears[0].period_days, 1.0, 0.1);

    kepler::TRadialVelocityElements hot = twelveYears[0];
    hot.period_days = 4.23;
    EXPECT_EQ(DefaultPlan(std::vector{hot}).runLength_days, 60.0) << "never shorter than 60 days";
    kepler::TRadialVelocityElements saturn = twelveYears[0];
    saturn.period_days = 10759.22;
    const TObservingPlan longest = DefaultPlan(std::vector{hot, saturn});
    EXPECT_EQ(longest.runLength_days, TObservingPlan::MaxRunLength_days);
    EXPECT_FALSE(CoversTwoCycles(longest, std::vector{hot, saturn}));
}
