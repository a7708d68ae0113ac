// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/ObservingSession.h"

#include "model/observing/MeasurementLimits.h"

#include <memory>

using namespace observing;

TObservingSession::TObservingSession(QObject* owner, std::function<void()> ended)
    : work_(owner), fits_(owner), ended_(std::move(ended)) {}

TObservingSession::~TObservingSession() {
    work_.Stop();
    fits_.Stop();
}

void TObservingSession::Observe(std::vector<TMeasurement> data, double shortestPeriod_days,
                                std::optional<TBackgroundWork::TWhere> where) {
    work_.Stop();
    data_ = std::move(data);
    started_ = false;
    cancelled_ = false;
    failed_ = false;
    failure_.clear();
    const double span = Span(data_);
    if (data_.size() < MinCsvRows || !(span > 0.0))
        return;
    auto job = std::make_shared<TJob>();
    job->data = data_;
    job->grid = GridFor(span, shortestPeriod_days);
    const bool quick = double(job->data.size()) * double(job->grid.count) <= ThreadedWork;
    started_ = true;
    work_.Start(
        job,
        [](TJob& job, TBackgroundWork::TControl& control) {
            job.complete = Compute(job.data, job.grid, true, job.result, control.Work());
        },
        [this](TBackgroundWork::TEnd end, const QString& failure) {
            if (end == TBackgroundWork::TEnd::Failed) {
                failed_ = true;
                failure_ = failure;
            } else if (end == TBackgroundWork::TEnd::Cancelled || !work_.Ended()->complete)
                cancelled_ = true;
            if (ended_)
                ended_();
        },
        where.value_or(quick ? TBackgroundWork::TWhere::Here
                             : TBackgroundWork::TWhere::OwnThread));
}

void TObservingSession::Stop() {
    if (!work_.Running())
        return;
    work_.Stop();
    started_ = false;
}

TObservingSession::TState TObservingSession::State() const {
    if (!started_)
        return TState::None;
    if (work_.Running())
        return TState::Working;
    if (failed_)
        return TState::Failed;
    return cancelled_ ? TState::Cancelled : TState::Done;
}

const TPeriodogram* TObservingSession::Periodogram() const {
    return State() == TState::Done ? &work_.Ended()->result : nullptr;
}
