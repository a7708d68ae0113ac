// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// What a fit costs the student's wait: one planet on 100 measurements, and the third planet
// of Upsilon Andromedae on 300, each as the fit alone from a periodogram's peak and as the
// whole "one more planet" step (the residuals' periodogram, fits at its highest peaks and at
// doubled and halved periods). Medians of repeated runs.

#include "model/fit/OrbitFit.h"
#include "model/fit/PlanetSearch.h"
#include "model/simulation/RealSystems.h"

#include <benchmark/benchmark.h>

namespace {

std::vector<kepler::TRadialVelocityElements> UpsilonAndromedae() {
    for (const TRealSystem& system : RealSystems())
        if (system.ShortName == "Ups And")
            return EdgeOnElements(system);
    return {};
}

std::vector<observing::TMeasurement> OnePlanetRun() {
    const kepler::TRadialVelocityElements planet{14.7, 40.0, 0.3, 2.0, 5.0};
    observing::TObservingPlan plan;
    plan.nights = 100;
    plan.runLength_days = 120.0;
    return observing::Observe(plan, std::span(&planet, 1));
}

std::vector<observing::TMeasurement> ThreePlanetRun() {
    observing::TObservingPlan plan;
    plan.nights = 300;
    plan.runLength_days = 5 * 365.25;
    plan.observableShare = 0.6;
    plan.precision_mps = 3.0;
    return observing::Observe(plan, UpsilonAndromedae());
}

void BM_FitOnePlanet100(benchmark::State& state) {
    const auto data = OnePlanetRun();
    for (auto _ : state)
        benchmark::DoNotOptimize(fit::FitOneMorePlanet(data, {}, 14.8, {}));
}
BENCHMARK(BM_FitOnePlanet100)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

void BM_NextPlanetStepOne100(benchmark::State& state) {
    const auto data = OnePlanetRun();
    for (auto _ : state)
        benchmark::DoNotOptimize(fit::FitNextPlanet(data, {}, 1.0, {}));
}
BENCHMARK(BM_NextPlanetStepOne100)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

void BM_FitThreePlanets300(benchmark::State& state) {
    const auto data = ThreePlanetRun();
    auto known = UpsilonAndromedae();
    const double third = known.back().period_days;
    known.pop_back();
    for (auto _ : state)
        benchmark::DoNotOptimize(fit::FitOneMorePlanet(data, known, third * 1.01, {}));
}
BENCHMARK(BM_FitThreePlanets300)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

void BM_NextPlanetStepThree300(benchmark::State& state) {
    const auto data = ThreePlanetRun();
    auto known = UpsilonAndromedae();
    known.pop_back();
    for (auto _ : state)
        benchmark::DoNotOptimize(fit::FitNextPlanet(data, known, 1.0, {}));
}
BENCHMARK(BM_NextPlanetStepThree300)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
