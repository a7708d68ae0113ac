// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// A repaint of the observing run's data and fold plots with the most measurements a file may
// hold, at the size the window gives them.
#include "model/observing/ObservingRun.h"
#include "model/observing/PhaseFold.h"
#include "observing/ObservingDrawing.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <random>

namespace {

std::vector<observing::TMeasurement> ManyRows(std::size_t n) {
    std::mt19937_64 random(7);
    std::normal_distribution<double> noise(0.0, 3.0);
    std::vector<observing::TMeasurement> data;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = 0.1 * double(i);
        data.push_back({t, 50.0 * std::sin(t / 4.23) + noise(random), 3.0});
    }
    return data;
}

void BM_DrawData(benchmark::State& state) {
    const auto data = ManyRows(std::size_t(state.range(0)));
    QImage image(628, 270, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&image);
        observingdrawing::DrawData(p, QRectF(image.rect()), {data});
    }
}
BENCHMARK(BM_DrawData)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_DrawFold(benchmark::State& state) {
    const auto data = ManyRows(std::size_t(state.range(0)));
    const auto folded = observing::Fold(data, 4.23 * 6.2832, 0.0);
    QImage image(628, 200, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&image);
        observingdrawing::DrawFold(p, QRectF(image.rect()), {folded, 4.23 * 6.2832});
    }
}
BENCHMARK(BM_DrawFold)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
