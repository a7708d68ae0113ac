// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/RunState.h"

#include "BookText.h"

#include "WorkFile.h"
#include "model/observing/ObservingRun.h"
#include "observing/SolutionJson.h"
#include "observing/TFitByHandPage.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <algorithm>

using namespace observing;

namespace {

constexpr int SliderPositions = TFitByHandPage::SliderSteps;
const char* const Sources[] = {"none", "observed", "imported", "mystery", "published"};

} // namespace

QJsonObject RunToJson(const TRunState& s) {
    QJsonArray truth, byHand, fits;
    for (const kepler::TRadialVelocityElements& e : s.truth)
        truth.append(ElementsToJson(e));
    for (int position : s.byHand)
        byHand.append(position);
    for (const fit::TOrbitSolution& solution : s.fits)
        fits.append(SolutionToJson(solution));
    const QJsonObject plan{{"nights", s.nights},
                           {"runLength", s.runLength_days},
                           {"precision", s.precision_mps},
                           {"jitter", s.jitter_mps},
                           {"observablePercent", s.observablePercent},
                           {"weatherPercent", s.weatherPercent},
                           {"seed", s.seed}};
    return {{"plan", plan},
            {"source", s.source},
            {"star", s.star},
            {"measurements", MeasurementsToJson(s.set)},
            {"truth", truth},
            {"truthShown", s.truthShown},
            {"shortestPeriod", s.shortestPeriod_days},
            {"windowShown", s.windowShown},
            {"foldPeriod", s.foldPeriod_days},
            {"byHand", byHand},
            {"fit", QJsonObject{{"jitter", s.fitJitter},
                                {"starMass", s.fitStarMass_Solar},
                                {"comparing", s.comparing},
                                {"fits", fits}}}};
}

TRunState RunFromJson(const QJsonObject& object) {
    const TWorkFields f(object, "observingRun");
    TRunState s;
    const TWorkFields plan = f.Object("plan");
    s.nights = plan.Integer("nights", TObservingPlan::MinNights, TObservingPlan::MaxNights);
    s.runLength_days = plan.Number("runLength", TObservingPlan::MinRunLength_days,
                                   TObservingPlan::MaxRunLength_days);
    s.precision_mps = plan.Number("precision", TObservingPlan::MinPrecision_mps,
                                  TObservingPlan::MaxPrecision_mps);
    s.jitter_mps = plan.Number("jitter", 0.0, TObservingPlan::MaxJitter_mps);
    s.observablePercent = plan.Integer("observablePercent", 5, 100);
    s.weatherPercent = plan.Integer("weatherPercent", 0, 95);
    s.seed = plan.Text("seed", 18);
    // Anchored at the text's very ends: "$" alone would let a final line break through.
    static const QRegularExpression Digits(QRegularExpression::anchoredPattern("[0-9]{1,18}"));
    if (!Digits.match(s.seed).hasMatch())
        plan.Refuse("seed", BookText("Work file", "is not a whole number of 1 to 18 digits"));

    s.source = f.Text("source", 16);
    if (std::find(std::begin(Sources), std::end(Sources), s.source) == std::end(Sources))
        f.Refuse("source", BookText("Work file", "is none of \"none\", \"observed\", "
                                                 "\"imported\", \"mystery\", \"published\""));
    // Files saved before the status line was worded from the run hold it as "status", which
    // is passed over.
    s.star = f.Text("star", 64);
    if ((s.source == "published") == s.star.isEmpty())
        f.Refuse("star", s.star.isEmpty()
                             ? BookText("Work file", "is empty for published measurements")
                             : BookText("Work file",
                                        "is given for measurements that are not published"));
    s.set = MeasurementsFromJson(f.Object("measurements"));
    const QJsonArray truth = f.Array("truth", fit::MaxFitPlanets);
    for (qsizetype k = 0; k < truth.size(); ++k)
        s.truth.push_back(ElementsFromJson(f.Element(truth, "truth", k)));
    s.truthShown = f.Boolean("truthShown") && !s.truth.empty();
    s.shortestPeriod_days = f.Number("shortestPeriod", 1e-3, MaxSavedPeriod_days);
    s.windowShown = f.Boolean("windowShown");
    s.foldPeriod_days = f.Number("foldPeriod", 1e-3, MaxSavedPeriod_days);
    const QJsonArray byHand = f.Array("byHand", qsizetype(s.byHand.size()));
    if (byHand.size() != qsizetype(s.byHand.size()))
        f.Refuse("byHand", BookText("Work file", "does not list %1 slider positions").arg(s.byHand.size()));
    for (qsizetype k = 0; k < byHand.size(); ++k) {
        const int position = byHand.at(k).toInt(-1);
        if (position < 0 || position > SliderPositions || byHand.at(k).toDouble() != position)
            f.Refuse("byHand", BookText("Work file", "position %1 is not a whole number from 0 to %2")
                                   .arg(k + 1)
                                   .arg(SliderPositions));
        s.byHand[std::size_t(k)] = position;
    }

    const TWorkFields fitPart = f.Object("fit");
    s.fitJitter = fitPart.Boolean("jitter");
    s.fitStarMass_Solar = fitPart.Number("starMass", 1e-3, 1e3);
    s.comparing = fitPart.Boolean("comparing");
    const QJsonArray fits = fitPart.Array("fits", fit::MaxFitPlanets);
    if (!fits.isEmpty() && s.set.data.size() < MinCsvRows)
        fitPart.Refuse("fits", BookText("Work file", "are given without enough measurements to fit"));
    const int instruments = fit::InstrumentCount(s.set.data);
    for (qsizetype n = 0; n < fits.size(); ++n) {
        const TWorkFields one = fitPart.Element(fits, "fits", n);
        s.fits.push_back(SolutionFromJson(one, instruments));
        if (s.fits.back().planets.size() != std::size_t(n + 1))
            one.Refuse("planets", BookText("Work file", "does not list %1 planets").arg(n + 1));
    }
    s.comparing = s.comparing && !s.fits.empty() && !s.truth.empty();
    return s;
}
