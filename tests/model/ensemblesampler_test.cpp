// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/posterior/Autocorrelation.h"
#include "model/posterior/EnsembleSampler.h"
#include "model/orbit/Kepler.h"
#include "model/observing/ObservingRun.h"
#include "model/fit/OrbitFit.h"
#include "model/posterior/OrbitPosterior.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <numeric>
#include <random>

using namespace posterior;

namespace {

double Mean(const std::vector<double>& x) {
    return std::accumulate(x.begin(), x.end(), 0.0) / double(x.size());
}

double Covariance(const std::vector<double>& x, const std::vector<double>& y) {
    const double mx = Mean(x), my = Mean(y);
    double sum = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i)
        sum += (x[i] - mx) * (y[i] - my);
    return sum / double(x.size() - 1);
}

// A Gaussian of means (1, -2), sigmas (1, 3) and correlation 0.8, whose parameters lie along a
// narrow slanted valley: what the stretch move is made for.
double Valley(std::span<const double> p) {
    const double a = p[0] - 1.0, b = (p[1] + 2.0) / 3.0, rho = 0.8;
    return -0.5 * (a * a - 2 * rho * a * b + b * b) / (1 - rho * rho);
}

std::vector<std::vector<double>> Ball(int walkers, std::vector<double> centre, double width,
                                      unsigned seed) {
    std::mt19937 random(seed);
    std::normal_distribution<double> normal(0.0, width);
    std::vector<std::vector<double>> start(std::size_t(walkers), centre);
    for (auto& walker : start)
        for (double& x : walker)
            x += normal(random);
    return start;
}

} // namespace

TEST(EnsembleSampler, DrawsFromAnAwkwardGaussianAndSaysWhenItHasConverged) {
    const TSamplerSettings settings{.walkers = 16, .maxSteps = 40'000, .checkEvery = 500, .seed = 7};
    const TChain chain = Sample(Valley, Ball(16, {0.0, 0.0}, 0.01, 1), settings);
    ASSERT_TRUE(chain.converged);
    EXPECT_LT(chain.steps, settings.maxSteps);
    const double longest = std::max(chain.tau[0], chain.tau[1]);
    EXPECT_GT(double(chain.steps), settings.convergedLengths * longest);
    EXPECT_GT(chain.tau[0], 1.0);
    EXPECT_GT(chain.acceptance, 0.3);
    EXPECT_LT(chain.acceptance, 0.9);
    const std::vector<std::vector<double>> draws = chain.Draws();
    ASSERT_GT(draws[0].size(), 2000u);
    // Independent draws number about N / tau; the bounds are several of their standard errors.
    EXPECT_NEAR(Mean(draws[0]), 1.0, 0.1);
    EXPECT_NEAR(Mean(draws[1]), -2.0, 0.3);
    EXPECT_NEAR(std::sqrt(Covariance(draws[0], draws[0])), 1.0, 0.08);
    EXPECT_NEAR(std::sqrt(Covariance(draws[1], draws[1])), 3.0, 0.25);
    EXPECT_NEAR(Covariance(draws[0], draws[1]) / 3.0, 0.8, 0.06);
}

TEST(EnsembleSampler, TheSeedAloneMakesTheChainAndThePriorIsNeverLeft) {
    // A half-normal: nothing below 0.
    const TLogDensity halfNormal = [](std::span<const double> p) {
        return p[0] < 0.0 ? -std::numeric_limits<double>::infinity() : -0.5 * p[0] * p[0];
    };
    const TSamplerSettings settings{.walkers = 8, .maxSteps = 300, .checkEvery = 100, .seed = 3};
    const auto start = Ball(8, {0.5}, 0.1, 2);
    const TChain a = Sample(halfNormal, start, settings), b = Sample(halfNormal, start, settings);
    EXPECT_EQ(a.positions, b.positions);
    EXPECT_EQ(a.logDensity, b.logDensity);
    TSamplerSettings other = settings;
    other.seed = 4;
    EXPECT_NE(Sample(halfNormal, start, other).positions, a.positions);
    EXPECT_GE(*std::min_element(a.positions.begin(), a.positions.end()), 0.0);
    EXPECT_FALSE(a.converged) << "300 steps are not 50 autocorrelation times";
    EXPECT_EQ(a.steps, 300);

    std::atomic<bool> stop{true};
    const TChain stopped = Sample(halfNormal, start, settings, {&stop, {}});
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.steps, 1);
}

// An AR(1) series x_t = phi x_{t-1} + noise has tau = (1 + phi) / (1 - phi); white noise 1.
TEST(Autocorrelation, TheIntegratedTimeOfSeriesWhoseTimeIsKnown) {
    for (const double phi : {0.0, 0.5, 0.9}) {
        SCOPED_TRACE(phi);
        std::mt19937 random(11);
        std::normal_distribution<double> noise(0.0, 1.0);
        std::vector<std::vector<double>> series(8, std::vector<double>(20'000));
        for (auto& walker : series) {
            double x = 0.0;
            for (double& v : walker)
                v = x = phi * x + noise(random);
        }
        const double expected = (1 + phi) / (1 - phi);
        EXPECT_NEAR(IntegratedAutocorrelationTime(series), expected, 0.1 * expected);
    }
    const std::vector<std::vector<double>> still(2, std::vector<double>(100, 4.0));
    EXPECT_EQ(IntegratedAutocorrelationTime(still), 1.0);
}

// A well-measured planet: the posterior's 68 % intervals hold the fit's maximum and are about
// as wide as its linearised sigmas; the priors hold (no K below 0, no e at 0.99 or more, no
// jitter below 0).
TEST(OrbitPosterior, AWellMeasuredPlanetsSpreadIsTheFitsSigma) {
    const kepler::TRadialVelocityElements truth{12.3, 25.0, 0.3, 1.0, 2450003.0};
    observing::TDeviates random(5);
    std::vector<fit::TMeasurement> data;
    for (int i = 0; i < 40; ++i) {
        const double t = 2450000.0 + 200.0 * random.Uniform();
        data.push_back({t, 4.0 + kepler::RadialVelocity_mps(truth, t) + 3.0 * random.Normal(), 2.0,
                        i % 2});
    }
    fit::TFitSettings settings;
    settings.fitJitter = true;
    const fit::TFitResult result = fit::FitFrom(data, std::span(&truth, 1), settings);
    ASSERT_EQ(result.outcome, fit::TFitOutcome::Done) << result.message;
    const fit::TOrbitSolution& best = result.solution;
    const TOrbitPosterior posterior(data, best, settings);
    EXPECT_EQ(posterior.Dimension(), 5 + 2 + 2);
    const std::vector<double> top = posterior.AtMaximum();
    ASSERT_TRUE(std::isfinite(posterior.LogDensity(top)));
    for (const auto& [index, value] : {std::pair{1, -0.1}, {2, 1.0}, {7, -0.1}, {0, 1e-310}}) {
        std::vector<double> outside = top;
        outside[std::size_t(index)] = value;
        EXPECT_EQ(posterior.LogDensity(outside), -std::numeric_limits<double>::infinity()) << index;
    }
    // A fit far outside the priors, with an unbounded sigma, gives up drawing its ball.
    fit::TOrbitSolution lost = best;
    lost.planets[0].elements.K_mps = -1e6;
    lost.planets[0].K_mps = {-1e6, std::numeric_limits<double>::infinity(), -1e7, 0.0, false};
    EXPECT_LT(TOrbitPosterior(data, lost, settings).StartingBall(24, 1).size(), 24u);

    // A chain of fixed length, long against its autocorrelation time: enough for the spread.
    const TSamplerSettings sampling{.walkers = 24, .maxSteps = 3000, .checkEvery = 1000, .seed = 9};
    const TChain chain = Sample([&](std::span<const double> x) { return posterior.LogDensity(x); },
                                posterior.StartingBall(24, 1), sampling);
    ASSERT_GT(chain.steps, 20 * *std::max_element(chain.tau.begin(), chain.tau.end()));
    const TPosteriorSummary summary = Summarise(posterior, chain);
    ASSERT_EQ(summary.planets.size(), 1u);
    ASSERT_EQ(summary.jitters_mps.size(), 2u);
    const auto within = [](const TInterval& i, const fit::TEstimate& e, const char* name) {
        SCOPED_TRACE(name);
        EXPECT_LT(i.low, e.value);
        EXPECT_GT(i.high, e.value);
        const double halfWidth = (i.high - i.low) / 2.0;
        EXPECT_GT(halfWidth, 0.7 * e.sigma);
        EXPECT_LT(halfWidth, 1.4 * e.sigma);
    };
    const fit::TFittedPlanet& b = best.planets[0];
    within(summary.planets[0].period_days, b.period_days, "P");
    within(summary.planets[0].K_mps, b.K_mps, "K");
    within(summary.planets[0].ecc, b.ecc, "e");
    within(summary.planets[0].massSinI_Jupiter, b.massSinI_Jupiter, "m sin i");
    within(summary.offsets_mps[1], best.offsets_mps[1], "second offset");
    // A jitter's spread keeps to its bound at 0 and reaches above the fit's maximum, which
    // may lie on that bound.
    for (std::size_t j = 0; j < 2; ++j) {
        EXPECT_GE(summary.jitters_mps[j].low, 0.0) << j;
        EXPECT_GT(summary.jitters_mps[j].high, best.jitters_mps[j].value) << j;
    }
}
