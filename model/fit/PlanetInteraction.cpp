// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/PlanetInteraction.h"

#include "model/orbit/Angles.h"
#include "model/fit/FitCsv.h"
#include "model/fit/PlanetMass.h"

#include "model/text/NumberWriting.h"

#include <cmath>

namespace fit {

namespace {

struct TRatio {
    int p, q;
};
// The low-order resonances, first order before second.
constexpr TRatio Resonances[] = {{2, 1}, {3, 2}, {4, 3}, {3, 1}, {5, 3}};

} // namespace

TInteraction FindInteraction(const TOrbitSolution& solution) {
    TInteraction best;
    const std::size_t n = solution.planets.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j) {
            const double Pi_ = solution.planets[i].elements.period_days;
            const double Pj = solution.planets[j].elements.period_days;
            if (i == j || !(Pj > Pi_))
                continue;
            const double ratio = Pj / Pi_;
            const double mu = (solution.planets[i].massSinI_Earth.value +
                               solution.planets[j].massSinI_Earth.value) /
                              EarthMassesPerSolarMass / solution.starMass_Solar;
            const double T = Pi_ / std::pow(mu, 2.0 / 3.0);
            const double turn = TwoPi * solution.span_days / T;
            if (!(turn > MeasurableTurn_rad) || !(turn > best.turn_rad))
                continue;
            for (const TRatio& r : Resonances)
                if (std::abs(ratio / (double(r.p) / r.q) - 1.0) < NearResonanceShare) {
                    best = {true, int(i), int(j), r.p, r.q, ratio, turn};
                    break;
                }
        }
    return best;
}

TWording InteractionNote(const TOrbitSolution& solution, const TInteraction& interaction) {
    if (!interaction.found)
        return {};
    const std::vector<std::string> letters = PlanetLetters(solution);
    return TWording(Said("Fit notes",
                         "%1 and %2 lie near a %3:%4 ratio of periods (%5) and are heavy enough "
                         "to pull each other's orbits round within the %6 days of the "
                         "measurements: a fixed Keplerian orbit cannot follow them. What the fit "
                         "makes of the turning orbits is an eccentricity worn towards a circle, "
                         "and power at a harmonic of their periods that looks like one more "
                         "planet."))
        .Name(letters[interaction.inner])
        .Name(letters[interaction.outer])
        .Name(std::to_string(interaction.p))
        .Name(std::to_string(interaction.q))
        .Number(FixedNumber(interaction.ratio, 3))
        .Number(FixedNumber(solution.span_days, 0));
}

} // namespace fit
