// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// What a simulation tick costs the whole process: the book shown offscreen with "The
// simulation" open, three visible planets with their velocity arrows, started with its Start
// button and left to the real 50 ms timer and the event loop for several seconds. The
// process's CPU time (getrusage) over that span divided by the ticks is the figure, paint
// events and the window system's share included. Calling the tick handler in a loop would
// keep the caches warm and hide what the cadence costs, so nothing here calls it directly.
//
// The span starts half a second after Start: pressing Start repaints the chapter's buttons
// once, which is not a tick's cost. That one-off cost is the counter start_ms.
//
// An idle span of the same window, not started, is the baseline (counter idle_us_per_period,
// per 50 ms). peak_rss_MiB is the process's peak resident set with the chapter running.
//
// Beside it, the floor: a bare Qt window of the book's size whose 50 ms timer repaints one
// small square of a child widget from an image, drawing nothing. No ticking window of this
// toolkit costs less on the same machine; its repetitions alternate with the book's.

#include "Application.h"
#include "book/TAccessBox.h"
#include "thisbook/TThisBook.h"
#include "oBitBtn.h"
#include "simulation/TBaseChapter.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <sys/resource.h>

namespace {

constexpr int RunMilliseconds = 6000;
constexpr int IdleMilliseconds = 2000;
constexpr int SettleMilliseconds = 500;
constexpr double PeriodSeconds = 0.05;

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double PeakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
}

void RunEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void BM_ProcessTickThreeVisiblePlanets(benchmark::State& state) {
    TThisBook* book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    TAccessBox* access = CreateForm<TAccessBox>();
    book->show();
    book->LeaveSplash();
    book->ChapterNumber = 2;
    book->ShowChapter(6);
    auto* chapter = dynamic_cast<TBaseChapter*>(book->CurrentChapter);
    if (!chapter) {
        state.SkipWithError("chapter 2 has no simulation");
        return;
    }
    chapter->ShowVelocity->setChecked(true);
    chapter->ChBoxPlanet2->setChecked(true);
    chapter->ChBoxPlanet3->setChecked(true);
    int ticks = 0;
    QObject::connect(chapter->Timer1, &QTimer::timeout, [&ticks] { ++ticks; });
    RunEventLoop(300);

    for (auto _ : state) {
        const double idleStart = ProcessCpuSeconds();
        RunEventLoop(IdleMilliseconds);
        const double idle = ProcessCpuSeconds() - idleStart;

        ticks = 0;
        const double settleStart = ProcessCpuSeconds();
        chapter->StartButton->click();
        RunEventLoop(SettleMilliseconds);
        const double settle = ProcessCpuSeconds() - settleStart;
        const int settleTicks = ticks;

        ticks = 0;
        const double runStart = ProcessCpuSeconds();
        RunEventLoop(RunMilliseconds);
        const double run = ProcessCpuSeconds() - runStart;
        const int counted = ticks;
        chapter->Timer1->stop();

        const double perTick = counted > 0 ? run / counted : run;
        state.SetIterationTime(perTick);
        state.counters["ticks"] = counted;
        state.counters["start_ms"] = (settle - settleTicks * perTick) * 1e3;
        const double idlePerPeriod = idle / (IdleMilliseconds * 0.001 / PeriodSeconds);
        state.counters["idle_us_per_period"] = idlePerPeriod * 1e6;
        state.counters["peak_rss_MiB"] = PeakResidentMiB();
    }
    Application::SetMainForm(nullptr);
    TForm::Free(access);
    TForm::Free(book);
}
BENCHMARK(BM_ProcessTickThreeVisiblePlanets)
    ->Unit(benchmark::kMicrosecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// A child widget that shows an image, as the book's paint boxes do.
class ImageBox : public QWidget {
public:
    explicit ImageBox(QWidget* parent) : QWidget(parent), image_(540, 300, QImage::Format_RGB32) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        image_.fill(Qt::black);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        for (const QRect& r : e->region())
            p.drawImage(r, image_, r);
    }

private:
    QImage image_;
};

void BM_ProcessTickBareQtFloor(benchmark::State& state) {
    QWidget window;
    window.resize(792, 572);
    ImageBox box(&window);
    box.setGeometry(8, 8, 540, 300);
    window.show();
    int ticks = 0;
    QTimer timer;
    timer.setInterval(int(PeriodSeconds * 1000));
    QObject::connect(&timer, &QTimer::timeout, [&] {
        box.update(QRect(10 + ticks % 500, 140, 12, 12));
        ++ticks;
    });
    RunEventLoop(300);

    for (auto _ : state) {
        timer.start();
        RunEventLoop(SettleMilliseconds);
        ticks = 0;
        const double runStart = ProcessCpuSeconds();
        RunEventLoop(RunMilliseconds);
        const double run = ProcessCpuSeconds() - runStart;
        const int counted = ticks;
        timer.stop();
        state.SetIterationTime(counted > 0 ? run / counted : run);
        state.counters["ticks"] = counted;
    }
}
BENCHMARK(BM_ProcessTickBareQtFloor)
    ->Unit(benchmark::kMicrosecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
