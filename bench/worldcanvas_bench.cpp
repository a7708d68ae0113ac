// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Cost of drawing an orbit track through the world canvas onto the orbit view's bitmap,
// as happens on every redraw while the user drags the view.

#include "TBitmap.h"
#include "model/orbit/planet.h"
#include "oWorldCanvas.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

void DrawPolyline(benchmark::State& state, const std::vector<oRealPoint>& points) {
    TBitmap bitmap(540, 300);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Color = clAqua;
    oWorldCanvas world(&canvas);
    world.SetViewPort(oRect(0, 0, 540, 300));
    world.SetWorldPort(oRealRect(-2.7, 1.5, 5.4, -3.0));
    for (auto _ : state) {
        world.MoveTo(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            world.LineTo(points[i]);
        canvas.Flush();
    }
    state.counters["segments"] = static_cast<double>(points.size() - 1);
}

// 60 000 segments round an ellipse that nearly fills the view.
void BM_EllipsePolyline(benchmark::State& state) {
    const int segments = 60000;
    std::vector<oRealPoint> points;
    points.reserve(segments + 1);
    for (int i = 0; i <= segments; ++i) {
        const double angle = 6.283185307179586 * i / segments;
        points.emplace_back(2.5 * std::cos(angle), 1.3 * std::sin(angle));
    }
    DrawPolyline(state, points);
}
BENCHMARK(BM_EllipsePolyline)->Unit(benchmark::kMillisecond);

// The track of the most eccentric planet, projected onto the sky plane as the view does.
void BM_MostEccentricTrack(benchmark::State& state) {
    TPlanet planet;
    planet.a = 2.0;
    planet.ecc = MaxEccentricity;
    planet.inc = 0.0;
    planet.SetUp(1.0);
    std::vector<oRealPoint> points;
    points.reserve(planet.Track.size());
    for (const TVector& v : planet.Track)
        points.emplace_back(v.x - 1.0, v.y);
    DrawPolyline(state, points);
}
BENCHMARK(BM_MostEccentricTrack)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
