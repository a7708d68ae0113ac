// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Feeds arbitrary bytes to the measurements reader and whatever it reads to everything the
// observing run does with measurements: the frequency grid, the periodogram with its window
// and false-alarm probability, the search for a planet, a fit from the fit by hand's extreme
// sliders, and the three plots drawn onto an image. Besides the sanitizers' checks: a file
// is read exactly when it holds at least three rows; what is read is finite, within the
// accepted bounds, in time order from zero; a refusal has a message, naming its line when it
// has one; the same bytes read the same way twice; what was read, written out, reads back to
// the same errors; the grid is finite and bounded; powers and probabilities lie in 0 to 1; a
// finished fit is finite. A watchdog aborts, naming the step, when one step of one input
// uses more than WatchdogSeconds of processor time: the book would be frozen by it.

#include "fuzz/FuzzCheck.h"
#include "fuzz/LeaksIgnored.h"
#include "model/observing/MeasurementLimits.h"
#include "model/observing/MeasurementsCsv.h"
#include "model/observing/Periodogram.h"
#include "model/observing/PhaseFold.h"
#include "model/fit/PlanetSearch.h"
#include "observing/ObservingDrawing.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <time.h>

namespace {

constexpr int WatchdogSeconds = 10;
// The fit and the full grid run only on inputs small enough to keep the fuzzer fast.
constexpr std::size_t MaxFittedRows = 64;
constexpr std::size_t MaxSweptFrequencies = 512;

// The processor time of the whole process, in seconds.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// One thread for the whole run, told the step under way; a step that uses too much of the
// processor aborts. Processor time rather than the clock's: on a loaded machine, or under
// `nice`, a step may wait long for the processor without being stuck.
class StepWatchdog {
public:
    StepWatchdog()
        : thread_([this] {
              std::unique_lock lock(mutex_);
              for (;;) {
                  const unsigned long seen = count_;
                  const double start = CpuSeconds();
                  while (!changed_.wait_for(lock, std::chrono::seconds(1),
                                            [&] { return count_ != seen; }))
                      if (step_ && CpuSeconds() - start > WatchdogSeconds) {
                          std::fprintf(stderr, "stuck for %d s of processor time in: %s\n",
                                       WatchdogSeconds, step_);
                          std::abort();
                      }
              }
          }) {
        thread_.detach();
    }
    void Enter(const char* step) {
        std::lock_guard lock(mutex_);
        step_ = step;
        ++count_;
        changed_.notify_one();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    const char* step_ = nullptr;
    unsigned long count_ = 0;
    std::thread thread_;
};

StepWatchdog* watchdog = nullptr;
QImage* image = nullptr;

bool Finite(const kepler::TRadialVelocityElements& e) {
    return std::isfinite(e.period_days) && std::isfinite(e.K_mps) && std::isfinite(e.ecc) &&
           std::isfinite(e.omega_rad) && std::isfinite(e.tPeri_days);
}

void CheckReading(const observing::TCsvReading& reading) {
    using namespace observing;
    const auto& rows = reading.set.data;
    check(rows.size() >= MinCsvRows && rows.size() <= MaxCsvRows, "a row count out of range");
    check(std::isfinite(reading.set.timeOffset_days), "an offset that is not finite");
    check(rows.front().t_days == 0.0, "times not counted from the first");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TMeasurement& m = rows[i];
        check(std::abs(m.t_days) <= 2.0 * MaxAbsTime_days, "a time beyond the bounds");
        check(VelocityRefusal(m.v_mps).Empty(), "a velocity beyond the bounds");
        check(ErrorRefusal(m.error_mps).Empty(), "an error beyond the bounds");
        check(i == 0 || rows[i - 1].t_days <= m.t_days, "times out of order");
    }
    check(SpanRefusal(Span(rows)).Empty(), "a span beyond the bounds");
}

void Draw(const observing::TMeasurementSet& set, const observing::TPeriodogram& periodogram,
          std::span<const kepler::TRadialVelocityElements> curve) {
    watchdog->Enter("drawing");
    LeaksIgnored fontCaches;
    const QRectF area(image->rect());
    QPainter p(image);
    observingdrawing::DrawData(p, area, {set.data, curve, set.timeOffset_days});
    observingdrawing::DrawPeriodogram(p, area, {&periodogram, true});
    const double period = periodogram.peak.period_days;
    const auto folded = observing::Fold(set.data, period, set.data.front().t_days);
    observingdrawing::DrawFold(p, area, {folded, period});
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    LeaksIgnored fontsLoaded;
    new QGuiApplication(*argc, *argv);
    image = new QImage(320, 180, QImage::Format_ARGB32_Premultiplied);
    watchdog = new StepWatchdog;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace observing;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    watchdog->Enter("reading");
    const TCsvReading reading = ReadMeasurementsCsv(text);
    const TCsvReading again = ReadMeasurementsCsv(text);
    check(again.ok == reading.ok && again.message.English() == reading.message.English() &&
              again.set.data == reading.set.data,
          "a second reading differs");
    if (!reading.ok) {
        check(!reading.message.Empty(), "a refusal without a message");
        check(reading.set.data.empty(), "a refusal with measurements");
        check((reading.line > 0) == reading.message.English().starts_with("line "),
              "the line number and the message disagree");
        watchdog->Enter(nullptr);
        return 0;
    }
    CheckReading(reading);
    const auto& rows = reading.set.data;
    watchdog->Enter("writing and reading back");
    const std::string written = WriteMeasurementsCsv(rows, reading.set.timeOffset_days, "again");
    if (written.size() <= MaxCsvBytes) {
        const TCsvReading back = ReadMeasurementsCsv(written);
        check(back.ok, "written measurements do not read back");
        check(back.set.data.size() == rows.size(), "written measurements change in number");
        for (std::size_t i = 0; i < rows.size(); ++i)
            check(back.set.data[i].error_mps == rows[i].error_mps, "an error changes on the way");
    }

    // The window's grid at its shortest trial period, swept over its first frequencies.
    watchdog->Enter("the frequency grid");
    const double span = Span(rows);
    if (span == 0.0) { // all at one time: no periodogram to work out
        watchdog->Enter(nullptr);
        return 0;
    }
    const TFrequencyGrid grid = GridFor(span, 0.1);
    check(grid.count >= 1 && grid.count <= TFrequencyGrid::MaxCount, "a grid out of bounds");
    check(std::isfinite(grid.first) && std::isfinite(grid.step) && grid.step >= 0.0,
          "a grid that is not finite");
    TFrequencyGrid swept = grid;
    swept.count = std::min(grid.count, MaxSweptFrequencies);
    watchdog->Enter("the periodogram");
    TPeriodogram periodogram;
    check(Compute(rows, swept, true, periodogram), "a periodogram stops unasked");
    for (std::size_t i = 0; i < swept.count; ++i)
        check(periodogram.power[i] >= 0.0 && periodogram.power[i] <= 1.0,
              "a power outside 0 to 1");
    check(periodogram.falseAlarm >= 0.0 && periodogram.falseAlarm <= 1.0,
          "a false-alarm probability outside 0 to 1");
    check(std::isfinite(periodogram.peak.period_days) && periodogram.peak.period_days > 0.0,
          "a peak that is not a period");

    std::vector<kepler::TRadialVelocityElements> curve;
    if (rows.size() <= MaxFittedRows) {
        // A search whose own grid stays small, then a fit from the by-hand page's corner.
        watchdog->Enter("the planet search");
        const fit::TPlanetSearch search =
            fit::FitNextPlanet(rows, {}, std::max(0.1, span / 40.0), fit::TFitSettings{});
        if (search.fit.outcome == fit::TFitOutcome::Done) {
            check(std::isfinite(search.fit.solution.rms_mps), "a fit with an rms not finite");
            for (const fit::TFittedPlanet& planet : search.fit.solution.planets)
                check(Finite(planet.elements), "a fitted planet not finite");
        }
        watchdog->Enter("a fit from the sliders' ends");
        kepler::TRadialVelocityElements hand;
        hand.period_days = std::max(2.0 * span, 10.0);
        hand.K_mps = 0.0;
        for (const TMeasurement& m : rows)
            hand.K_mps = std::max(hand.K_mps, 2.0 * std::abs(m.v_mps));
        hand.ecc = MaxEccentricity;
        hand.tPeri_days = hand.period_days;
        const fit::TResidualSpread spread = fit::SpreadAbout(rows, std::span(&hand, 1));
        check(std::isfinite(spread.rms_mps) && std::isfinite(spread.offset_mps),
              "the fit by hand's rms is not finite");
        const fit::TFitResult fitted = fit::FitFrom(rows, std::span(&hand, 1), {});
        if (fitted.outcome == fit::TFitOutcome::Done)
            for (const fit::TFittedPlanet& planet : fitted.solution.planets) {
                check(Finite(planet.elements), "a planet fitted by hand not finite");
                curve.push_back(planet.elements);
            }
    }
    Draw(reading.set, periodogram, curve);
    watchdog->Enter(nullptr);
    return 0;
}
