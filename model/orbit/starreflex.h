// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The star's reflex motion: each visible planet pulls the star by minus its own position
// and velocity times its mass, and the sums are scaled by 1 / star mass (not the total
// mass, so the star's origin is the barycentre only to first order in the planet masses).
// Its z velocity is the radial velocity; times MpsPerAUPerDay it is in m/s.

#include "model/orbit/planet.h"

struct TStarReflex {
    TVector Position; // AU
    TVector Velocity; // AU / day
};

namespace starreflex_detail {
inline const TPlanet& planetOf(const TPlanet& planet) { return planet; }
template <class Pointer> const TPlanet& planetOf(const Pointer& planet) { return *planet; }
} // namespace starreflex_detail

// Sums the reflex of the visible planets in the range (planets, or pointers to planets);
// invStarMass is 1.0 / star mass, computed once per reset by the caller.
template <class Planets> TStarReflex StarReflex(const Planets& planets, double invStarMass) {
    TStarReflex star;
    for (const auto& entry : planets) {
        const TPlanet& planet = starreflex_detail::planetOf(entry);
        if (!planet.Visible)
            continue;
        star.Position = star.Position - planet.Position * planet.mass;
        star.Velocity = star.Velocity - planet.Velocity * planet.mass;
    }
    star.Position = star.Position * invStarMass;
    star.Velocity = star.Velocity * invStarMass;
    return star;
}
