// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/SessionFits.h"

#include "Precondition.h"
#include "model/fit/FitText.h"
#include "model/fit/PlanetSearch.h"
#include "model/fit/SecondPlanet.h"
#include "model/rv/RvDataSet.h"

#include <memory>

using namespace observing;

void TSessionFits::TJob::Run(TBackgroundWork::TControl& run) {
    const TWorkControl control = run.Work();
    const TRequest& r = request;
    fit::TFitResult& result = ended.result;
    if (r.work == TWork::OneAndTwo) {
        const fit::TOneOrTwoPlanets made = fit::FitOneAndTwoPlanets(
            r.data, r.shortestPeriod_days, r.settings.starMass_Solar, control);
        result = made.one;
        if (made.two.outcome == fit::TFitOutcome::Done)
            two = made.two.solution;
        return;
    }
    bool fitted = r.work != TWork::Periodogram;
    if (r.work == TWork::NextPlanet || r.work == TWork::AtPeriod) {
        const fit::TPlanetSearch search =
            r.work == TWork::NextPlanet
                ? fit::FitNextPlanet(r.data, known, r.shortestPeriod_days, r.settings, control)
                : fit::FitPlanetAtPeriod(r.data, known, r.period_days, r.shortestPeriod_days,
                                         r.settings, control);
        result = search.fit;
        // "One more planet" adds none that fails a test: the window says why and keeps the
        // fit it had, and the residuals' periodogram of that fit.
        if (result.outcome == fit::TFitOutcome::Done && r.work == TWork::NextPlanet &&
            !search.verdict.Believed()) {
            result.outcome = fit::TFitOutcome::Refused;
            result.message = fit::NoPlanetAdded(search);
            fitted = false;
            shown = search.before;
        }
        if (result.outcome == fit::TFitOutcome::Done)
            evidence = TEvidence{search.deltaBic, search.falseAlarm, search.verdict};
    } else if (r.work == TWork::Refit || r.work == TWork::FromHand) {
        result = fit::FitFrom(r.data, known, r.settings, control);
    }
    if (fitted) {
        if (result.outcome != fit::TFitOutcome::Done)
            return;
        shown = result.solution;
    }
    // What is left for the next planet: the residuals' periodogram, each instrument's offset
    // and the trend taken off with the planets.
    const double span = Span(r.data);
    if (!(span > 0.0))
        return;
    const std::vector<TMeasurement> left =
        shown ? fit::SolutionResiduals(r.data, *shown) : rvdata::OnCommonZeroPoint(r.data);
    TPeriodogram periodogram;
    if (Compute(left, GridFor(span, r.shortestPeriod_days), false, periodogram,
                TWorkControl{run.StopFlag(), {}}))
        ended.residualPeriodogram = std::move(periodogram);
}

void TSessionFits::Start(TRequest request, std::function<void(const TEnded&)> ended) {
    PRECONDITION(!request.fromHand || request.work == TWork::FromHand);
    auto job = std::make_shared<TJob>();
    const TWork work = request.work;
    if (work == TWork::OneAndTwo)
        Clear();
    if (request.fromHand)
        job->known.push_back(*request.fromHand);
    else if (const fit::TOrbitSolution* last = Last(); last && work != TWork::OneAndTwo)
        for (const fit::TFittedPlanet& p : last->planets)
            job->known.push_back(p.elements);
    if (const fit::TOrbitSolution* last = Last(); last && work == TWork::Periodogram)
        job->shown = *last;
    request.settings.fixed = work == TWork::FromHand ? std::vector<fit::TFixedElements>{} : held_;
    if (work == TWork::NextPlanet || work == TWork::AtPeriod) {
        request.settings.fixed.resize(job->known.size());
        request.settings.fixed.push_back(request.newPlanetHeld);
    }
    job->request = std::move(request);
    job->ended.work = work;
    work_.Start(
        job, [](TJob& job, TBackgroundWork::TControl& run) { job.Run(run); },
        [this, job, ended = std::move(ended)](TBackgroundWork::TEnd end, const QString& failure) {
            job->ended.end = end;
            job->ended.failure = failure;
            Keep(*job);
            ended(job->ended);
        });
}

void TSessionFits::Keep(const TJob& job) {
    const TEnded& e = job.ended;
    if (e.end == TBackgroundWork::TEnd::Failed || e.result.outcome != fit::TFitOutcome::Done)
        return;
    const fit::TOrbitSolution& made = e.result.solution;
    switch (e.work) {
    case TWork::NextPlanet:
    case TWork::AtPeriod:
        fits_.push_back(made);
        evidence_.push_back(job.evidence);
        held_ = job.request.settings.fixed;
        break;
    case TWork::Refit:
        if (!fits_.empty())
            fits_.back() = made;
        break;
    case TWork::FromHand:
    case TWork::OneAndTwo:
        fits_.assign(1, made);
        if (job.two)
            fits_.push_back(*job.two);
        evidence_.assign(fits_.size(), std::nullopt);
        held_.clear();
        break;
    case TWork::Periodogram:
        break;
    }
}

const std::vector<TMeasurement>& TSessionFits::Data() const {
    static const std::vector<TMeasurement> none;
    return work_.Job() ? work_.Job()->request.data : none;
}

void TSessionFits::Clear() { Restore({}); }

void TSessionFits::Restore(std::vector<fit::TOrbitSolution> fits) {
    work_.Keep(nullptr);
    fits_ = std::move(fits);
    evidence_.assign(fits_.size(), std::nullopt);
    held_.assign(fits_.empty() ? 0 : fits_.back().planets.size(), {});
}

void TSessionFits::RemoveLast() {
    PRECONDITION(!fits_.empty());
    fits_.pop_back();
    evidence_.pop_back();
    held_.resize(fits_.empty() ? 0 : fits_.back().planets.size());
}
