// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/RealSystemView.h"

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

} // namespace realview
