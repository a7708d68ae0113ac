// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// What one tick of the simulation costs when it must take many steps to keep a sweep of the
// graph within 30 s: the free experiment with a hot giant like 51 Peg b (about 160 steps a
// tick) and with the tightest orbit the sliders allow (a = 0.01 AU, e = 0.99 about 100 solar
// masses, at the cap of 10 000 steps a tick), each step stepped, summed and plotted, then
// the frame drawn, as the 50 ms timer does. The figure is the time per tick handler.

#include "Application.h"
#include "book/TAccessBox.h"
#include "thisbook/TThisBook.h"
#include "simulation/TBaseChapter.h"

#include <QCheckBox>
#include <QSlider>
#include <benchmark/benchmark.h>

namespace {

void BM_TickOfManySteps(benchmark::State& state) {
    TThisBook* book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    TAccessBox* access = CreateForm<TAccessBox>();
    book->show();
    book->LeaveSplash();
    book->ChapterNumber = 5;
    book->ShowChapter(1);
    auto* chapter = dynamic_cast<TBaseChapter*>(book->CurrentChapter);
    if (!chapter) {
        state.SkipWithError("chapter 5 has no simulation");
        return;
    }
    chapter->ChBoxPlanet2->setChecked(false);
    TPlanet& planet = chapter->Planets[0];
    const bool tightest = state.range(0) == 1;
    chapter->StarMass = tightest ? 100.0 : 1.11;
    planet.a = tightest ? 0.01 : 0.0527;
    planet.ecc = tightest ? 0.99 : 0.0;
    planet.mass = 0.47 * JupiterMass;
    chapter->TimeSlider->setValue(0);
    chapter->ResetSimulation();
    for (auto _ : state)
        chapter->Timer1Timer();
    state.counters["steps_per_tick"] = chapter->StepsPerTick;
    Application::SetMainForm(nullptr);
    TForm::Free(access);
    TForm::Free(book);
}
BENCHMARK(BM_TickOfManySteps)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
