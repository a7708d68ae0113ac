// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/FitText.h"

#include "model/text/NumberWriting.h"
#include "model/simulation/RealSystems.h"

#include <algorithm>
#include <cmath>

namespace fit {

TWording WithUncertainty(const TEstimate& x) {
    if (x.fixed)
        return TWording(Said("Fit numbers", "%1 (fixed)")).Number(FiguresNumber(x.value, 6));
    const double below = x.value - x.low;
    const double above = x.high - x.value;
    // A value whose 1-sigma interval reaches past a bound with nothing beyond the other, or
    // past both bounds, is not told by the data.
    const bool crossesLow = x.sigma > below;
    const bool crossesHigh = x.sigma > above;
    if (!std::isfinite(x.sigma) || (crossesLow && (crossesHigh || std::isinf(above))) ||
        (crossesHigh && std::isinf(below)))
        return TWording(Said("Fit numbers", "%1 (unconstrained)"))
            .Number(FiguresNumber(x.value, 6));
    if (!(x.sigma > 0.0))
        return TWording(Unsaid("%1")).Number(FiguresNumber(x.value, 6));
    const int decimals = std::clamp(1 - static_cast<int>(std::floor(std::log10(x.sigma))), 0, 12);
    if (crossesLow || crossesHigh) {
        // The interval stops at the bound it would cross.
        return TWording(Unsaid("%1 +%2 −%3"))
            .Number(FixedNumber(x.value, decimals))
            .Number(FixedNumber(std::min(x.sigma, above), decimals))
            .Number(FixedNumber(std::min(x.sigma, below), decimals));
    }
    return TWording(Unsaid("%1 ± %2"))
        .Number(FixedNumber(x.value, decimals))
        .Number(FixedNumber(x.sigma, decimals));
}

TWording SigmaDistance(double truth, const TEstimate& fitted) {
    if (!(fitted.sigma > 0.0) || std::isinf(fitted.sigma))
        return Unsaid("–");
    return TWording(Unsaid("%1σ"))
        .Number(FixedNumber(std::abs(truth - fitted.value) / fitted.sigma, 1));
}

TWording BoundNote(const TFittedPlanet& planet) {
    if (!planet.eccentricityAtBound)
        return {};
    return TWording(Said("Fit notes", "The eccentricity sits at the model's bound of %1: the "
                                      "data may want more, and its uncertainty says little."))
        .Number(FixedNumber(MaxEccentricity, 2));
}

TWording EvidenceLine(double deltaBic, double falseAlarm) {
    const TSaid verdict = deltaBic < -10.0 ? Said("Fit notes", "strong evidence for the planet")
                          : deltaBic < -2.0 ? Said("Fit notes", "some evidence for the planet")
                                            : Said("Fit notes", "no evidence for the planet");
    const TSaid peak = falseAlarm < 0.01 ? Said("Fit notes", "noise seldom makes such a peak")
                                         : Said("Fit notes", "noise often makes such a peak");
    return TWording(Said("Fit notes", "ΔBIC %1 (%2; below −10 is strong), false-alarm "
                                      "probability %3 (%4)."))
        .Number(FixedNumber(deltaBic, 1))
        .Part(verdict)
        .Part(ProbabilityText(falseAlarm))
        .Part(peak);
}

TWording EvidenceLine(double deltaBic, double falseAlarm, const TVerdict& verdict) {
    if (verdict.Believed())
        return EvidenceLine(deltaBic, falseAlarm);
    return TWording(Said("Fit notes", "ΔBIC %1, false-alarm probability %2. Not evidence for a "
                                      "planet: %3"))
        .Number(FixedNumber(deltaBic, 1))
        .Part(ProbabilityText(falseAlarm))
        .Part(verdict.reason);
}

TWording UnpublishedNote(const TRealSystem& system, const TFittedPlanet& planet) {
    const double P = planet.elements.period_days;
    std::vector<TWording> published;
    for (const TRealPlanet& real : system.Planets) {
        if (std::abs(real.Period.Value - P) < PublishedPeriodShare * real.Period.Value)
            return {};
        published.push_back(TWording(Said("Fit notes", "%1 at %2 days"))
                                .Name(real.Letter)
                                .Number(real.Period.Text()));
    }
    // "b at 4 days", "b at 4 days and c at 9 days", "b …, c … and d …".
    TWording list = published.back();
    for (std::size_t k = published.size() - 1; k-- > 0;)
        list = TWording(k + 2 == published.size() ? Said("Fit notes", "%1 and %2")
                                                   : Unsaid("%1, %2"))
                   .Part(published[k])
                   .Part(list);
    const std::string& name = system.ShortName.empty() ? system.Name : system.ShortName;
    return TWording(Said("Fit notes",
                         "No planet of %1 is published at %2: the card lists %3 (%4). A signal "
                         "the measurements support is not yet a planet: the star's own surface "
                         "and the instruments make signals too, so astronomers wait for other "
                         "measurements before they name one."))
        .Name(name)
        .Part(PeriodText(P))
        .Part(list)
        .Name(system.Planets.front().Source);
}

TWording NoPlanetAdded(const TPlanetSearch& search) {
    const TOrbitSolution& tried = search.fit.solution;
    TWording note = TWording(Said("Fit notes", "No planet added: the best period tried, %1 days, "
                                               "fails a test. %2"))
                        .Number(FiguresNumber(tried.planets.back().elements.period_days, 5))
                        .Part(search.verdict.reason);
    if (search.refused.size() == 1)
        note.Then(Said("Fit notes", "1 other period was tried and refused too."));
    else if (search.refused.size() > 1)
        note.Then(TWording(Said("Fit notes", "%1 other periods were tried and refused too."))
                      .Name(std::to_string(search.refused.size())));
    return note;
}

TWording EccentricityBiasNote(const TFittedPlanet& planet) {
    if (planet.K_mps.fixed || planet.ecc.fixed ||
        !(planet.K_mps.value < MinAmplitudeSigmas * planet.K_mps.sigma))
        return {};
    return Said("Fit notes", "K is within three uncertainties of zero, so its eccentricity is "
                             "biased high: noise makes a weak orbit look more eccentric than it "
                             "is.");
}

TWording UnresolvedNote(const TUnresolvedResiduals& unresolved) {
    return TWording(Said("Fit notes",
                         "χ² and BIC not shown: an error of %1 m/s is finer than the arithmetic "
                         "resolves at these velocities and times (its residual is rounded by "
                         "about %2 m/s), so they would measure rounding."))
        .Number(FiguresNumber(unresolved.error_mps, 2))
        .Number(FiguresNumber(unresolved.rounding_mps, 2));
}

} // namespace fit
