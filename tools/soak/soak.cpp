// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// A long run of the book as a student could drive it: a million steps of three planets at
// e = 0.99 on the largest time scale (ticks of as many steps as keep a sweep within 30 s),
// then every chapter opened and closed 200 times. Checks that every value of the simulation
// stays finite and that the heap stays flat (Qt's own caches aside): after warming up, the
// heap may not grow by more than 1 kB a round of chapters on average, however many rounds
// run. Prints the time per tick and per step and the memory at start and end. Exits non-zero
// when a check fails.
// Usage: soak [steps] [cycles]

#include "Application.h"
#include "GuardedApplication.h"
#include "../support/PrintedDialogs.h"
#include "book/TAccessBox.h"
#include "thisbook/TThisBook.h"
#include "simulation/TBaseChapter.h"

#include <QApplication>
#include <QPixmapCache>
#include <QCheckBox>
#include <QSlider>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <unistd.h>

namespace {

struct Memory {
    double heap_MB;     // allocated and not freed
    double resident_MB; // the whole process, Qt's caches included
};

Memory memoryNow() {
    // Qt's pixmap cache (the styles' disabled pictures and the like) fills up to its limit
    // of 10 MB by design; it is not the book's memory.
    QPixmapCache::clear();
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    malloc_trim(0);
    return {double(mallinfo2().uordblks) / 1e6, double(resident * sysconf(_SC_PAGESIZE)) / 1e6};
}

bool finite(const TVector& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool allFinite(const TBaseChapter& sim) {
    bool ok = std::isfinite(sim.Time) && std::isfinite(sim.TimeStep) &&
              std::isfinite(sim.RadialVelocity) && finite(sim.StarPosition) &&
              finite(sim.StarVelocity);
    for (const TPlanet& planet : sim.Planets)
        ok = ok && finite(planet.Position) && finite(planet.Velocity) &&
             std::isfinite(planet.theta) && std::isfinite(planet.r);
    return ok;
}

void report(const char* what, const Memory& start, const Memory& end) {
    std::printf("%s: heap %.1f MB -> %.1f MB, resident %.1f MB -> %.1f MB\n", what,
                start.heap_MB, end.heap_MB, start.resident_MB, end.resident_MB);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    GuardedApplication app(argc, argv);
    const long steps = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int cycles = argc > 2 ? std::atoi(argv[2]) : 200;
    // Growth of the heap while ticking, after warming up, that counts as a leak.
    constexpr double kAllowed_MB = 4.0;
    // Growth of the heap a round of opening every chapter, after warming up, that counts as
    // memory held for good.
    constexpr double kAllowedPerRound_kB = 1.0;
    PrintedDialogs dialogs;
    Application::SetDialogHook(&dialogs);
    Application::SetTitle("Doppler spectroscopy");
    TThisBook* book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    TAccessBox* access = CreateForm<TAccessBox>();
    book->show();
    book->LeaveSplash();
    int failures = 0;

    book->ChapterNumber = 5;
    book->ShowChapter(1);
    auto* sim = dynamic_cast<TBaseChapter*>(book->CurrentChapter);
    if (!sim)
        return 2;
    sim->ChBoxPlanet2->setChecked(true);
    sim->ChBoxPlanet3->setChecked(true);
    for (TPlanet& planet : sim->Planets)
        planet.ecc = 0.99;
    sim->TimeSlider->setValue(sim->TimeSlider->maximum());
    sim->ResetSimulation();
    for (int i = 0; i < 100; ++i) // warm-up: first sweeps, caches
        sim->Timer1Timer();
    const Memory tickStart = memoryNow();
    long firstBad = -1;
    const auto begin = std::chrono::steady_clock::now();
    const long firstStep = sim->StepCount;
    long ticks = 0;
    for (; sim->StepCount - firstStep < steps; ++ticks) {
        sim->Timer1Timer();
        if (ticks % 100 == 0) {
            QApplication::processEvents();
            if (firstBad < 0 && !allFinite(*sim))
                firstBad = ticks;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    const Memory tickEnd = memoryNow();
    const long stepped = sim->StepCount - firstStep;
    std::printf("%ld steps in %ld ticks, three planets at e = 0.99, time scale %d: %.1f s, "
                "%.1f us a tick, %.2f us a step\n",
                stepped, ticks, sim->TimeSlider->value(), seconds,
                seconds / double(ticks) * 1e6, seconds / double(stepped) * 1e6);
    std::printf("step %.6g days, %.0f days simulated\n", sim->TimeStep, sim->Time);
    report("ticks", tickStart, tickEnd);
    if (firstBad >= 0 || !allFinite(*sim)) {
        std::printf("FAILED: a value is not finite (first seen at tick %ld)\n", firstBad);
        ++failures;
    }
    if (tickEnd.heap_MB - tickStart.heap_MB > kAllowed_MB) {
        std::printf("FAILED: the heap grew while ticking\n");
        ++failures;
    }

    const auto cycle = [&] {
        for (int chapter = 1; chapter <= book->ChapterCount; ++chapter) {
            book->ChapterNumber = chapter;
            book->ShowChapter(1);
            QApplication::processEvents();
            book->mnitContentsClick();
        }
    };
    for (int i = 0; i < 10; ++i) // warm-up: Qt's font and glyph caches fill
        cycle();
    const Memory cycleStart = memoryNow();
    for (int i = 0; i < cycles; ++i)
        cycle();
    const Memory cycleEnd = memoryNow();
    std::printf("%d cycles of opening and closing all %d chapters\n", cycles, book->ChapterCount);
    report("chapters", cycleStart, cycleEnd);
    const double perRound_kB = (cycleEnd.heap_MB - cycleStart.heap_MB) * 1e3 / std::max(cycles, 1);
    std::printf("heap growth %.2f kB a round\n", perRound_kB);
    if (perRound_kB > kAllowedPerRound_kB) {
        std::printf("FAILED: the heap grew by more than %.0f kB a round of chapters\n",
                    kAllowedPerRound_kB);
        ++failures;
    }
    if (dialogs.errors > 0) {
        std::printf("FAILED: %d errors shown\n", dialogs.errors);
        ++failures;
    }

    Application::SetMainForm(nullptr);
    TForm::Free(access);
    TForm::Free(book);
    Application::SetDialogHook(nullptr);
    std::printf(failures ? "soak: FAILED\n" : "soak: passed\n");
    return failures ? 1 : 0;
}
