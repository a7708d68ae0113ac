// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Work that would freeze the interface, run on a thread of its own: the work reports the share
// done (0 to 1) and looks whether it is asked to stop; its end is told on the interface thread.
// The work's own data and result live in what its two functions share (a shared_ptr they both
// hold), so the interface never touches them while the work runs.
//
// Safe when the owner goes away mid-work: the destructor asks the work to stop and waits for
// it, and an end not yet told is dropped with the object, so no late result reaches a closed
// window. A new Start stops the work before it without waiting: its end is never told. Work
// that throws ends as Failed with the exception's text; it never reaches std::terminate.

#include "WorkControl.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

class TBackgroundWork : public QObject {
public:
    // What the work sees of its run.
    class TControl {
    public:
        // Records the share done, 0 to 1.
        void Progress(double share) { done_.store(share, std::memory_order_relaxed); }
        bool StopAsked() const { return stop_.load(std::memory_order_relaxed); }
        // The flag itself, for model code that takes a pointer to it.
        const std::atomic<bool>* StopFlag() const { return &stop_; }
        // The control that the model's long computations take: stopped with this run, and
        // recording their progress here.
        TWorkControl Work() {
            return {&stop_, [this](double share) { Progress(share); }};
        }

    private:
        friend class TBackgroundWork;
        std::atomic<double> done_{0.0};
        std::atomic<bool> stop_{false};
    };

    enum class TEnd { Finished, Cancelled, Failed };
    enum class TWhere { OwnThread, Here };
    using TWork = std::function<void(TControl&)>;
    // Told on the interface thread; failure: the exception's text when the end is Failed.
    using TDone = std::function<void(TEnd end, const QString& failure)>;

    explicit TBackgroundWork(QObject* owner = nullptr);
    ~TBackgroundWork() override;

    // Runs `work` on a thread of its own (or here, at once, for work known to be short) and
    // tells `done` how it ended. Any work running is stopped first, its end never told.
    void Start(TWork work, TDone done, TWhere where = TWhere::OwnThread);
    // Asks the running work to stop; its end is told as Cancelled once it has stopped.
    void Cancel();
    // Stops the running work; its end is never told.
    void Stop();
    // Waits for the running work and tells its end now (for printing, tests and pictures).
    void Wait();
    bool Running() const { return current_ != nullptr; }
    // The share of the running work done, 0 to 1.
    double Progress() const;
    // Called with the share done every `interval_ms` while work runs, and with 0 at its start.
    void OnProgress(std::function<void(double)> show, int interval_ms = 50);

private:
    struct TRun;

    void Ended(const std::shared_ptr<TRun>& run);
    void Tell(const std::shared_ptr<TRun>& run);

    std::shared_ptr<TRun> current_;
    std::vector<std::shared_ptr<TRun>> stopped_; // asked to stop, their threads not yet joined
    QTimer* timer_ = nullptr;
    std::function<void(double)> showProgress_;
};
