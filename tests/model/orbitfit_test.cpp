// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/OrbitFit.h"
#include "model/orbit/Angles.h"

#include "model/orbit/Kepler.h"
#include "model/fit/PlanetMass.h"
#include "model/orbit/planet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace {

using kepler::TRadialVelocityElements;

// Seeded measurements: times spread at random over the span, velocities from the planets
// plus an offset, with normal errors of sigma (none when noiseFree).
std::vector<fit::TMeasurement> Observe(std::span<const TRadialVelocityElements> planets, int count,
                                       double span_days, double sigma, std::uint64_t seed,
                                       bool noiseFree = false, double offset = 3.0,
                                       double start_days = 2450000.0) {
    observing::TDeviates random(seed);
    std::vector<fit::TMeasurement> data;
    for (int i = 0; i < count; ++i) {
        const double t = start_days + span_days * random.Uniform();
        const double noise = noiseFree ? 0.0 : sigma * random.Normal();
        data.push_back({t, offset + kepler::RadialVelocity_mps(planets, t) + noise, sigma});
    }
    return data;
}

double AngleBetween(double a, double b) {
    return std::abs(std::remainder(a - b, TwoPi));
}

} // namespace

struct TNoiseFreeCase {
    const char* name;
    TRadialVelocityElements truth;
};

class NoiseFreeFit : public ::testing::TestWithParam<TNoiseFreeCase> {};

// Without noise the minimum is the truth itself; a wrong derivative, a lost start or a
// mangled conversion to the elements shows as a miss far above 1e-6.
TEST_P(NoiseFreeFit, RecoversTheElements) {
    const TRadialVelocityElements truth = GetParam().truth;
    const auto data = Observe(std::span(&truth, 1), 40, 5.3 * truth.period_days, 5.0, 7, true);
    const fit::TFitResult result =
        fit::FitOneMorePlanet(data, {}, truth.period_days * 1.003, fit::TFitSettings{});
    ASSERT_EQ(result.outcome, fit::TFitOutcome::Done);
    ASSERT_EQ(result.solution.planets.size(), 1u);
    const TRadialVelocityElements& got = result.solution.planets[0].elements;
    EXPECT_NEAR(got.period_days / truth.period_days, 1.0, 1e-6);
    EXPECT_NEAR(got.K_mps / truth.K_mps, 1.0, 1e-6);
    if (truth.ecc == 0.0) {
        EXPECT_LT(got.ecc, 1e-6);
    } else {
        EXPECT_NEAR(got.ecc / truth.ecc, 1.0, 1e-6);
        EXPECT_LT(AngleBetween(got.omega_rad, truth.omega_rad), 1e-6);
        EXPECT_LT(std::abs(std::remainder(got.tPeri_days - truth.tPeri_days, truth.period_days)),
                  1e-6 * truth.period_days);
    }
    EXPECT_NEAR(result.solution.offset_mps.value, 3.0, 1e-6 * truth.K_mps);
    EXPECT_LT(result.solution.rms_mps, 1e-6 * truth.K_mps);
}

INSTANTIATE_TEST_SUITE_P(
    OrbitFit, NoiseFreeFit,
    ::testing::Values(TNoiseFreeCase{"Circular", {4.23, 56.0, 0.0, 0.0, 2450001.3}},
                      TNoiseFreeCase{"Eccentric03", {116.7, 310.0, 0.3, 1.2, 2450040.0}},
                      TNoiseFreeCase{"Eccentric03Opposite", {12.0, 20.0, 0.3, 4.4, 2450003.0}},
                      TNoiseFreeCase{"Eccentric08", {111.4, 470.0, 0.8, 5.9, 2450020.0}},
                      TNoiseFreeCase{"Eccentric08Edge", {30.0, 15.0, 0.8, 3.14, 2450029.0}}),
    [](const auto& info) { return std::string(info.param.name); });

// The quoted 1-sigma uncertainties must mean what they say: over 200 seeded observing runs
// of 40 nights in 60 days at sigma = 5 m/s the truth lies within 3 sigma of the fit in at least 95 % of them
// (for Gaussian errors 99.7 %). Too small an uncertainty (a dropped scale factor, a wrong
// derivative in the propagation) fails this; so does a fit that misses the minimum.
TEST(OrbitFit, TruthLiesWithinThreeSigmaInNineteenRunsOfTwenty) {
    const TRadialVelocityElements truth{14.7, 40.0, 0.3, 2.0, 2450005.0};
    const double starMass = 1.1;
    fit::TFitSettings settings;
    settings.starMass_Solar = starMass;
    const double trueMass = fit::PlanetMass(truth.period_days, truth.K_mps, truth.ecc, starMass)
                                .massSinI_Solar *
                            JupiterMassesPerSolarMass;
    int covered[6] = {};
    const char* names[6] = {"P", "K", "e", "omega", "tPeri", "m sin i"};
    constexpr int Runs = 200;
    for (int run = 0; run < Runs; ++run) {
        observing::TObservingPlan plan;
        plan.seed = 1000 + run;
        const auto data = observing::Observe(plan, std::span(&truth, 1));
        const fit::TFitResult result =
            fit::FitOneMorePlanet(data, {}, truth.period_days * 1.004, settings);
        ASSERT_EQ(result.outcome, fit::TFitOutcome::Done);
        const fit::TFittedPlanet& p = result.solution.planets[0];
        const auto within = [](double distance, double sigma) { return distance <= 3.0 * sigma; };
        covered[0] += within(std::abs(p.period_days.value - truth.period_days), p.period_days.sigma);
        covered[1] += within(std::abs(p.K_mps.value - truth.K_mps), p.K_mps.sigma);
        covered[2] += within(std::abs(p.ecc.value - truth.ecc), p.ecc.sigma);
        covered[3] += within(AngleBetween(p.omega_rad.value, truth.omega_rad), p.omega_rad.sigma);
        covered[4] += within(std::abs(std::remainder(p.tPeri_days.value - truth.tPeri_days,
                                                     truth.period_days)),
                             p.tPeri_days.sigma);
        covered[5] += within(std::abs(p.massSinI_Jupiter.value - trueMass), p.massSinI_Jupiter.sigma);
    }
    for (int i = 0; i < 6; ++i) {
        std::printf("%s: truth within 3 sigma in %d of %d runs\n", names[i], covered[i], Runs);
        EXPECT_GE(covered[i], 190) << names[i];
    }
}

// "Two planets" of the book: Mondas at 10 AU and Vulcan at 2.6 AU, one Jupiter mass each
// about one solar mass. The stronger Vulcan is fitted first, then Mondas beside it; both
// come back within their uncertainties and both weigh one Jupiter mass.
TEST(OrbitFit, MondasAndVulcanComeBackPlanetByPlanet) {
    TPlanet mondas, vulcan;
    mondas.a = 10.0;
    vulcan.a = 2.6;
    const std::vector<TRadialVelocityElements> truth{kepler::ElementsOf(vulcan, 1.0),
                                                     kepler::ElementsOf(mondas, 1.0)};
    const auto data = Observe(truth, 80, 30000.0, 2.0, 42, false, 0.0, 0.0);
    const fit::TFitSettings settings;

    const fit::TFitResult first =
        fit::FitOneMorePlanet(data, {}, truth[0].period_days * 1.01, settings);
    ASSERT_EQ(first.outcome, fit::TFitOutcome::Done);
    EXPECT_NEAR(first.solution.planets[0].period_days.value / truth[0].period_days, 1.0, 0.01);
    EXPECT_GT(first.solution.rms_mps, 4.0) << "Mondas is still in the residuals";

    const kepler::TRadialVelocityElements vulcanFit = first.solution.planets[0].elements;
    const fit::TFitResult both =
        fit::FitOneMorePlanet(data, std::span(&vulcanFit, 1), truth[1].period_days * 1.02, settings);
    ASSERT_EQ(both.outcome, fit::TFitOutcome::Done);
    ASSERT_EQ(both.solution.planets.size(), 2u);
    EXPECT_LT(both.solution.rms_mps, 2.5);
    for (int j = 0; j < 2; ++j) {
        SCOPED_TRACE(j == 0 ? "Vulcan" : "Mondas");
        const fit::TFittedPlanet& p = both.solution.planets[j];
        EXPECT_LT(std::abs(p.period_days.value - truth[j].period_days), 3.0 * p.period_days.sigma);
        EXPECT_LT(std::abs(p.K_mps.value - truth[j].K_mps), 3.0 * p.K_mps.sigma);
        EXPECT_LT(std::abs(p.massSinI_Jupiter.value - 1.0), 3.0 * p.massSinI_Jupiter.sigma);
        EXPECT_NEAR(p.massSinI_Jupiter.value, 1.0, 0.1);
    }
}

namespace {

// Every number of a solution is a number, every eccentricity below the bound.
void ExpectSound(const fit::TOrbitSolution& s) {
    const auto sound = [](const fit::TEstimate& x) {
        return std::isfinite(x.value) && !std::isnan(x.sigma) && x.sigma >= 0.0;
    };
    EXPECT_TRUE(sound(s.offset_mps));
    EXPECT_TRUE(std::isfinite(s.rms_mps) && std::isfinite(s.chiSquare) &&
                std::isfinite(s.reducedChiSquare) && std::isfinite(s.jitter_mps));
    for (const fit::TFittedPlanet& p : s.planets) {
        for (const fit::TEstimate* x : {&p.period_days, &p.K_mps, &p.ecc, &p.omega_rad,
                                        &p.tPeri_days, &p.massSinI_Jupiter, &p.massSinI_Earth,
                                        &p.a_AU})
            EXPECT_TRUE(sound(*x)) << x->value << " +- " << x->sigma;
        EXPECT_LT(p.elements.ecc, MaxEccentricity);
        EXPECT_GE(p.K_mps.value, 0.0);
    }
}

} // namespace

struct TDegenerateCase {
    const char* name;
    std::vector<fit::TMeasurement> data;
};

class DegenerateData : public ::testing::TestWithParam<TDegenerateCase> {};

// Data that cannot fix an orbit still give numbers (an unconstrained one with an infinite
// uncertainty), never a NaN and never e >= 0.95, with and without the jitter.
TEST_P(DegenerateData, GiveSoundNumbers) {
    for (const bool jitter : {false, true}) {
        SCOPED_TRACE(jitter ? "with jitter" : "without jitter");
        fit::TFitSettings settings;
        settings.fitJitter = jitter;
        const fit::TFitResult result = fit::FitOneMorePlanet(GetParam().data, {}, 3.7, settings);
        ASSERT_EQ(result.outcome, fit::TFitOutcome::Done);
        ExpectSound(result.solution);
        const kepler::TRadialVelocityElements wild{3.7, 50.0, 0.99, 1.0, 0.0};
        const fit::TFitResult from = fit::FitFrom(GetParam().data, std::span(&wild, 1), settings);
        ASSERT_EQ(from.outcome, fit::TFitOutcome::Done);
        ExpectSound(from.solution);
    }
}

namespace {

std::vector<fit::TMeasurement> AllEqual() {
    std::vector<fit::TMeasurement> data;
    for (int i = 0; i < 20; ++i)
        data.push_back({1.7 * i * i, 12.0, 2.0});
    return data;
}

std::vector<fit::TMeasurement> OneNightRepeated() {
    std::vector<fit::TMeasurement> data;
    for (int i = 0; i < 12; ++i)
        data.push_back({2450100.5, (i % 3) * 4.0 - 1.0, 3.0});
    return data;
}

std::vector<fit::TMeasurement> OneNightSpread() {
    std::vector<fit::TMeasurement> data;
    for (int i = 0; i < 12; ++i)
        data.push_back({2450100.5 + 0.02 * i, 5.0 * std::sin(i * 1.3), 3.0});
    return data;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(OrbitFit, DegenerateData,
                         ::testing::Values(TDegenerateCase{"AllPointsEqual", AllEqual()},
                                           TDegenerateCase{"OneNightRepeated", OneNightRepeated()},
                                           TDegenerateCase{"OneNightSpread", OneNightSpread()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OrbitFit, TooFewMeasurementsAreRefusedWithTheCount) {
    const std::vector<fit::TMeasurement> two{{0.0, 1.0, 1.0}, {1.0, 2.0, 1.0}};
    const fit::TFitResult result = fit::FitOneMorePlanet(two, {}, 3.0, fit::TFitSettings{});
    EXPECT_EQ(result.outcome, fit::TFitOutcome::Refused);
    EXPECT_EQ(result.message, "Fitting 1 planet needs at least 7 measurements; there are 2.");

    const TRadialVelocityElements one{3.0, 10.0, 0.0, 0.0, 0.0};
    const auto data = Observe(std::span(&one, 1), 12, 30.0, 1.0, 5);
    fit::TFitSettings withJitter;
    withJitter.fitJitter = true;
    EXPECT_EQ(fit::FitOneMorePlanet(data, std::span(&one, 1), 7.0, withJitter).message,
              "Fitting 2 planets needs at least 13 measurements; there are 12.");
    EXPECT_EQ(fit::Refusal(Observe(std::span(&one, 1), 13, 30.0, 1.0, 5), 2, withJitter), "");
    const std::vector<TRadialVelocityElements> four(4, one);
    EXPECT_EQ(fit::FitOneMorePlanet(data, four, 7.0, fit::TFitSettings{}).message,
              "At most four planets can be fitted.");

    // Each instrument costs an offset: at most as many as a data set may name.
    std::vector<fit::TMeasurement> many;
    for (int i = 0; i < 2 * 65; ++i)
        many.push_back({double(i), double(i % 7), 1.0, i % 65});
    EXPECT_EQ(fit::FitFrom(many, std::span(&one, 1), {}).message,
              "At most 64 instruments can be fitted; there are 65.");
    for (fit::TMeasurement& m : many)
        m.instrument %= 64;
    EXPECT_EQ(fit::Refusal(many, 1, {}), "");
}

// A start whose period lies beyond any the fit can work from (e^40 times the span) leaves
// nothing to polish or describe: a refusal with its reason, with and without the jitter.
TEST(OrbitFit, AStartNoOrbitCanComeFromIsRefusedWithItsReason) {
    const TRadialVelocityElements one{3.0, 10.0, 0.0, 0.0, 0.0};
    const auto data = Observe(std::span(&one, 1), 30, 30.0, 1.0, 6);
    const TRadialVelocityElements far{1e30, 10.0, 0.0, 0.0, 0.0};
    for (const bool jitter : {false, true}) {
        fit::TFitSettings settings;
        settings.fitJitter = jitter;
        const fit::TFitResult result = fit::FitFrom(data, std::span(&far, 1), settings);
        EXPECT_EQ(result.outcome, fit::TFitOutcome::Refused);
        EXPECT_EQ(result.message, "No orbit could be fitted: the search started from a period or "
                                  "shape beyond what these measurements can tell.");
    }
}

// Errors quoted too small (2 m/s against a scatter of about 6.3 m/s): the uncertainties are
// scaled by sqrt(reduced chi^2) to what honest errors give; or, with the jitter fitted by
// maximum likelihood, the jitter added in quadrature brings chi^2 to the number of
// measurements.
TEST(OrbitFit, UnderstatedErrorsAreScaledOrTakenUpByTheJitter) {
    const TRadialVelocityElements truth{8.4, 25.0, 0.1, 1.0, 2450002.0};
    const double scatter = std::sqrt(40.0);
    auto honest = Observe(std::span(&truth, 1), 60, 90.0, scatter, 77);
    auto understated = honest;
    for (fit::TMeasurement& m : understated)
        m.error_mps = 2.0;
    const double P0 = truth.period_days * 1.003;
    const fit::TOrbitSolution h = fit::FitOneMorePlanet(honest, {}, P0, {}).solution;
    const fit::TOrbitSolution u = fit::FitOneMorePlanet(understated, {}, P0, {}).solution;
    EXPECT_GT(u.reducedChiSquare, 5.0);
    EXPECT_NEAR(u.planets[0].period_days.value, h.planets[0].period_days.value, 1e-9);
    for (const auto member : {&fit::TFittedPlanet::period_days, &fit::TFittedPlanet::K_mps,
                              &fit::TFittedPlanet::massSinI_Jupiter}) {
        const double ratio = (u.planets[0].*member).sigma / (h.planets[0].*member).sigma;
        EXPECT_GT(ratio, 0.8);
        EXPECT_LT(ratio, 1.25);
    }

    fit::TFitSettings settings;
    settings.fitJitter = true;
    const fit::TOrbitSolution j = fit::FitOneMorePlanet(understated, {}, P0, settings).solution;
    EXPECT_EQ(j.degreesOfFreedom, 60 - 7);
    EXPECT_NEAR(j.chiSquare, 60.0, 1e-6);
    // With equal errors the likelihood is largest where 2^2 + s^2 = rms^2.
    EXPECT_NEAR(j.jitter_mps, std::sqrt(j.rms_mps * j.rms_mps - 4.0), 1e-6);
    EXPECT_NEAR(j.jitter_mps, std::sqrt(40.0 - 4.0), 1.0);
}

// A fit stopped through its flag ends soon and hands back no planets, so that the caller
// keeps what it showed before; the progress it reported until then only grew.
TEST(OrbitFit, CancelStopsWithoutAResult) {
    const TRadialVelocityElements truth{8.4, 25.0, 0.5, 1.0, 2450002.0};
    const auto data = Observe(std::span(&truth, 1), 60, 90.0, 3.0, 78);
    std::atomic<bool> cancel{false};
    std::vector<double> reported;
    TWorkControl control;
    control.cancel = &cancel;
    control.progress = [&](double share) {
        reported.push_back(share);
        if (reported.size() == 3)
            cancel = true;
    };
    const fit::TFitResult stopped = fit::FitOneMorePlanet(data, {}, 8.4, {}, control);
    EXPECT_EQ(stopped.outcome, fit::TFitOutcome::Cancelled);
    EXPECT_TRUE(stopped.solution.planets.empty());
    EXPECT_LE(reported.size(), 4u);

    reported.clear();
    cancel = false;
    control.progress = [&](double share) { reported.push_back(share); };
    const fit::TFitResult done = fit::FitOneMorePlanet(data, {}, 8.4, {}, control);
    EXPECT_EQ(done.outcome, fit::TFitOutcome::Done);
    ASSERT_FALSE(reported.empty());
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_EQ(reported.back(), 1.0);

    cancel = true;
    EXPECT_EQ(fit::FitFrom(data, std::span(&truth, 1), {}, control).outcome,
              fit::TFitOutcome::Cancelled);

    // A stop asked for as the last step ends is not followed by describing the fit.
    cancel = false;
    control.progress = [&](double share) { cancel = cancel || share == 1.0; };
    EXPECT_EQ(fit::FitFrom(data, std::span(&truth, 1), {}, control).outcome,
              fit::TFitOutcome::Cancelled);
    cancel = false;
    EXPECT_EQ(fit::FitOneMorePlanet(data, {}, 8.4, {}, control).outcome,
              fit::TFitOutcome::Cancelled);
}

// The readout of a fit by hand: the best offset and the rms about it.
TEST(OrbitFit, SpreadAboutTheCurveByHand) {
    const TRadialVelocityElements truth{8.4, 25.0, 0.5, 1.0, 2450002.0};
    const auto data = Observe(std::span(&truth, 1), 30, 90.0, 3.0, 79, true, -7.5);
    const fit::TResidualSpread exact = fit::SpreadAbout(data, std::span(&truth, 1));
    EXPECT_NEAR(exact.offset_mps, -7.5, 1e-9);
    EXPECT_NEAR(exact.rms_mps, 0.0, 1e-9);
    TRadialVelocityElements off = truth;
    off.K_mps = 20.0;
    EXPECT_GT(fit::SpreadAbout(data, std::span(&off, 1)).rms_mps, 1.0);
}
