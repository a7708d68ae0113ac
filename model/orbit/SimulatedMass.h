// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The m sin i a simulated planet was given, back from its radial-velocity elements by the
// simulation's own reflex: the star moves by m / M* of its planet's velocity about it
// (starreflex.h), so K = (m sin i / M*) sqrt(G (M* + m) / p) with p = a (1 - e^2) and
// a^3 = G (M* + m) P^2 / (4 pi^2), that is K = (m sin i / M*) (2 pi G (M* + m) / P)^(1/3)
// / sqrt(1 - e^2). Solved for m sin i, taking m = m sin i inside M* + m (exact edge-on,
// second order in the planet's mass otherwise). This is the mass the student set, where
// the exact mass function (PlanetMass.h) reads the simulated K as a planet heavier by
// about m / M*. G and the velocity unit are the orbit model's (planet.h).
// Units: days, m/s, solar masses.

namespace fit {

// Needs P > 0, K >= 0, 0 <= e < 1 and M* > 0.
double SimulatedMassSinI_Solar(double period_days, double K_mps, double ecc,
                               double starMass_Solar);

} // namespace fit
