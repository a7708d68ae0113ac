// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// What the bundled published data cost the student's wait: 51 Peg's 409 measurements from two
// instruments, one planet; and ups And's 448 from four instruments, three planets found one
// after another. Each instrument has its offset and its maximum-likelihood jitter. The data
// are read once, beside the program (the build copies them to rv/).

#include "model/fit/PlanetSearch.h"
#include "model/rv/RvBundle.h"

#include <benchmark/benchmark.h>

namespace {

rvdata::TRvDataSet Star(const char* name) {
    const rvdata::TRvDataSetReading reading = rvdata::LoadBundledStar("rv", name);
    if (!reading.ok)
        throw std::runtime_error(reading.message.English());
    return reading.set;
}

void PlanetByPlanet(benchmark::State& state, const char* name, int planets) {
    const rvdata::TRvDataSet set = Star(name);
    fit::TFitSettings settings;
    settings.fitJitter = true;
    settings.starMass_Solar = set.starMass_Solar;
    for (auto _ : state) {
        std::vector<kepler::TRadialVelocityElements> known;
        for (int n = 0; n < planets; ++n) {
            const fit::TPlanetSearch search =
                fit::FitNextPlanet(set.measurements.data, known, 1.0, settings);
            known.clear();
            for (const fit::TFittedPlanet& p : search.fit.solution.planets)
                known.push_back(p.elements);
        }
        benchmark::DoNotOptimize(known);
    }
}

void BM_Peg51OnePlanetTwoInstruments(benchmark::State& state) { PlanetByPlanet(state, "51 Peg", 1); }
BENCHMARK(BM_Peg51OnePlanetTwoInstruments)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_UpsAndThreePlanetsFourInstruments(benchmark::State& state) {
    PlanetByPlanet(state, "ups And", 3);
}
BENCHMARK(BM_UpsAndThreePlanetsFourInstruments)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
