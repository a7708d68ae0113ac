// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// What "How sure?" costs: the posterior of 51 Peg's planet (409 measurements, two instruments
// with their jitters) and of ups And's three planets (448 measurements, four instruments)
// sampled from the maximum-likelihood fit until the chain has converged; and one evaluation
// of each likelihood, the unit every move pays. The data are read once, beside the program.

#include "model/EnsembleSampler.h"
#include "model/OrbitPosterior.h"
#include "model/PlanetSearch.h"
#include "model/RvBundle.h"

#include <benchmark/benchmark.h>

namespace {

struct TStarFit {
    rvdata::TRvDataSet set;
    fit::TFitSettings settings;
    fit::TOrbitSolution solution;
};

TStarFit Fitted(const char* name, int planets) {
    const rvdata::TRvDataSetReading reading = rvdata::LoadBundledStar("rv", name);
    if (!reading.ok)
        throw std::runtime_error(reading.message);
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

void Converge(benchmark::State& state, const char* name, int planets) {
    const TStarFit star = Fitted(name, planets);
    const posterior::TOrbitPosterior density(star.set.measurements.data, star.solution, star.settings);
    const int walkers = std::max(32, 2 * density.Dimension() + 2) / 2 * 2;
    posterior::TChain chain;
    for (auto _ : state) {
        chain = posterior::Sample([&](std::span<const double> x) { return density.LogDensity(x); },
                                  density.StartingBall(walkers, 1),
                                  {.walkers = walkers, .maxSteps = 20'000, .checkEvery = 500, .seed = 1});
        benchmark::DoNotOptimize(chain);
    }
    state.counters["steps"] = chain.steps;
    state.counters["walkers"] = walkers;
    state.counters["converged"] = chain.converged;
    state.counters["tau"] = *std::max_element(chain.tau.begin(), chain.tau.end());
    state.counters["evaluations/s"] = benchmark::Counter(
        double(chain.steps) * walkers * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_Peg51Posterior(benchmark::State& state) { Converge(state, "51 Peg", 1); }
BENCHMARK(BM_Peg51Posterior)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_UpsAndPosterior(benchmark::State& state) { Converge(state, "ups And", 3); }
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

} // namespace

BENCHMARK_MAIN();
