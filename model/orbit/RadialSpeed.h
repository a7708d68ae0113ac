// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The largest radial velocity the star can reach, from the planets' elements alone. A planet
// of mass m on an ellipse (a, e) about a star of mass M moves the star along the line of
// sight at v = K [cos(nu + psi) + e cos psi] (the argument of periastron is the model's psi),
// with K = (m / M) sqrt(G (M + m) / p) |sin i| and p = a (1 - e^2), the reflex of the orbit
// model (starreflex.h); its largest |v| is K (1 + e |cos psi|). Several planets' peaks can
// coincide, so the system's largest speed is their sum. Units: AU per day, solar masses.

#include "model/orbit/planet.h"

#include <span>

// The largest |radial velocity| of the star due to one planet, whatever its visibility.
double PeakRadialSpeed_AUperDay(const TPlanet& planet, double starMass);

// The sum of the peaks of the visible planets.
double LargestRadialSpeed_AUperDay(std::span<const TPlanet> planets, double starMass);
