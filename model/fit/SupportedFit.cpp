// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/SupportedFit.h"

#include "model/fit/Bic.h"
#include "model/fit/PlanetSearch.h"
#include "model/fit/SecondPlanet.h"

namespace fit {

TFitResult SupportedFit(std::span<const TMeasurement> data, double shortestPeriod_days,
                        double starMass_Solar) {
    const TFitSettings settings = JitterFitSettings(starMass_Solar);
    TFitResult best = FitNextPlanet(data, {}, shortestPeriod_days, settings).fit;
    while (best.outcome == TFitOutcome::Done &&
           int(best.solution.planets.size()) < MaxFitPlanets) {
        std::vector<kepler::TRadialVelocityElements> known;
        for (const TFittedPlanet& planet : best.solution.planets)
            known.push_back(planet.elements);
        const TPlanetSearch search = FitNextPlanet(data, known, shortestPeriod_days, settings);
        if (search.fit.outcome != TFitOutcome::Done || !search.verdict.Believed() ||
            !MorePlanetsBelieved(best.solution, search.fit.solution))
            break;
        best = search.fit;
    }
    return best;
}

} // namespace fit
