// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/RunStatus.h"

#include "BookText.h"
#include "BookWording.h"
#include "NumberText.h"

#include <QStringList>
#include <algorithm>
#include <vector>

using namespace observing;

QString CoverageNote(const TObservingPlan& plan,
                     std::span<const kepler::TRadialVelocityElements> planets) {
    if (CoversTwoCycles(plan, planets))
        return {};
    double longest = 0.0;
    for (const kepler::TRadialVelocityElements& planet : planets)
        longest = std::max(longest, planet.period_days);
    const QString period = FixedText(longest, 0);
    // A sentence of its own after the status's.
    if (2.0 * longest > TObservingPlan::MaxRunLength_days)
        return " " + BookText("Observing run", "No run can cover two cycles of the longest "
                                               "period, %1 days: a periodogram cannot tell it "
                                               "well.")
                         .arg(period);
    return " " + BookText("Observing run", "The run covers less than two cycles of the longest "
                                           "period, %1 days: a periodogram cannot tell it well.")
                     .arg(period);
}

QString ObservedStatus(std::size_t clear, const TObservingPlan& plan,
                       std::span<const kepler::TRadialVelocityElements> planets) {
    return BookText("Observing run",
                    "Observed %n clear nights of the %1 asked for over %2 days, seed %3.", nullptr,
                    int(clear))
               .arg(plan.nights)
               .arg(FiguresText(plan.runLength_days, 6))
               .arg(plan.seed) +
           CoverageNote(plan, planets);
}

QString MysteryStatus(const TMysteryStar& star, std::size_t measurements) {
    return BookText("Observing run", "%1: %n measurements. What orbits it?", nullptr,
                    int(measurements))
        .arg(BookWording(Introduction(star)));
}

QString PublishedStatus(const std::string& star, const TMeasurementSet& set) {
    std::vector<std::size_t> counts(set.instruments.size(), 0);
    for (const TMeasurement& m : set.data)
        if (std::size_t(m.instrument) < counts.size())
            ++counts[std::size_t(m.instrument)];
    QStringList instruments;
    for (std::size_t k = 0; k < set.instruments.size(); ++k)
        instruments << QString("%1 (%2)")
                           .arg(QString::fromStdString(set.instruments[k]))
                           .arg(counts[k]);
    return BookText("Observing run", "%1, published: %n measurements from %2.", nullptr,
                    int(set.data.size()))
        .arg(QString::fromStdString(star), instruments.join(", "));
}

TObservingPlan PlanOf(const TRunState& run) {
    TObservingPlan plan;
    plan.nights = run.nights;
    plan.runLength_days = run.runLength_days;
    plan.precision_mps = run.precision_mps;
    plan.jitter_mps = run.jitter_mps;
    plan.observableShare = run.observablePercent / 100.0;
    plan.weatherLoss = run.weatherPercent / 100.0;
    plan.seed = run.seed.toULongLong();
    return plan;
}

QString KeptRunStatus(const TRunState& run, const std::string& publishedStar) {
    const std::size_t count = run.set.data.size();
    if (run.source == "observed") {
        // The plan's controls may have moved since; then the line cannot name them.
        const TObservingPlan plan = PlanOf(run);
        if (Observe(plan, run.truth) == run.set.data)
            return ObservedStatus(count, plan, run.truth);
    } else if (run.source == "mystery") {
        for (const TMysteryStar& star : MysteryStars())
            if (Observe(star) == run.set.data)
                return MysteryStatus(star, count);
    } else if (run.source == "published") {
        return PublishedStatus(publishedStar, run.set);
    }
    if (run.set.instruments.size() > 1)
        return BookText("Observing run", "Read %n measurements of %1 instruments from a saved run.",
                        nullptr, int(count))
            .arg(run.set.instruments.size());
    return BookText("Observing run", "Read %n measurements from a saved run.", nullptr, int(count));
}
