// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The pages of "Finding a planet" on the published velocities of 51 Peg: read from the
// book's bundled data, an instrument a plot, and fitted with each instrument's own zero point
// and jitter. The fold and the fit show every measurement less its instrument's zero point,
// so that the two instruments' points fall on one curve.
#include "TFindingPlanet.h"

#include "BookText.h"
#include "BookWording.h"
#include "DataFile.h"
#include "FindingPlanetQuestions.h"
#include "FindingPlanetReadouts.h"
#include "NumberText.h"
#include "TBackgroundWork.h"
#include "model/fit/FitText.h"
#include "model/fit/PlanetSearch.h"
#include "model/rv/RvBundle.h"
#include "model/fit/SecondPlanet.h"
#include "observing/ObservingDrawing.h"
#include "observing/TDataPlot.h"
#include "observing/TFitPlot.h"
#include "observing/TFoldPlot.h"
#include "observing/TPeriodogramPlot.h"
#include "observing/TResidualPlot.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <algorithm>
#include <cmath>

using namespace observing;
namespace q = findingplanet;

struct TFindingPlanet::TRealJob {
    std::vector<TMeasurement> data;
    double starMass_Solar = 1.0;
    fit::TPlanetSearch search;
};

using namespace findingplanetviews;

namespace {

// The star the pages show and the shortest period they search, days.
constexpr const char* RealStar = "51 Peg";
constexpr double RealShortestPeriod_days = 0.5;

// Each measurement less its instrument's fitted zero point, at its time since the planet's
// last periastron; and the solution as it then reads: zero points 0, periastron at time 0. So
// a plot of time shows one orbit with every point on it, each instrument in its own symbol.
struct TFoldedFit {
    std::vector<TMeasurement> data;
    fit::TOrbitSolution solution;
};

TFoldedFit FoldedOnFit(std::span<const TMeasurement> data, const fit::TOrbitSolution& fitted) {
    TFoldedFit folded{{data.begin(), data.end()}, fitted};
    const kepler::TRadialVelocityElements& planet = fitted.planets.front().elements;
    for (TMeasurement& m : folded.data) {
        m.v_mps -= fitted.offsets_mps[std::size_t(m.instrument)].value;
        m.t_days -= planet.tPeri_days;
        m.t_days -= planet.period_days * std::floor(m.t_days / planet.period_days);
    }
    std::sort(folded.data.begin(), folded.data.end(),
              [](const TMeasurement& a, const TMeasurement& b) { return a.t_days < b.t_days; });
    folded.solution.offsets_mps.assign(fitted.offsets_mps.size(), {});
    folded.solution.offset_mps = {};
    folded.solution.planets.front().elements.tPeri_days = 0.0;
    return folded;
}

// The measurements of one instrument.
TMeasurementSet OfInstrument(const TMeasurementSet& set, int instrument) {
    TMeasurementSet one{{}, set.timeOffset_days};
    for (const TMeasurement& m : set.data)
        if (m.instrument == instrument)
            one.data.push_back(m);
    return one;
}

} // namespace

const fit::TFitResult* TFindingPlanet::EndedRealFit() const {
    const TRealJob* job = realFits_.Ended();
    return job ? &job->search.fit : nullptr;
}

const fit::TOrbitSolution* TFindingPlanet::RealFit() const {
    const fit::TFitResult* ended = EndedRealFit();
    return ended ? MadeFit(*ended) : nullptr;
}

// Why there is no fit of the published data to show: it is being made, or what stopped it.
QString TFindingPlanet::NoRealFitText() const {
    return realFits_.Running()
               ? BookText("Chapter 6: Finding a planet", "Working out the periodogram and the fit…")
               : NoFitText(realFits_.Ended()->search.fit);
}

const TPeak& TFindingPlanet::ShownPeak() const {
    return q::ShowsRealData(Page) && RealFit() ? realFits_.Ended()->search.periodogram.peak
                                               : ownPeak_;
}

void TFindingPlanet::StartRealFit() {
    auto job = std::make_shared<TRealJob>();
    rvdata::TRvDataSetReading reading;
    try {
        reading = rvdata::LoadBundledStar(FindDataFile("rv"), RealStar);
    } catch (const EFOpenError& e) {
        reading.message = Verbatim(e.what());
    }
    if (!reading.ok) {
        realFault_ =
            BookText("Chapter 6: Finding a planet",
                     "The published measurements of 51 Peg cannot be read: %1", "%1 is the reason")
                .arg(BookWording(reading.message))
                .toStdString();
        job->search.fit.message = Verbatim(realFault_);
        realFits_.Keep(job);
        return;
    }
    real_ = reading.set;
    job->data = real_.measurements.data;
    job->starMass_Solar = real_.starMass_Solar;
    realFits_.Start(
        job,
        [](TRealJob& job, TBackgroundWork::TControl& run) {
            // Measured velocities are weighed in the IAU's astronomical unit, not the
            // simulation's.
            fit::TFitSettings settings = fit::JitterFitSettings(job.starMass_Solar);
            settings.astronomicalUnit = fit::TAstronomicalUnit::Iau;
            job.search =
                fit::FitNextPlanet(job.data, {}, RealShortestPeriod_days, settings, run.Work());
        },
        [this](TBackgroundWork::TEnd, const QString&) { RealFitDone(); });
}

void TFindingPlanet::RealFitDone() {
    if (!q::ShowsRealData(Page))
        return;
    ShowRealPeriodogram();
    ShowRealFit();
    FoldPeriodBox->setValue(ShownPeak().period_days);
    ShowFold(FoldPeriodBox->value());
    EnableAnswers();
}

void TFindingPlanet::ShowRealData() {
    if (!realFault_.empty()) {
        for (TDataPlot* plot : InstrumentPlots)
            plot->SetMessage(BookText("Chapter 6: Finding a planet", "No data"));
        RunLabel->setText(QString::fromStdString(realFault_));
        return;
    }
    QString text = BookText("Chapter 6: Finding a planet", "%1, a star of %2 solar masses (%3):",
                            "%1 is the star's name, %3 where its mass is published")
                       .arg(QString::fromStdString(real_.star), FixedText(real_.starMass_Solar, 2),
                            BookWording(real_.starMassSource));
    for (std::size_t i = 0; i < InstrumentPlots.size(); ++i) {
        TDataPlot* plot = InstrumentPlots[i];
        if (i >= real_.instruments.size()) {
            plot->hide();
            continue;
        }
        const rvdata::TRvInstrument& instrument = real_.instruments[i];
        const QString name = QString::fromStdString(instrument.name);
        plot->SetMessage({});
        plot->SetMeasurements(OfInstrument(real_.measurements, int(i)));
        plot->SetVelocityTitle(BookText("Chapter 6: Finding a planet", "%1 (m/s)",
                                        "an axis's title: %1 is the instrument's name")
                                   .arg(name));
        plot->setAccessibleName(BookText("Chapter 6: Finding a planet", "Measurements of %1",
                                         "%1 is the instrument's name")
                                    .arg(name));
        text += "\n" + BookText("Chapter 6: Finding a planet", "%1: %n measurements, %2.",
                                "%1 is the instrument's name, %2 the paper that published them",
                                instrument.count)
                           .arg(name, QString::fromStdString(instrument.reference));
    }
    text += "\n" + BookText("Chapter 6: Finding a planet", "They span %1 days.")
                       .arg(std::lround(Span(real_.measurements.data)));
    RunLabel->setText(text);
}

void TFindingPlanet::ShowRealPeriodogram() {
    const fit::TOrbitSolution* fitted = RealFit();
    if (!fitted) {
        const QString message = NoRealFitText();
        PeriodogramPlot->SetMessage(message);
        PeakLabel->setText(message);
        return;
    }
    const TPeriodogram& pg = realFits_.Ended()->search.periodogram;
    PeriodogramPlot->SetMessage({});
    PeriodogramPlot->SetPeriodogram(pg);
    PeriodogramPlot->SetShowWindow(false);
    PeakLabel->setText(BookText("Chapter 6: Finding a planet",
                                "Each instrument's own zero point taken off first.\n"
                                "Highest peak: %1 (power %2).\nFalse-alarm probability: %3.",
                                "%1 is a period with its unit; power of the periodogram")
                           .arg(Days(pg.peak.period_days), FixedText(pg.peak.power, 2),
                                Probability(pg.falseAlarm)));
}

void TFindingPlanet::ShowRealFit() {
    const fit::TOrbitSolution* fitted = RealFit();
    if (!fitted) {
        const QString message = NoRealFitText();
        for (TObservingPlot* plot : {static_cast<TObservingPlot*>(FitPlot),
                                     static_cast<TObservingPlot*>(ResidualPlot),
                                     static_cast<TObservingPlot*>(FoldPlot)})
            plot->SetMessage(message);
        FitLabel->setText(message);
        return;
    }
    const TFoldedFit folded = FoldedOnFit(real_.measurements.data, *fitted);
    const TMeasurementSet set{folded.data, 0.0, real_.measurements.instruments};
    for (TObservingPlot* plot : {static_cast<TObservingPlot*>(FitPlot),
                                 static_cast<TObservingPlot*>(ResidualPlot),
                                 static_cast<TObservingPlot*>(FoldPlot)})
        plot->SetMessage({});
    FitPlot->SetMeasurements(set);
    FitPlot->SetSolution(&folded.solution);
    ResidualPlot->SetMeasurements(set);
    ResidualPlot->SetSolution(&folded.solution);
    FitPlot->SetFolded(false);
    const QString sincePeriastron =
        BookText("Chapter 6: Finding a planet", "time since periastron (days)", "an axis's title");
    FitPlot->SetTimeTitle(sincePeriastron);
    ResidualPlot->SetTimeTitle(sincePeriastron);
    // The fold starts from the levelled measurements at their own times, each with its
    // instrument's symbol, as the legend names them.
    TMeasurementSet levelled = real_.measurements;
    for (TMeasurement& m : levelled.data)
        m.v_mps -= fitted->offsets_mps[std::size_t(m.instrument)].value;
    FoldPlot->SetMeasurements(levelled);
    FoldPlot->SetVelocityTitle(BookText("Chapter 6: Finding a planet",
                                        "v less each instrument's zero point (m/s)",
                                        "an axis's title"));

    const fit::TFittedPlanet& planet = fitted->planets.front();
    QString instruments;
    for (std::size_t i = 0; i < real_.instruments.size(); ++i)
        instruments +=
            (i == 0 ? "" : "\n") + BookText("Chapter 6: Finding a planet",
                                            "%1: zero point %2 m/s, jitter %3 m/s",
                                            "%1 is the instrument's name")
                                       .arg(QString::fromStdString(real_.instruments[i].name),
                                            FixedText(fitted->offsets_mps[i].value, 1),
                                            FixedText(fitted->jitters_mps[i].value, 1));
    FitLabel->setText(
        BookText("Chapter 6: Finding a planet",
                 "51 Peg b, both instruments fitted together, each point shown "
                 "at its time since periastron:\nP = %1 days,  K = %2 m/s\n"
                 "e = %3,  ω = %4°\n%5\nrms %6 m/s, reduced χ² %7",
                 "%5 is a line for each instrument")
            .arg(WithSigma(planet.period_days), WithSigma(planet.K_mps), WithSigma(planet.ecc),
                 FixedText(planet.omega_rad.value * 180.0 / M_PI, 0), instruments,
                 FixedText(fitted->rms_mps, 1), FixedText(fitted->reducedChiSquare, 2)));
}
