// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// One piece of an observing session's work off the interface thread (a periodogram, a fit, a
// search for a planet, the orbits the data allow) with the state a window shows it in: not
// started, being worked out, or ended with its job's result. The observing window, its Fit
// page and chapter 6 all keep their work so, and say that a fit is missing in one way
// (NoFitText), so that no page drops a fit's reason.
//
// The job is what the work and the window share: the work writes it on its thread, the
// window reads it only once the work has ended (TBackgroundWork.h).

#include "TBackgroundWork.h"
#include "model/fit/OrbitFit.h"

#include <QString>
#include <functional>
#include <memory>

template <class TJob>
class TSessionWork {
public:
    explicit TSessionWork(QObject* owner) : work_(new TBackgroundWork(owner)) {}
    // The owner's destructor stops it first, so that no end reaches a half-destroyed window.
    TSessionWork(const TSessionWork&) = delete;
    TSessionWork& operator=(const TSessionWork&) = delete;

    // Runs `run` on `job` (here at once when `where` says the work is short), then `ended`
    // on the interface thread; a job started before is stopped and its end never told.
    void Start(std::shared_ptr<TJob> job, std::function<void(TJob&, TBackgroundWork::TControl&)> run,
               TBackgroundWork::TDone ended,
               TBackgroundWork::TWhere where = TBackgroundWork::TWhere::OwnThread) {
        job_ = std::move(job);
        work_->Start([job = job_, run = std::move(run)](
                         TBackgroundWork::TControl& control) { run(*job, control); },
                     std::move(ended), where);
    }
    // Holds `job` as ended without work (one that failed before it could start).
    void Keep(std::shared_ptr<TJob> job) {
        work_->Stop();
        job_ = std::move(job);
    }
    bool Running() const { return work_->Running(); }
    // The job last started, or null; its results are the work's until Ended() gives it.
    const TJob* Job() const { return job_.get(); }
    // The job once its work has ended; null before it starts and while it runs.
    const TJob* Ended() const { return Running() ? nullptr : job_.get(); }
    void Cancel() { work_->Cancel(); }
    void Stop() { work_->Stop(); }
    // Waits for the work, and for any that its end starts (for tests, pictures and printing).
    void Wait() {
        while (work_->Running())
            work_->Wait();
    }
    void OnProgress(std::function<void(double)> show) { work_->OnProgress(std::move(show)); }

private:
    TBackgroundWork* work_;
    std::shared_ptr<TJob> job_;
};

// The fit of `result`, or null when it was not made.
inline const fit::TOrbitSolution* MadeFit(const fit::TFitResult& result) {
    return result.outcome == fit::TFitOutcome::Done ? &result.solution : nullptr;
}

// Why a fit that ended without one was not made: "No fit could be made: the measurements span
// no time." with the fit's reason, or "No fit could be made." when it gave none.
QString NoFitText(const fit::TFitResult& result);
