// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/SecondPlanet.h"

#include "model/fit/Bic.h"
#include "model/fit/PlanetSearch.h"

namespace fit {

bool TOneOrTwoPlanets::SecondBelieved() const {
    return one.outcome == TFitOutcome::Done && two.outcome == TFitOutcome::Done &&
           MorePlanetsBelieved(one.solution, two.solution);
}

TFitSettings JitterFitSettings(double starMass_Solar) {
    TFitSettings settings;
    settings.starMass_Solar = starMass_Solar;
    settings.fitJitter = true;
    return settings;
}

TOneOrTwoPlanets FitOneAndTwoPlanets(std::span<const TMeasurement> data,
                                     double shortestPeriod_days, double starMass_Solar,
                                     const TWorkControl& control) {
    TOneOrTwoPlanets fits;
    TFitSettings settings = JitterFitSettings(starMass_Solar);
    // Each fit reports its half of the progress, so that it never runs backwards.
    fits.one = FitNextPlanet(data, {}, shortestPeriod_days, settings, control.Part(0.0, 0.5)).fit;
    if (fits.one.outcome != TFitOutcome::Done) {
        fits.two.message = fits.one.message;
        return fits;
    }
    std::vector<kepler::TRadialVelocityElements> known;
    for (const TFittedPlanet& planet : fits.one.solution.planets)
        known.push_back(planet.elements);
    fits.two =
        FitNextPlanet(data, known, shortestPeriod_days, settings, control.Part(0.5, 0.5)).fit;
    return fits;
}

} // namespace fit
