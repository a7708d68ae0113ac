// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The observing run's periodogram: 100, 300 and 1 000 measurements on 20 000, 100 000 and
// 1 000 000 frequencies up to one cycle a day, in wall time with the CPU time of every thread
// (goals: 100 x 20 000 within 10 ms, 1 000 x 100 000 within 0.5 s); the trigonometric
// recurrences along the grid against a plain double loop over the same formula (PowerAt at
// every frequency: a sine and a cosine per measurement and frequency); and the generator
// drawing a run of 500 nights.
//
// With DOPPLER_PERIODOGRAM_CSV naming a file of measurements, the periodogram rows take their
// data from it instead (n in a row's name is then only a label):
// tools/reference/periodogram_timing.py times another library on the same data that way.

#include "model/orbit/Kepler.h"
#include "model/observing/ObservingRun.h"
#include "model/observing/MeasurementsCsv.h"
#include "model/observing/Periodogram.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

using namespace observing;

namespace {

// n measurements of 51 Peg b at random times within the span.
std::vector<TMeasurement> Run(int n, double days) {
    const kepler::TRadialVelocityElements planet{4.23, 56.0, 0.0, 0.0, 0.0};
    TDeviates deviates(4);
    std::vector<TMeasurement> data;
    for (int i = 0; i < n; ++i) {
        const double t = days * deviates.Uniform();
        data.push_back({t, kepler::RadialVelocity_mps(planet, t) + 5.0 * deviates.Normal(), 5.0});
    }
    return data;
}

// The grid of `count` frequencies up to one cycle a day.
TFrequencyGrid Grid(std::size_t count) {
    TFrequencyGrid grid;
    grid.first = 0.001;
    grid.step = (1.0 - grid.first) / double(count - 1);
    grid.count = count;
    return grid;
}

// The measurements of DOPPLER_PERIODOGRAM_CSV when it is set, otherwise n generated ones.
std::vector<TMeasurement> Data(int n) {
    const char* file = std::getenv("DOPPLER_PERIODOGRAM_CSV");
    if (!file)
        return Run(n, double(n) * 1.2);
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    TCsvReading reading = ReadMeasurementsCsv(text.str());
    if (!reading.ok) {
        std::cerr << file << ": " << reading.message << '\n';
        std::exit(2);
    }
    return std::move(reading.set.data);
}

void BM_Periodogram(benchmark::State& state) {
    const auto data = Data(int(state.range(0)));
    const TFrequencyGrid grid = Grid(std::size_t(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Powers(data, grid));
}

void BM_PeriodogramPlainLoop(benchmark::State& state) {
    const auto data = Run(int(state.range(0)), double(state.range(0)) * 1.2);
    const TFrequencyGrid grid = Grid(std::size_t(state.range(1)));
    std::vector<double> power(grid.count);
    for (auto _ : state) {
        for (std::size_t i = 0; i < grid.count; ++i)
            power[i] = PowerAt(data, grid.At(i));
        benchmark::DoNotOptimize(power.data());
    }
}

void BM_ObserveFiveHundredNights(benchmark::State& state) {
    TObservingPlan plan;
    plan.nights = 500;
    plan.runLength_days = 1500;
    plan.observableShare = 0.6;
    plan.weatherLoss = 0.2;
    plan.jitter_mps = 3.0;
    const kepler::TRadialVelocityElements planets[] = {{4.23, 56.0, 0.0, 0.0, 0.0},
                                                       {300.0, 20.0, 0.9, 1.0, 7.0}};
    for (auto _ : state)
        benchmark::DoNotOptimize(Observe(plan, planets));
}

} // namespace

BENCHMARK(BM_Periodogram)
    ->ArgsProduct({{100, 300, 1000}, {20000, 100000, 1000000}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_PeriodogramPlainLoop)->Args({100, 20000})->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(BM_PeriodogramPlainLoop)->Args({1000, 100000})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ObserveFiveHundredNights)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();

BENCHMARK_MAIN();
