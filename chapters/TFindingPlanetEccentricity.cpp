// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The page of "Finding a planet" on how sure an eccentricity is: a made-up star with a weak
// planet, the same for every student, fitted as the Fit tab fits, and the orbits its
// measurements allow drawn about that fit by the observing window's sampler from a fixed
// seed, so that the histogram of their e and the page's numbers are the same on every screen.
// The fit and the chain run in the background the first time the page is shown.
#include "TFindingPlanet.h"

#include "BookText.h"
#include "FindingPlanetQuestions.h"
#include "FindingPlanetReadouts.h"
#include "NumberText.h"
#include "TBackgroundWork.h"
#include "model/observing/EccentricityStar.h"
#include "model/posterior/EnsembleSampler.h"
#include "model/fit/PlanetSearch.h"
#include "model/fit/SecondPlanet.h"
#include "observing/TFitPlot.h"
#include "observing/TPosteriorPlot.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <cmath>
#include <optional>

using namespace observing;
namespace q = findingplanet;

struct TFindingPlanet::TEccentricityJob {
    std::vector<TMeasurement> data;
    fit::TPlanetSearch search;
    std::unique_ptr<posterior::TOrbitPosterior> posterior;
    posterior::TChain chain;
    std::optional<posterior::TPosteriorSummary> summary;
};

using namespace findingplanetviews;

const fit::TOrbitSolution* TFindingPlanet::EccentricityFit() const {
    const TEccentricityJob* job = eccentricity_.Ended();
    return job ? MadeFit(job->search.fit) : nullptr;
}

const posterior::TPosteriorSummary* TFindingPlanet::EccentricityOrbits() const {
    const TEccentricityJob* job = eccentricity_.Ended();
    return job && job->summary ? &*job->summary : nullptr;
}

void TFindingPlanet::StartEccentricityRun() {
    auto job = std::make_shared<TEccentricityJob>();
    job->data = ObserveEccentricityStar();
    eccentricity_.Start(
        job,
        [](TEccentricityJob& job, TBackgroundWork::TControl& run) {
            const TWorkControl control = run.Work();
            const fit::TFitSettings settings = fit::JitterFitSettings(EccentricityStarMass_Solar);
            job.search = fit::FitNextPlanet(job.data, {}, HiddenShortestPeriod_days, settings,
                                             control.Part(0.0, 0.05));
            if (job.search.fit.outcome != fit::TFitOutcome::Done)
                return;
            job.posterior = std::make_unique<posterior::TOrbitPosterior>(
                job.data, job.search.fit.solution, settings);
            const posterior::TOrbitPosterior& density = *job.posterior;
            // As many walkers as How sure? sends over as many parameters.
            const int walkers = (std::max(32, 2 * density.Dimension() + 2) + 1) / 2 * 2;
            const auto start = density.StartingBall(walkers, q::EccentricitySeed);
            if (int(start.size()) < walkers)
                return;
            job.chain = posterior::Sample(
                [&density](std::span<const double> x) { return density.LogDensity(x); }, start,
                {.walkers = walkers, .maxSteps = q::EccentricitySteps, .checkEvery = 500,
                 .seed = q::EccentricitySeed},
                control.Part(0.05, 0.95));
            // A chain with no look at its autocorrelation has nothing to be judged by.
            if (!job.chain.cancelled && job.chain.steps >= 2 && !job.chain.tau.empty())
                job.summary = posterior::Summarise(density, job.chain);
        },
        [this](TBackgroundWork::TEnd, const QString&) {
            if (Page != q::EccentricityPage)
                return;
            ShowEccentricity();
            EnableAnswers();
        });
}

void TFindingPlanet::ShowEccentricity() {
    const bool running = eccentricity_.Running();
    const TEccentricityJob& job = *eccentricity_.Job();
    EccentricityProgress->setVisible(running);
    const fit::TOrbitSolution* fitted = EccentricityFit();
    const posterior::TPosteriorSummary* orbits = EccentricityOrbits();
    const QString star =
        BookText("Chapter 6: Finding a planet",
                 "A made-up star of %1 solar masses: %n measurements in %2 days, each ± %3 m/s.",
                 nullptr, int(job.data.size()))
            .arg(FixedText(EccentricityStarMass_Solar, 1))
            .arg(std::lround(Span(job.data)))
            .arg(FixedText(EccentricityStarPlan().precision_mps, 0));
    EccentricityFitPlot->SetMeasurements({job.data, 0.0, {}});
    EccentricityFitPlot->SetFolded(true);
    EccentricityFitPlot->SetSolution(fitted);
    if (running) {
        const QString message = BookText("Chapter 6: Finding a planet",
                                         "Fitting the orbit and drawing the orbits that fit the "
                                         "measurements…");
        EccentricityFitPlot->SetMessage(message);
        EccentricityPlot->SetMessage(message);
        EccentricityLabel->setText(star);
        return;
    }
    if (!fitted) {
        const QString message = NoFitText(job.search.fit);
        EccentricityFitPlot->SetMessage(message);
        EccentricityPlot->SetMessage(message);
        EccentricityLabel->setText(star + "\n" + message);
        return;
    }
    EccentricityFitPlot->SetMessage({});
    const fit::TFittedPlanet& planet = fitted->planets.front();
    QString text = star + "\n" +
                   BookText("Chapter 6: Finding a planet",
                            "The fit, as on the Fit tab: P = %1 days, K = %2 m/s, e = %3.")
                       .arg(WithSigma(planet.period_days), WithSigma(planet.K_mps),
                            WithSigma(planet.ecc));
    if (!orbits) {
        const QString message =
            BookText("Chapter 6: Finding a planet", "No orbits could be drawn about this fit.");
        EccentricityPlot->SetMessage(message);
        EccentricityLabel->setText(text + "\n" + message);
        return;
    }
    const posterior::TInterval& e = orbits->planets.front().ecc;
    EccentricityPlot->SetMessage({});
    EccentricityPlot->SetDraws(orbits->pairs.front().ecc, e, planet.ecc.value, planet.ecc.sigma,
                               0.0, 1.0, "e");
    const posterior::TChain& chain = job.chain;
    const double longest = orbits->longestTau_steps;
    text += "\n" + BookText("Chapter 6: Finding a planet",
                            "The orbits that fit: e from %1 to %2 (the middle 68 %), median %3.")
                       .arg(FixedText(e.low, 2), FixedText(e.high, 2), FixedText(e.median, 2));
    text += "\n" + (chain.converged
                        ? BookText("Chapter 6: Finding a planet",
                                   "Converged: %1 steps of %2 walkers, %3 times the longest "
                                   "autocorrelation time (%4 steps).")
                        : BookText("Chapter 6: Finding a planet",
                                   "Not converged after %1 steps of %2 walkers, %3 times the "
                                   "longest autocorrelation time (%4 steps): the range is rough."))
                       .arg(chain.steps)
                       .arg(chain.walkers)
                       .arg(int(chain.steps / longest))
                       .arg(FixedText(longest, 0));
    EccentricityLabel->setText(text);
}
