// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The measurements of one observing session and their periodogram (Periodogram.h: window
// function included), as the observing window and chapter 6 both work on them. The
// periodogram is worked out here when it is quick and on a thread of its own when it would
// take long (above ThreadedWork measurement-frequency pairs), and the session is always in
// one of the states a window shows: no periodogram to work out (too few measurements, or all
// at one time), being worked out, worked out, cancelled, or failed with the reason. The
// session also keeps the fits of its measurements (SessionFits.h).

#include "observing/SessionFits.h"
#include "observing/SessionWork.h"
#include "model/observing/Periodogram.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class TObservingSession {
public:
    // Some 10 ms of work: above it the periodogram is worked out on its own thread.
    static constexpr double ThreadedWork = 4e6;
    enum class TState { None, Working, Done, Cancelled, Failed };

    // `ended` is told on the interface thread whenever a periodogram's work ends, worked out
    // or not (at once when it was quick).
    TObservingSession(QObject* owner, std::function<void()> ended);
    // Stops all its work first, so that no end reaches an owner being destroyed.
    ~TObservingSession();

    // Takes the measurements (one zero point for all) and works out their periodogram from
    // the shortest period up; `where` forces the pace (Here for runs known to be small).
    void Observe(std::vector<observing::TMeasurement> data, double shortestPeriod_days,
                 std::optional<TBackgroundWork::TWhere> where = std::nullopt);
    void Cancel() { work_.Cancel(); }
    // Stops the work without telling its end: no periodogram, as before it started.
    void Stop();
    void Wait() { work_.Wait(); }
    void OnProgress(std::function<void(double)> show) { work_.OnProgress(std::move(show)); }

    const std::vector<observing::TMeasurement>& Data() const { return data_; }
    TState State() const;
    // The periodogram once worked out, or null.
    const observing::TPeriodogram* Periodogram() const;
    // Why the periodogram could not be worked out, when the state is Failed.
    const QString& Failure() const { return failure_; }
    TSessionFits& Fits() { return fits_; }
    const TSessionFits& Fits() const { return fits_; }

private:
    struct TJob {
        std::vector<observing::TMeasurement> data;
        observing::TFrequencyGrid grid;
        observing::TPeriodogram result;
        bool complete = false;
    };

    TSessionWork<TJob> work_;
    TSessionFits fits_;
    std::function<void()> ended_;
    std::vector<observing::TMeasurement> data_;
    bool started_ = false;
    bool cancelled_ = false;
    bool failed_ = false;
    QString failure_;
};
