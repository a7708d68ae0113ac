// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/RealSystemView.h"

#include "model/orbit/planet.h"
#include "simulation/OrbitView.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace realview {

int TimeScaleFor(const TRealSystem& system, TSliderRange range, int last) {
    double shortest = std::numeric_limits<double>::infinity();
    for (const TRealPlanet& planet : system.Planets)
        shortest = std::min(shortest, planet.Period.Value);
    const int top = std::min(range.Max, last);
    for (int n = range.Min; n < top; ++n)
        if (std::pow(10.0, n + 1) >= 2.0 * shortest)
            return n;
    return top;
}

int ZoomFor(const TRealSystem& system, TSliderRange range) {
    double apocentre_AU = 0.0;
    for (const TRealPlanet& planet : system.Planets)
        apocentre_AU = std::max(apocentre_AU, planet.a_AU * (1.0 + planet.Ecc.Value));
    const TOrbitView view;
    const double halfHeight = 0.5 * std::fabs(view.WorldRect().size().y); // at zoom 1
    for (int position = range.Min; position < range.Max; ++position)
        if (0.9 * halfHeight * TOrbitView::ZoomFor(position) >= apocentre_AU * view.OrbitScale)
            return position;
    return range.Max;
}

double ArrowFactorFor(const TRealSystem& system, double zoom) {
    const double starMass = system.StarMass.Value;
    double longest = 0.0; // world units
    double star = 0.0;    // the star's arrow, its planets' pulls at their strongest together
    for (const TRealPlanet& planet : system.Planets) {
        const double mass = planet.Mass.Value * JupiterMass;
        const double e = planet.Ecc.Value;
        // The model moves a planet on its relative orbit and the star by m / M* of it
        // (starreflex.h).
        const double planet_AUperDay =
            std::sqrt(SolarGM * (starMass + mass) * (1 + e) / (planet.a_AU * (1 - e)));
        const double star_AUperDay = planet_AUperDay * mass / starMass;
        longest = std::max(longest, planet_AUperDay * TOrbitView::OrbitScale *
                                        TOrbitView::PlanetArrowScale);
        star += star_AUperDay * TOrbitView::StarScale * TOrbitView::StarArrowScale;
    }
    longest = std::max(longest, star);
    const TOrbitView view;
    // A little under a quarter, as the stepped model's speeds stand a hair off the formula.
    const double limit = 0.24 * std::fabs(view.WorldRect().size().x) * zoom;
    return longest > limit ? limit / longest : 1.0;
}

} // namespace realview
