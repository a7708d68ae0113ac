// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// One file through the observing run as a student would take it: the book shown offscreen,
// a small good file imported first, then the file named, through File > Import. A file read
// is drawn, its periodogram and a fit of one more planet left to work in the background
// while the event loop runs, the fit by hand set to its sliders' ends, and every page
// drawn again; then the window is closed, whatever still works. A refused file must leave the
// good measurements shown. Prints what happened, how long the import and the drawing held the
// interface, the longest the event loop went unserved, and how long the work took; run one
// file a process under `/usr/bin/time -v` for the peak memory. Exits non-zero when the
// measurements shown were lost or the run did not end within the limit.
// Usage: hostile FILE [limit_seconds]

#include "Application.h"
#include "GuardedApplication.h"
#include "../support/PrintedDialogs.h"
#include "book/TAccessBox.h"
#include "observing/TFitByHandPage.h"
#include "observing/TObservingRunForm.h"
#include "observing/TOrbitFitPage.h"
#include "thisbook/TThisBook.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>

namespace {

// Ends the process when the run is not over by then: the book would be frozen.
void StopAfter(int seconds) {
    std::thread([seconds] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        std::printf("not ended within %d s\n", seconds);
        std::fflush(stdout);
        _exit(3);
    }).detach();
}

// How long the background work may go on before the window is closed under it.
constexpr int WorkSeconds = 10;

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    GuardedApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: hostile FILE [limit_seconds]\n");
        return 2;
    }
    StopAfter(argc > 2 ? std::atoi(argv[2]) : 60);
    PrintedDialogs dialogs;
    Application::SetDialogHook(&dialogs);
    TThisBook* book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    TAccessBox* access = CreateForm<TAccessBox>();
    book->show();
    book->LeaveSplash();
    book->mnitObservingRun->trigger();
    TObservingRunForm& w = *book->ObservingRunForm;

    QTemporaryDir dir;
    const QString good = dir.filePath("good.csv");
    {
        QFile file(good);
        if (!file.open(QIODevice::WriteOnly))
            return 2;
        file.write("0,1,1\n1,2,1\n2,3,1\n3,1,1\n");
    }
    if (!w.ImportFile(good))
        return 2;
    w.WaitForPeriodogram();
    const auto kept = w.Measurements().data;

    QElapsedTimer clock;
    clock.start();
    const bool read = w.ImportFile(QString::fromLocal8Bit(argv[1]));
    const qint64 import_ms = clock.elapsed();
    int status = 0;
    if (read) {
        clock.restart();
        w.grab();
        const qint64 draw_ms = clock.elapsed();
        // The event loop's longest wait while the work goes on: what a click would wait.
        QElapsedTimer beat, work;
        beat.start();
        work.start();
        qint64 stall_ms = 0;
        QTimer pulse;
        QObject::connect(&pulse, &QTimer::timeout, [&] {
            stall_ms = std::max(stall_ms, beat.restart());
        });
        pulse.start(10);
        const auto runWhile = [&](const std::function<bool()>& busy) {
            while (busy() && work.elapsed() < WorkSeconds * 1000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        };
        runWhile([&] { return w.Working(); });
        const bool periodogram = !w.Working();
        TFitByHandPage& hand = *w.ByHandPage;
        for (QSlider* slider : hand.Sliders)
            slider->setValue(TFitByHandPage::SliderSteps);
        hand.grab();
        TOrbitFitPage& fit = *w.FitPage;
        fit.NextPlanetButtonClick();
        runWhile([&] { return fit.Working(); });
        const bool fitted = !fit.Working();
        fit.grab();
        pulse.stop();
        const qint64 work_ms = work.elapsed();
        clock.restart();
        w.close();
        const qint64 close_ms = clock.elapsed();
        std::printf("read %zu rows; periodogram %s, fit %s in %lld ms; drawn in %lld ms; "
                    "event loop waited at most %lld ms; closed in %lld ms\n",
                    w.Measurements().data.size(), periodogram ? "done" : "still working",
                    fitted ? "done" : "still working", static_cast<long long>(work_ms),
                    static_cast<long long>(draw_ms), static_cast<long long>(stall_ms),
                    static_cast<long long>(close_ms));
        std::printf("%s | %s\n", qPrintable(hand.RmsLabel->text()), qPrintable(fit.Summary->text()));
    } else {
        w.grab();
        const bool same = w.Measurements().data == kept;
        std::printf("refused: %s; measurements %s\n", qPrintable(w.StatusLabel->text()),
                    same ? "kept" : "LOST");
        status = same ? 0 : 1;
    }
    std::printf("import %lld ms\n", static_cast<long long>(import_ms));
    Application::SetMainForm(nullptr);
    TForm::Free(access);
    TForm::Free(book);
    return status;
}
