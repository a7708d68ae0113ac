// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Cost of setting a planet up (the track is rebuilt on every reset) and of stepping it.

#include "model/orbit/planet.h"

#include <benchmark/benchmark.h>

namespace {

// The most eccentric orbit the model accepts: 57 185 track points.
void BM_SetUpMostEccentric(benchmark::State& state) {
    TPlanet planet;
    planet.ecc = MaxEccentricity;
    for (auto _ : state) {
        planet.SetUp(1.0);
        benchmark::DoNotOptimize(planet.Track.data());
    }
    state.counters["points"] = static_cast<double>(planet.Track.size());
}
BENCHMARK(BM_SetUpMostEccentric)->Unit(benchmark::kMillisecond);

void BM_TenThousandSteps(benchmark::State& state) {
    TPlanet planet;
    planet.ecc = 0.5;
    planet.SetUp(1.0);
    const double dt = planet.StepSize() * 0.1;
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i)
            planet.Step(dt);
        benchmark::DoNotOptimize(planet.Position);
    }
}
BENCHMARK(BM_TenThousandSteps)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
