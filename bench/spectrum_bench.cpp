// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Cost the spectrum window adds to a simulation tick: the spectrum view repainted for a new
// radial velocity (the still part kept, as on screen), the whole picture drawn afresh (when
// the line or the magnification changes), and the shown window's whole tick, its readouts
// and view repainted as the event loop repaints them.

#include "spectrum/SpectrumDrawing.h"
#include "spectrum/TSpectrumForm.h"
#include "spectrum/TSpectrumView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>

namespace {

// Radial velocities along a Jupiter's 12.4 m/s swing, one per tick.
double VelocityAt(long tick) { return 12.4 * std::sin(tick * 0.05); }

void BM_SpectrumViewTick(benchmark::State& state) {
    TSpectrumView view;
    view.resize(628, 292);
    QImage target(view.size(), QImage::Format_RGB32);
    long tick = 0;
    for (auto _ : state) {
        view.SetScene({VelocityAt(++tick), 0, 1e5});
        view.render(&target);
    }
}
BENCHMARK(BM_SpectrumViewTick)->Unit(benchmark::kMicrosecond)->Repetitions(9);

void BM_SpectrumDrawWhole(benchmark::State& state) {
    QImage target(628, 292, QImage::Format_RGB32);
    long tick = 0;
    for (auto _ : state) {
        QPainter p(&target);
        spectrumdrawing::Draw(p, QRectF(0, 0, 628, 292), {VelocityAt(++tick), 0, 1e5});
    }
}
BENCHMARK(BM_SpectrumDrawWhole)->Unit(benchmark::kMicrosecond)->Repetitions(9);

void BM_SpectrumWindowTick(benchmark::State& state) {
    auto* form = CreateForm<TSpectrumForm>();
    form->show();
    QApplication::processEvents();
    long tick = 0;
    for (auto _ : state) {
        ++tick;
        form->SimulationTick(double(tick), VelocityAt(tick));
        QApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
    TForm::Free(form);
}
BENCHMARK(BM_SpectrumWindowTick)->Unit(benchmark::kMicrosecond)->Repetitions(9);

} // namespace
