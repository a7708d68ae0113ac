// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/FitText.h"

#include "model/PeriodText.h"
#include "model/ProbabilityText.h"
#include "model/RealSystems.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace fit {

namespace {

std::string Format(const char* format, int decimals, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, decimals, value);
    return text;
}

} // namespace

std::string WithUncertainty(const TEstimate& x) {
    if (x.fixed)
        return Format("%.*g", 6, x.value) + " (fixed)";
    const double below = x.value - x.low;
    const double above = x.high - x.value;
    // A value whose 1-sigma interval reaches past a bound with nothing beyond the other, or
    // past both bounds, is not told by the data.
    const bool crossesLow = x.sigma > below;
    const bool crossesHigh = x.sigma > above;
    if (!std::isfinite(x.sigma) || (crossesLow && (crossesHigh || std::isinf(above))) ||
        (crossesHigh && std::isinf(below)))
        return Format("%.*g", 6, x.value) + " (unconstrained)";
    if (!(x.sigma > 0.0))
        return Format("%.*g", 6, x.value);
    const int decimals = std::clamp(1 - static_cast<int>(std::floor(std::log10(x.sigma))), 0, 12);
    if (crossesLow || crossesHigh) {
        // The interval stops at the bound it would cross.
        return Format("%.*f", decimals, x.value) + " +" +
               Format("%.*f", decimals, std::min(x.sigma, above)) + " −" +
               Format("%.*f", decimals, std::min(x.sigma, below));
    }
    return Format("%.*f", decimals, x.value) + " ± " + Format("%.*f", decimals, x.sigma);
}

std::string SigmaDistance(double truth, const TEstimate& fitted) {
    if (!(fitted.sigma > 0.0) || std::isinf(fitted.sigma))
        return "–";
    return Format("%.*f", 1, std::abs(truth - fitted.value) / fitted.sigma) + "σ";
}

std::string BoundNote(const TFittedPlanet& planet) {
    if (!planet.eccentricityAtBound)
        return {};
    return "The eccentricity sits at the model's bound of " +
           Format("%.*f", 2, MaxFitEccentricity) +
           ": the data may want more, and its uncertainty says little.";
}

std::string EvidenceLine(double deltaBic, double falseAlarm) {
    const char* verdict = deltaBic < -10.0 ? "strong evidence for the planet"
                          : deltaBic < -2.0 ? "some evidence for the planet"
                                            : "no evidence for the planet";
    const char* peak = falseAlarm < 0.01 ? "noise seldom makes such a peak"
                                         : "noise often makes such a peak";
    return "ΔBIC " + Format("%.*f", 1, deltaBic) + " (" + verdict +
           "; below −10 is strong), false-alarm probability " + ProbabilityText(falseAlarm) +
           " (" + peak + ").";
}

std::string EvidenceLine(double deltaBic, double falseAlarm, const TVerdict& verdict) {
    if (verdict.Believed())
        return EvidenceLine(deltaBic, falseAlarm);
    return "ΔBIC " + Format("%.*f", 1, deltaBic) + ", false-alarm probability " +
           ProbabilityText(falseAlarm) + ". Not evidence for a planet: " + verdict.reason;
}

std::string UnpublishedNote(const TRealSystem& system, const TFittedPlanet& planet) {
    const double P = planet.elements.period_days;
    std::string published;
    for (std::size_t k = 0; k < system.Planets.size(); ++k) {
        const TRealPlanet& real = system.Planets[k];
        if (std::abs(real.Period.Value - P) < PublishedPeriodShare * real.Period.Value)
            return {};
        published += (k == 0 ? "" : k + 1 == system.Planets.size() ? " and " : ", ") +
                     real.Letter + " at " + real.Period.Text() + " days";
    }
    const std::string& name = system.ShortName.empty() ? system.Name : system.ShortName;
    return "No planet of " + name + " is published at " + PeriodText(P) + ": the card lists " +
           published + " (" + system.Planets.front().Source +
           "). A signal the measurements support is not yet a planet: the star's own surface "
           "and the instruments make signals too, so astronomers wait for other measurements "
           "before they name one.";
}

std::string NoPlanetAdded(const TPlanetSearch& search) {
    const TOrbitSolution& tried = search.fit.solution;
    std::string note = "No planet added: the best period tried, " +
                       Format("%.*g", 5, tried.planets.back().elements.period_days) +
                       " days, fails a test. " + search.verdict.reason;
    if (!search.refused.empty())
        note += " " + std::to_string(search.refused.size()) +
                (search.refused.size() == 1 ? " other period was" : " other periods were") +
                " tried and refused too.";
    return note;
}

std::string EccentricityBiasNote(const TFittedPlanet& planet) {
    if (planet.K_mps.fixed || planet.ecc.fixed ||
        !(planet.K_mps.value < MinAmplitudeSigmas * planet.K_mps.sigma))
        return {};
    return "K is within three uncertainties of zero, so its eccentricity is biased high: noise "
           "makes a weak orbit look more eccentric than it is.";
}

std::string UnresolvedNote(const TUnresolvedResiduals& unresolved) {
    return "χ² and BIC not shown: an error of " + Format("%.*g", 2, unresolved.error_mps) +
           " m/s is finer than the arithmetic resolves at these velocities and times (its "
           "residual is rounded by about " +
           Format("%.*g", 2, unresolved.rounding_mps) + " m/s), so they would measure rounding.";
}

} // namespace fit
