// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// What "How sure?" costs: the posterior of 51 Peg's planet (409 measurements, two instruments
// with their jitters) and of ups And's three planets (448 measurements, four instruments)
// sampled from the maximum-likelihood fit until the chain has converged; and one evaluation
// of each likelihood, the unit every move pays, beside one solve of Kepler's equation, which
// each measurement pays for each planet. The data are read once, beside the program.
// Each posterior's medians and 68 % intervals are held against emcee's of the same likelihood
// and priors (tools/reference/posterior_reference.py): "worst/sigma" is the largest distance of
// a median or an interval's end of P, K, e, an offset or a jitter from emcee's, in emcee's
// half-width; "MC/sigma" the Monte Carlo error of a quantile of the two chains together; and
// "x emcee" how many times faster ours runs as many steps of as many walkers than emcee on one
// core (the script's time, taken alone). The chain runs on every core; a machine busy with
// other work slows it more than its share, as the halves of each step wait for each other.

#include "model/posterior/EnsembleSampler.h"
#include "model/orbit/Kepler.h"
#include "model/posterior/OrbitPosterior.h"
#include "model/fit/PlanetSearch.h"
#include "model/rv/RvBundle.h"
#include "../tests/model/fixtures/PosteriorReference.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <span>

namespace {

struct TStarFit {
    rvdata::TRvDataSet set;
    fit::TFitSettings settings;
    fit::TOrbitSolution solution;
};

TStarFit Fitted(const char* name, int planets) {
    const rvdata::TRvDataSetReading reading = rvdata::LoadBundledStar("rv", name);
    if (!reading.ok)
        throw std::runtime_error(reading.message.English());
    TStarFit star{reading.set, {}, {}};
    star.settings.fitJitter = true;
    star.settings.starMass_Solar = star.set.starMass_Solar;
    star.settings.astronomicalUnit = fit::TAstronomicalUnit::Iau;
    std::vector<kepler::TRadialVelocityElements> known;
    for (int n = 0; n < planets; ++n) {
        const fit::TPlanetSearch search =
            fit::FitNextPlanet(star.set.measurements.data, known, 1.0, star.settings);
        star.solution = search.fit.solution;
        known.clear();
        for (const fit::TFittedPlanet& p : star.solution.planets)
            known.push_back(p.elements);
    }
    return star;
}

// The reference's numbers of one star.
struct TReference {
    std::span<const posterior_reference::TPlanet> planets;
    std::span<const posterior_reference::TInterval> offsets, jitters;
    int walkers, steps;
    double longestTau, secondsPerThousandSteps;
    int draws;
};

// A namespace of the fixture as a reference.
#define REFERENCE_OF(star)                                                                        \
    TReference {                                                                                  \
        star::Planets, star::Offsets, star::Jitters, star::Walkers, star::Steps, star::LongestTau, \
            star::SecondsPerThousandSteps, star::Draws                                            \
    }

// The largest distance of a median or an interval's end from the reference's, in the
// reference's half-width; planets are matched by period, as the search finds them in its own order.
double WorstDistance(const posterior::TPosteriorSummary& ours, const TReference& theirs) {
    double worst = 0.0;
    const auto against = [&worst](const posterior::TInterval& a, const posterior_reference::TInterval& b) {
        const double sigma = (b.high - b.low) / 2.0;
        worst = std::max({worst, std::abs(a.median - b.median) / sigma, std::abs(a.low - b.low) / sigma,
                          std::abs(a.high - b.high) / sigma});
    };
    for (const posterior_reference::TPlanet& p : theirs.planets) {
        const auto match = std::min_element(ours.planets.begin(), ours.planets.end(), [&](auto& a, auto& b) {
            return std::abs(a.period_days.median - p.P.median) < std::abs(b.period_days.median - p.P.median);
        });
        against(match->period_days, p.P);
        against(match->K_mps, p.K);
        against(match->ecc, p.e);
    }
    for (std::size_t j = 0; j < theirs.offsets.size(); ++j) {
        against(ours.offsets_mps[j], theirs.offsets[j]);
        against(ours.jitters_mps[j], theirs.jitters[j]);
    }
    return worst;
}

// The standard error of a sample's 16th or 84th percentile of a Gaussian, in its sigma, for
// n independent draws: sqrt(q (1 - q)) / (phi(1) sqrt(n)); the median's, 1.25 / sqrt(n), is smaller.
double QuantileError(double independentDraws) { return 1.51 / std::sqrt(independentDraws); }

void Converge(benchmark::State& state, const char* name, int planets, const TReference& reference) {
    const TStarFit star = Fitted(name, planets);
    const posterior::TOrbitPosterior density(star.set.measurements.data, star.solution, star.settings);
    const int walkers = std::max(32, 2 * density.Dimension() + 2) / 2 * 2;
    posterior::TChain chain;
    for (auto _ : state) {
        chain = posterior::Sample([&](std::span<const double> x) { return density.LogDensity(x); },
                                  density.StartingBall(walkers, 1),
                                  {.walkers = walkers, .maxSteps = reference.steps, .checkEvery = 500, .seed = 1});
        benchmark::DoNotOptimize(chain);
    }
    const double longest = *std::max_element(chain.tau.begin(), chain.tau.end());
    state.counters["steps"] = chain.steps;
    state.counters["walkers"] = walkers;
    state.counters["converged"] = chain.converged;
    state.counters["tau"] = longest;
    state.counters["evaluations/s"] = benchmark::Counter(
        double(chain.steps) * walkers * double(state.iterations()), benchmark::Counter::kIsRate);
    const double ourDraws = walkers * (chain.steps - chain.BurnIn()) / longest;
    const double theirDraws =
        reference.walkers * (reference.steps - 2.0 * reference.longestTau) / reference.longestTau;
    state.counters["worst/sigma"] = WorstDistance(posterior::Summarise(density, chain), reference);
    state.counters["MC/sigma"] = std::hypot(QuantileError(ourDraws), QuantileError(theirDraws));
    // emcee's seconds for as many steps of as many walkers, against ours.
    state.counters["x emcee"] = benchmark::Counter(
        reference.secondsPerThousandSteps * chain.steps / 1000.0 * walkers / reference.walkers *
            double(state.iterations()),
        benchmark::Counter::kIsRate);
}

void BM_Peg51Posterior(benchmark::State& state) { Converge(state, "51 Peg", 1, REFERENCE_OF(posterior_reference::Peg51)); }
BENCHMARK(BM_Peg51Posterior)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_UpsAndPosterior(benchmark::State& state) { Converge(state, "ups And", 3, REFERENCE_OF(posterior_reference::UpsAnd)); }
BENCHMARK(BM_UpsAndPosterior)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void Likelihood(benchmark::State& state, const char* name, int planets) {
    const TStarFit star = Fitted(name, planets);
    const posterior::TOrbitPosterior density(star.set.measurements.data, star.solution, star.settings);
    const std::vector<double> top = density.AtMaximum();
    for (auto _ : state)
        benchmark::DoNotOptimize(density.LogDensity(top));
}

void BM_Peg51Likelihood(benchmark::State& state) { Likelihood(state, "51 Peg", 1); }
BENCHMARK(BM_Peg51Likelihood)->Unit(benchmark::kMicrosecond);

void BM_UpsAndLikelihood(benchmark::State& state) { Likelihood(state, "ups And", 3); }
BENCHMARK(BM_UpsAndLikelihood)->Unit(benchmark::kMicrosecond);

// Kepler's equation at mean anomalies spread over the turn, at an eccentricity in hundredths:
// 51 Peg b's (0.01) and ups And d's (0.27).
void BM_KeplerSolve(benchmark::State& state) {
    const double e = double(state.range(0)) / 100.0;
    std::vector<double> anomalies(1024);
    for (std::size_t i = 0; i < anomalies.size(); ++i)
        anomalies[i] = std::remainder(2.399963 * double(i), 2.0 * std::numbers::pi);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kepler::SolveKepler(anomalies[i], e));
        i = (i + 1) % anomalies.size();
    }
}
BENCHMARK(BM_KeplerSolve)->Arg(1)->Arg(27)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
