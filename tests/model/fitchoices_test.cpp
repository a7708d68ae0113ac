// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The choices an astronomer makes in a fit: instruments with their own offsets and jitters,
// a trend, fixed elements, eccentric orbits, a period of one's own for the next planet, and
// whether a planet is believable.
#include "model/fit/FitText.h"
#include "model/fit/Jitter.h"
#include "model/fit/OrbitFit.h"
#include "model/fit/PlanetSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using kepler::TRadialVelocityElements;

struct TInstrumentTruth {
    double offset_mps = 0.0;
    double jitter_mps = 0.0;
};

// Seeded measurements at random times over the span, velocities from the planets plus a
// trend, each instrument in turn with its offset and jitter on top of errors of sigma.
std::vector<fit::TMeasurement> Observe(std::span<const TRadialVelocityElements> planets, int count,
                                       double span_days, double sigma, std::uint64_t seed,
                                       std::vector<TInstrumentTruth> instruments = {{}},
                                       double trend_mps_per_day = 0.0) {
    observing::TDeviates random(seed);
    constexpr double Start = 2450000.0;
    std::vector<fit::TMeasurement> data;
    for (int i = 0; i < count; ++i) {
        const double t = Start + span_days * random.Uniform();
        const int j = i % static_cast<int>(instruments.size());
        const double noise = std::hypot(sigma, instruments[j].jitter_mps) * random.Normal();
        data.push_back({t,
                        instruments[j].offset_mps + trend_mps_per_day * (t - Start) +
                            kepler::RadialVelocity_mps(planets, t) + noise,
                        sigma, j});
    }
    return data;
}

double Sigmas(const fit::TEstimate& x, double truth) { return std::abs(x.value - truth) / x.sigma; }

} // namespace

// Started on a circular orbit, as a fit by hand leaves it, the fit still finds the
// eccentricity: at e = 0 itself the derivatives of sqrt(e) cos omega and sqrt(e) sin omega
// vanish and the fit would stay circular.
TEST(FitChoices, CircularStartLeavesForTheEccentricOrbit) {
    const TRadialVelocityElements truth{20.0, 40.0, 0.61, 2.0, 2450003.0};
    const auto data = Observe(std::span(&truth, 1), 80, 200.0, 2.0, 11);
    TRadialVelocityElements start = truth;
    start.ecc = 0.0;
    start.omega_rad = 0.0;
    const fit::TFitResult result = fit::FitFrom(data, std::span(&start, 1), {});
    ASSERT_EQ(result.outcome, fit::TFitOutcome::Done);
    const fit::TFittedPlanet& p = result.solution.planets.front();
    EXPECT_LT(Sigmas(p.ecc, 0.61), 3.0) << fit::WithUncertainty(p.ecc);
    EXPECT_LT(Sigmas(p.K_mps, 40.0), 3.0);
}

// An orbit of e = 0.97 lies inside the fit's range: its eccentricity and amplitude come back
// within their uncertainties and no note of a bound is due.
TEST(FitChoices, VeryEccentricOrbitIsNotCappedBelowItsTruth) {
    const TRadialVelocityElements truth{50.0, 100.0, 0.97, 1.0, 2450010.0};
    const auto data = Observe(std::span(&truth, 1), 300, 250.0, 1.0, 5);
    const fit::TFitResult result = fit::FitOneMorePlanet(data, {}, 50.1, {});
    ASSERT_EQ(result.outcome, fit::TFitOutcome::Done);
    const fit::TFittedPlanet& p = result.solution.planets.front();
    EXPECT_LT(Sigmas(p.ecc, 0.97), 3.0) << fit::WithUncertainty(p.ecc);
    EXPECT_LT(Sigmas(p.K_mps, 100.0), 3.0) << fit::WithUncertainty(p.K_mps);
    EXPECT_FALSE(p.eccentricityAtBound);
    EXPECT_LE(p.ecc.value + p.ecc.sigma, MaxEccentricity + p.ecc.sigma);
    EXPECT_EQ(p.ecc.high, MaxEccentricity);
}

// An orbit more eccentric than the model allows, watched through its periastrons, sits at
// the bound, and says so.
TEST(FitChoices, FitPressedAgainstTheBoundSaysSo) {
    const TRadialVelocityElements truth{50.0, 100.0, 0.998, 1.0, 2450010.0};
    auto data = Observe(std::span(&truth, 1), 100, 250.0, 0.5, 6);
    for (int orbit = 0; orbit < 5; ++orbit)
        for (int i = -20; i <= 20; ++i) {
            const double t = truth.tPeri_days + 50.0 * orbit + 0.0005 * i;
            data.push_back({t, kepler::RadialVelocity_mps(truth, t), 0.5});
        }
    const fit::TFitResult result = fit::FitFrom(data, std::span(&truth, 1), {});
    ASSERT_EQ(result.outcome, fit::TFitOutcome::Done);
    const fit::TFittedPlanet& p = result.solution.planets.front();
    EXPECT_TRUE(p.eccentricityAtBound) << p.ecc.value;
    EXPECT_LT(p.ecc.value, MaxEccentricity);
}

// A slow drift (a companion beyond the run) is taken up by the trend, not by the planet; a
// quadratic trend is recovered as half the second derivative.
TEST(FitChoices, TrendIsFittedBesideThePlanet) {
    const TRadialVelocityElements truth{12.0, 30.0, 0.1, 1.0, 2450001.0};
    const auto data = Observe(std::span(&truth, 1), 120, 400.0, 2.0, 21, {{}}, 0.05);
    fit::TFitSettings linear;
    linear.trendOrder = 1;
    const fit::TFitResult withTrend = fit::FitOneMorePlanet(data, {}, 12.01, linear);
    const fit::TFitResult without = fit::FitOneMorePlanet(data, {}, 12.01, {});
    ASSERT_EQ(withTrend.outcome, fit::TFitOutcome::Done);
    const fit::TOrbitSolution& s = withTrend.solution;
    EXPECT_LT(Sigmas(s.trend_mps_per_day, 0.05), 3.0) << fit::WithUncertainty(s.trend_mps_per_day);
    EXPECT_LT(Sigmas(s.planets[0].period_days, 12.0), 3.0);
    EXPECT_LT(s.reducedChiSquare, 1.5);
    EXPECT_GT(without.solution.reducedChiSquare, 5.0);
    EXPECT_LT(s.bic, without.solution.bic - 10.0);

    // v = 0.05 (t - t0) - 2e-4 (t - t0)^2 over the same run.
    auto curved = data;
    for (fit::TMeasurement& m : curved)
        m.v_mps -= 2e-4 * (m.t_days - 2450000.0) * (m.t_days - 2450000.0);
    fit::TFitSettings quadratic;
    quadratic.trendOrder = 2;
    const fit::TOrbitSolution q = fit::FitOneMorePlanet(curved, {}, 12.01, quadratic).solution;
    EXPECT_LT(Sigmas(q.curvature_mps_per_day2, -2e-4), 3.0)
        << fit::WithUncertainty(q.curvature_mps_per_day2);
    const double t = 2450300.0;
    EXPECT_NEAR(q.Velocity_mps(t) - kepler::RadialVelocity_mps(q.planets[0].elements, t),
                q.offsets_mps[0].value + 0.05 * (t - 2450000.0) -
                    2e-4 * (t - 2450000.0) * (t - 2450000.0),
                3.0);
}

// A fixed element stays where it was put and carries no uncertainty; the others are fitted.
TEST(FitChoices, FixedElementsStayPut) {
    const TRadialVelocityElements truth{9.0, 25.0, 0.0, 0.0, 2450002.0};
    const auto data = Observe(std::span(&truth, 1), 60, 100.0, 2.0, 31);
    fit::TFitSettings settings;
    settings.fixed = {{.period = true, .eccentricity = true}};
    TRadialVelocityElements start = truth;
    start.period_days = 9.002;
    start.K_mps = 10.0;
    const fit::TOrbitSolution s = fit::FitFrom(data, std::span(&start, 1), settings).solution;
    EXPECT_DOUBLE_EQ(s.planets[0].period_days.value, 9.002);
    EXPECT_TRUE(s.planets[0].period_days.fixed);
    EXPECT_EQ(s.planets[0].elements.ecc, 0.0);
    EXPECT_FALSE(s.planets[0].K_mps.fixed);
    EXPECT_GT(s.planets[0].K_mps.value, 15.0);
    EXPECT_EQ(s.parameters, 3); // K, the phase, the offset
    EXPECT_EQ(fit::WithUncertainty(s.planets[0].period_days), "9.002 (fixed)");
}

// Two instruments with their own zero points and jitters: the offsets and jitters are found
// for each, and the planet is fitted through both.
TEST(FitChoices, EachInstrumentHasItsOffsetAndJitter) {
    const TRadialVelocityElements truth{7.0, 20.0, 0.2, 1.0, 2450001.0};
    const auto data = Observe(std::span(&truth, 1), 400, 300.0, 2.0, 41,
                              {{100.0, 3.0}, {-50.0, 9.0}});
    fit::TFitSettings settings;
    settings.fitJitter = true;
    const fit::TFitResult result = fit::FitOneMorePlanet(data, {}, 7.01, settings);
    ASSERT_EQ(result.outcome, fit::TFitOutcome::Done);
    const fit::TOrbitSolution& s = result.solution;
    ASSERT_EQ(s.offsets_mps.size(), 2u);
    EXPECT_LT(Sigmas(s.offsets_mps[0], 100.0), 3.0);
    EXPECT_LT(Sigmas(s.offsets_mps[1], -50.0), 3.0);
    EXPECT_LT(Sigmas(s.jitters_mps[0], 3.0), 3.0) << fit::WithUncertainty(s.jitters_mps[0]);
    EXPECT_LT(Sigmas(s.jitters_mps[1], 9.0), 3.0) << fit::WithUncertainty(s.jitters_mps[1]);
    EXPECT_LT(Sigmas(s.planets[0].K_mps, 20.0), 3.0);
    EXPECT_EQ(s.parameters, 5 + 2 + 2);
    // The likelihood with each jitter in its log term, at the reported numbers.
    double minusTwoLnL = 0.0;
    for (const fit::TMeasurement& m : data) {
        const double v = m.error_mps * m.error_mps + std::pow(s.jitters_mps[m.instrument].value, 2);
        const double r = m.v_mps - s.Velocity_mps(m.t_days, m.instrument);
        minusTwoLnL += r * r / v + std::log(2.0 * M_PI * v);
    }
    EXPECT_NEAR(s.minusTwoLnL, minusTwoLnL, 1e-6 * std::abs(minusTwoLnL));
    EXPECT_NEAR(s.bic, minusTwoLnL + 9.0 * std::log(400.0), 1e-6 * std::abs(minusTwoLnL));
}

TEST(FitChoices, JitterMaximisesTheLikelihood) {
    const std::vector<double> r2 = {30.0, 2.0, 15.0, 40.0, 1.0};
    const std::vector<double> e2 = {4.0, 1.0, 9.0, 4.0, 1.0};
    const double s = fit::MaximumLikelihoodJitter(r2, e2);
    const auto lnL = [&](double jitter) {
        double sum = 0.0;
        for (std::size_t i = 0; i < r2.size(); ++i) {
            const double v = e2[i] + jitter * jitter;
            sum -= 0.5 * (r2[i] / v + std::log(v));
        }
        return sum;
    };
    EXPECT_GT(s, 1.0);
    EXPECT_GT(lnL(s), lnL(s * 1.001));
    EXPECT_GT(lnL(s), lnL(s * 0.999));
    // Scatter the errors explain: no jitter, and an uncertainty without bound.
    EXPECT_EQ(fit::MaximumLikelihoodJitter(std::vector<double>{1.0, 0.5}, std::vector<double>{4.0, 4.0}), 0.0);
    EXPECT_TRUE(std::isinf(fit::JitterUncertainty(0.0, e2)));
}

// With n equal errors sigma the fitted variance v = sigma^2 + s^2 is a sample variance, whose
// spread is v sqrt(2 / n); carried to s by ds = dv / (2 s) that is v / (s sqrt(2 n)).
TEST(FitChoices, JitterUncertaintyIsThatOfASampleVariance) {
    const std::vector<double> e2(8, 4.0);
    const double s = 3.0, v = 4.0 + 9.0;
    EXPECT_NEAR(fit::JitterUncertainty(s, e2), v / (s * std::sqrt(2.0 * 8.0)), 1e-12);
}

// Two circular planets at 2:1: the periodogram's peaks lead to one of them, and a period the
// student types finds the other, each with a delta BIC and false-alarm probability that
// call it real.
TEST(FitChoices, TypedPeriodFindsTheSecondPlanetOfAResonantPair) {
    const TRadialVelocityElements truth[] = {{20.0, 30.0, 0.0, 0.0, 2450003.0},
                                             {40.0, 25.0, 0.0, 0.0, 2450011.0}};
    const auto data = Observe(truth, 150, 400.0, 3.0, 51);
    const fit::TPlanetSearch first = fit::FitNextPlanet(data, {}, 2.0, {});
    ASSERT_EQ(first.fit.outcome, fit::TFitOutcome::Done);
    EXPECT_LT(first.deltaBic, -10.0);
    EXPECT_LT(first.falseAlarm, 1e-3);
    const std::vector<TRadialVelocityElements> known = {first.fit.solution.planets[0].elements};
    const double other = std::abs(known[0].period_days - 20.0) < 1.0 ? 40.0 : 20.0;
    const fit::TPlanetSearch second = fit::FitPlanetAtPeriod(data, known, other, 2.0, {});
    ASSERT_EQ(second.fit.outcome, fit::TFitOutcome::Done);
    std::vector<double> periods;
    for (const fit::TFittedPlanet& p : second.fit.solution.planets)
        periods.push_back(p.elements.period_days);
    std::sort(periods.begin(), periods.end());
    EXPECT_NEAR(periods[0], 20.0, 0.05);
    EXPECT_NEAR(periods[1], 40.0, 0.1);
    EXPECT_LT(second.deltaBic, -10.0);
    EXPECT_LT(second.falseAlarm, 1e-3);
    EXPECT_NEAR(second.before.minusTwoLnL, first.fit.solution.minusTwoLnL,
                1e-3 * std::abs(first.fit.solution.minusTwoLnL));

    // Noise alone: no strong evidence for a planet, and a peak that noise makes often.
    const auto noise = Observe({}, 60, 100.0, 3.0, 52);
    const fit::TPlanetSearch none = fit::FitNextPlanet(noise, {}, 2.0, {});
    ASSERT_EQ(none.fit.outcome, fit::TFitOutcome::Done);
    EXPECT_GT(none.deltaBic, -10.0);
    EXPECT_GT(none.falseAlarm, 0.01) << none.deltaBic;
}

// Constant velocities leave rounding noise only: a flat periodogram without a peak, and no
// period to seek, at any offset a spectrograph reports.
TEST(FitChoices, ConstantVelocitiesHaveNoPeak) {
    for (double offset : {0.0, -33052.9, 1e7}) {
        std::vector<fit::TMeasurement> data;
        for (int i = 0; i < 40; ++i)
            data.push_back({2450000.0 + 1.37 * i + 0.1 * std::sin(i), offset, 1.0 + 0.01 * i});
        observing::TPeriodogram periodogram;
        ASSERT_TRUE(observing::Compute(data, observing::GridFor(observing::Span(data), 1.0), false,
                                       periodogram));
        for (double p : periodogram.power)
            ASSERT_EQ(p, 0.0) << offset;
        EXPECT_FALSE(periodogram.peak.found);
        EXPECT_EQ(periodogram.falseAlarm, 1.0);
        const fit::TPlanetSearch search = fit::FitNextPlanet(data, {}, 1.0, {});
        EXPECT_EQ(search.fit.outcome, fit::TFitOutcome::Refused);
        EXPECT_EQ(search.fit.message, "What is left of the velocities does not vary at all, so "
                                      "no period can be sought.");
    }
}

// A systemic velocity of tens of km/s, Julian dates and a second instrument 10 km/s away:
// the fit's numbers stay as good as near zero.
TEST(FitChoices, LargeOffsetsAndDatesDoNotCostPrecision) {
    const TRadialVelocityElements truth{4.23, 56.0, 0.0, 0.0, 2450001.0};
    const auto data = Observe(std::span(&truth, 1), 200, 3000.0, 5.0, 61,
                              {{-33252.0, 0.0}, {-23252.0, 0.0}});
    const fit::TPlanetSearch search = fit::FitNextPlanet(data, {}, 1.0, {});
    ASSERT_EQ(search.fit.outcome, fit::TFitOutcome::Done);
    const fit::TOrbitSolution& s = search.fit.solution;
    EXPECT_LT(Sigmas(s.planets[0].period_days, 4.23), 3.0);
    EXPECT_LT(Sigmas(s.planets[0].K_mps, 56.0), 3.0);
    EXPECT_LT(Sigmas(s.offsets_mps[1], -23252.0), 3.0);
    EXPECT_LT(s.reducedChiSquare, 1.3);
}
