// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Start-up to a shown contents page, and one page turn inside a chapter.

#include "Application.h"
#include "book/TAccessBox.h"
#include "book/TCustomChapter.h"
#include "thisbook/TThisBook.h"
#include "simulation/TBaseChapter.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

void BM_StartToContents(benchmark::State& state) {
    for (auto _ : state) {
        TThisBook* book = CreateForm<TThisBook>();
        Application::SetMainForm(book);
        TAccessBox* access = CreateForm<TAccessBox>();
        book->show();
        book->LeaveSplash();
        book->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        Application::SetMainForm(nullptr);
        TForm::Free(access);
        TForm::Free(book);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToContents)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// One page turn, forward and back in turn, from page range(1) of chapter range(0); with
// range(2) set, every planet first gets eccentricity 0.99, whose tracks are the longest to
// rebuild on the resets a page of "Two planets" makes.
void BM_PageTurn(benchmark::State& state) {
    TThisBook* book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    TAccessBox* access = CreateForm<TAccessBox>();
    book->show();
    book->LeaveSplash();
    book->ChapterNumber = int(state.range(0));
    book->ShowChapter(int(state.range(1)));
    if (auto* sim = dynamic_cast<TBaseChapter*>(book->CurrentChapter); sim && state.range(2)) {
        for (TPlanet& planet : sim->Planets)
            planet.ecc = 0.99;
        sim->ResetSimulation();
    }
    bool forward = true;
    for (auto _ : state) {
        if (forward)
            book->PageForward();
        else
            book->PageBack();
        forward = !forward;
        QApplication::processEvents();
    }
    Application::SetMainForm(nullptr);
    TForm::Free(access);
    TForm::Free(book);
}
BENCHMARK(BM_PageTurn)
    ->ArgNames({"chapter", "page", "eccentric"})
    ->Args({2, 1, 0})
    ->Args({3, 5, 0})
    ->Args({4, 5, 0})
    ->Args({4, 5, 1})
    ->Args({5, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
