// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The fits of an observing session's measurements, planet by planet: fits[n - 1] holds n
// planets, each kept with the evidence for the planet it added and the elements held. One
// piece of fitting runs at a time off the interface thread (SessionWork.h): one more planet
// at the residuals' best peak or at a typed period, all planets refitted, one planet from
// elements set by hand, or the one- and two-planet fits a student compares (SecondPlanet.h);
// each but the last also works out the periodogram of what the fit shown leaves over. When
// the work ends the fits are updated here before the window is told, so the observing
// window's Fit page and chapter 6 keep and show them in one way. Units: days, m/s.

#include "model/fit/CandidateVetting.h"
#include "model/fit/OrbitFit.h"
#include "model/observing/Periodogram.h"
#include "observing/SessionWork.h"

#include <functional>
#include <optional>
#include <vector>

class TSessionFits {
public:
    enum class TWork { Periodogram, NextPlanet, AtPeriod, Refit, FromHand, OneAndTwo };
    // How believable the planet a fit added is.
    struct TEvidence {
        double deltaBic = 0.0;
        double falseAlarm = 1.0;
        // "One more planet" adds only a believed planet; one at a typed period is added
        // whatever its verdict, which the evidence line then states.
        fit::TVerdict verdict;
    };
    struct TRequest {
        TWork work = TWork::Periodogram;
        std::vector<observing::TMeasurement> data;
        // Its elements held are set here: the planets' kept (Held()), a new planet's these.
        fit::TFitSettings settings;
        fit::TFixedElements newPlanetHeld;
        std::optional<kepler::TRadialVelocityElements> fromHand; // where FromHand starts
        double period_days = 0.0;                                // of AtPeriod
        double shortestPeriod_days = 1.0;
    };
    // How the last piece of work ended; the fits are already updated when it is told.
    struct TEnded {
        TWork work = TWork::Periodogram;
        TBackgroundWork::TEnd end = TBackgroundWork::TEnd::Finished;
        QString failure; // why the work failed, when it did
        // Of the fit sought (for OneAndTwo, of the one planet); Refused, saying why, when
        // "one more planet" found none it believed.
        fit::TFitResult result;
        // The residuals' periodogram of the fit now shown, when it was worked out.
        std::optional<observing::TPeriodogram> residualPeriodogram;
    };

    explicit TSessionFits(QObject* owner) : work_(owner) {}

    // Starts `request` on the fits kept, stopping work started before (its end never told);
    // `ended` is told on the interface thread.
    void Start(TRequest request, std::function<void(const TEnded&)> ended);
    void Cancel() { work_.Cancel(); }
    void Stop() { work_.Stop(); }
    void Wait() { work_.Wait(); }
    void OnProgress(std::function<void(double)> show) { work_.OnProgress(std::move(show)); }
    bool Running() const { return work_.Running(); }
    // What the work running or last ended does.
    TWork Work() const { return work_.Job() ? work_.Job()->request.work : TWork::Periodogram; }
    // The measurements last fitted, or none.
    const std::vector<observing::TMeasurement>& Data() const;
    // How the last work ended; null before any and while one runs.
    const TEnded* Ended() const { return work_.Ended() ? &work_.Ended()->ended : nullptr; }

    const std::vector<fit::TOrbitSolution>& Fits() const { return fits_; }
    // The fit of the most planets, or null.
    const fit::TOrbitSolution* Last() const { return fits_.empty() ? nullptr : &fits_.back(); }
    const std::vector<std::optional<TEvidence>>& Evidence() const { return evidence_; }
    // The held elements of each planet of the last fit.
    const std::vector<fit::TFixedElements>& Held() const { return held_; }

    // Drops every fit and the work in progress.
    void Clear();
    // Keeps fits made earlier, without their evidence and with nothing held.
    void Restore(std::vector<fit::TOrbitSolution> fits);
    // Drops the fit of the most planets (there must be one).
    void RemoveLast();

private:
    struct TJob {
        TRequest request;
        std::vector<kepler::TRadialVelocityElements> known;
        std::optional<fit::TOrbitSolution> shown; // whose residuals the periodogram takes
        std::optional<fit::TOrbitSolution> two;   // the two-planet fit of OneAndTwo
        std::optional<TEvidence> evidence;
        TEnded ended;
        void Run(TBackgroundWork::TControl& run);
    };

    void Keep(const TJob& job);

    TSessionWork<TJob> work_;
    std::vector<fit::TOrbitSolution> fits_;
    std::vector<std::optional<TEvidence>> evidence_; // of the planet each fit added
    std::vector<fit::TFixedElements> held_;
};
