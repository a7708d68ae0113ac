// What a simulation tick costs the whole process: the book shown offscreen with "The
// simulation" open, three visible planets with their velocity arrows, started with its Start
// button and left to the real 50 ms timer and the event loop for several seconds. The
// process's CPU time (getrusage) over that span divided by the ticks is the figure, paint
// events and the window system's share included. Calling the tick handler in a loop would
// keep the caches warm and hide what the cadence costs, so nothing here calls it directly.
//
// An idle span of the same window, not started, is the baseline (counter idle_us_per_period,
// per 50 ms). peak_rss_MiB is the process's peak resident set with the chapter running.

#include "Application.h"
#include "book/TAccessBox.h"
#include "book/TThisBook.h"
#include "oBitBtn.h"
#include "simulation/TBaseChapter.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <sys/resource.h>

namespace {

constexpr int RunMilliseconds = 6000;
constexpr int IdleMilliseconds = 2000;
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

        chapter->StartButton->click();
        ticks = 0;
        const double runStart = ProcessCpuSeconds();
        RunEventLoop(RunMilliseconds);
        const double run = ProcessCpuSeconds() - runStart;
        const int counted = ticks;
        chapter->Timer1->stop();

        state.SetIterationTime(counted > 0 ? run / counted : run);
        state.counters["ticks"] = counted;
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

} // namespace
