// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TBackgroundWork.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <thread>

struct TBackgroundWork::TRun {
    TControl control;
    TWork work;
    TDone done;
    bool failed = false;
    QString failure; // written by the work's thread before it posts its end
    std::thread thread;

    // Runs the work, keeping anything it throws as its failure.
    void Run() {
        try {
            work(control);
        } catch (const std::exception& e) {
            failed = true;
            failure = QString::fromLocal8Bit(e.what());
        } catch (...) {
            failed = true;
            failure = "an unknown error";
        }
    }
    void Join() {
        if (thread.joinable())
            thread.join();
    }
};

TBackgroundWork::TBackgroundWork(QObject* owner) : QObject(owner) {
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (showProgress_ && current_)
            showProgress_(Progress());
    });
    // Work still running when the book quits stops before the objects it may call go away.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { Stop(); });
}

TBackgroundWork::~TBackgroundWork() {
    Stop();
    for (const std::shared_ptr<TRun>& run : stopped_)
        run->Join();
    // Ends posted by the joined threads are dropped with this object.
}

void TBackgroundWork::Start(TWork work, TDone done, TWhere where) {
    Stop();
    auto run = std::make_shared<TRun>();
    run->work = std::move(work);
    run->done = std::move(done);
    if (where == TWhere::Here) {
        run->Run();
        Tell(run);
        return;
    }
    current_ = run;
    if (showProgress_) {
        showProgress_(0.0);
        timer_->start();
    }
    // The thread holds the run; its end is posted to this object, and dropped if it has gone.
    run->thread = std::thread([this, run] {
        run->Run();
        QMetaObject::invokeMethod(this, [this, run] { Ended(run); }, Qt::QueuedConnection);
    });
}

void TBackgroundWork::Cancel() {
    if (current_)
        current_->control.stop_.store(true);
}

void TBackgroundWork::Stop() {
    if (!current_)
        return;
    current_->control.stop_.store(true);
    stopped_.push_back(std::move(current_));
    current_.reset();
    timer_->stop();
}

void TBackgroundWork::Wait() {
    if (!current_)
        return;
    const std::shared_ptr<TRun> run = current_;
    run->Join();
    current_.reset();
    timer_->stop();
    Tell(run);
}

double TBackgroundWork::Progress() const {
    return current_ ? std::clamp(current_->control.done_.load(), 0.0, 1.0) : 0.0;
}

void TBackgroundWork::OnProgress(std::function<void(double)> show, int interval_ms) {
    showProgress_ = std::move(show);
    timer_->setInterval(interval_ms);
}

void TBackgroundWork::Ended(const std::shared_ptr<TRun>& run) {
    run->Join();
    if (run == current_) {
        current_.reset();
        timer_->stop();
        Tell(run);
        return;
    }
    // A stopped run, or one whose end Wait has told already.
    std::erase(stopped_, run);
}

void TBackgroundWork::Tell(const std::shared_ptr<TRun>& run) {
    const TEnd end = run->failed                    ? TEnd::Failed
                     : run->control.StopAsked()     ? TEnd::Cancelled
                                                    : TEnd::Finished;
    // The end is told once; the run's functions (and what they hold) go with it.
    const TDone done = std::move(run->done);
    run->work = nullptr;
    if (done)
        done(end, run->failure);
}
