// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// What a tick costs the most extreme system the controls allow: "Free experiment" with three
// planets at the smallest semi-major axis and the largest eccentricity and planet mass, the
// smallest star mass, inclinations -90, 0 and +90 degrees, velocity arrows shown and the zoom
// at its slider's minimum. At pericentre the arrows reach far beyond the view. Each
// iteration is one tick (the timer's handler) and the paint it asks for.

#include "Application.h"
#include "book/TAccessBox.h"
#include "thisbook/TThisBook.h"
#include "chapters/TFreeExperiment.h"
#include "simulation/TPlanetParamForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

void SetExtremes(TFreeExperiment& chapter) {
    chapter.ChBoxPlanet2->setChecked(true);
    chapter.ChBoxPlanet3->setChecked(true);
    chapter.ShowVelocity->setChecked(true);
    TPlanetParamForm& form = *chapter.ParamForm;
    QRadioButton* radios[] = {form.PlanRadioButton1, form.PlanRadioButton2,
                              form.PlanRadioButton3};
    for (int k = 0; k < 3; ++k) {
        radios[k]->click();
        form.aSlider->setValue(form.aSlider->minimum());
        form.EccSlider->setValue(form.EccSlider->maximum());
        form.massSlider->setValue(form.massSlider->maximum());
        const QSlider& inc = *form.incSlider;
        form.incSlider->setValue(inc.minimum() + k * (inc.maximum() - inc.minimum()) / 2);
    }
    form.SmassSlider->setValue(form.SmassSlider->minimum());
    chapter.ZoomSlider->setValue(chapter.ZoomSlider->minimum());
}

void BM_ExtremeSystemTick(benchmark::State& state) {
    TThisBook* book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    TAccessBox* access = CreateForm<TAccessBox>();
    book->show();
    book->LeaveSplash();
    book->ChapterNumber = 5;
    book->ShowChapter(1);
    auto* chapter = dynamic_cast<TFreeExperiment*>(book->CurrentChapter);
    if (!chapter) {
        state.SkipWithError("chapter 5 is not the free experiment");
        return;
    }
    SetExtremes(*chapter);
    chapter->StartButton->click();
    chapter->Timer1->stop(); // the benchmark ticks it
    QApplication::processEvents();
    double worst = 0.0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        chapter->Timer1Timer();
        QApplication::processEvents();
        const double seconds = double(clock.nsecsElapsed()) * 1e-9;
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["worst_ms"] = worst * 1e3;
    Application::SetMainForm(nullptr);
    TForm::Free(access);
    TForm::Free(book);
}
BENCHMARK(BM_ExtremeSystemTick)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(40);

} // namespace
