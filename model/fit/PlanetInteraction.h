// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Whether two fitted planets pull each other's orbits round within the measurements, which a
// sum of fixed Keplerian orbits cannot follow. Two planets whose periods lie near a ratio of
// small whole numbers p:q (2:1, 3:2, 4:3, 3:1, 5:3) meet at the same points of their orbits
// again and again, and their small pulls add up instead of cancelling: near such a
// resonance the orbits turn on a time scale of about
//   T = P_inner / mu^(2/3),  mu = (m_1 + m_2) / M_star
// (Murray & Dermott 1999, Solar System Dynamics, section 8.8: the resonance's frequencies
// scale as mu^(2/3) times the mean motion). They pull each other measurably when the turn over
// the span, 2 pi span / T, exceeds MeasurableTurn_rad. Units: days, m/s, solar masses.

#include "model/fit/OrbitFit.h"

#include "Wording.h"

#include <string>

namespace fit {

// Periods within this share of a resonance's ratio count as near it.
constexpr double NearResonanceShare = 0.05;
// A turn of the orbits over the span (radians) that the velocities show.
constexpr double MeasurableTurn_rad = 0.5;

struct TInteraction {
    bool found = false;
    int inner = 0, outer = 0; // indices of the pair in the solution
    int p = 0, q = 0;         // P_outer : P_inner near p : q
    double ratio = 0.0;       // P_outer / P_inner
    double turn_rad = 0.0;    // 2 pi span / T
};

// The pair of the solution's planets with the largest turn over its span that is near a
// resonance and measurable, or none.
TInteraction FindInteraction(const TOrbitSolution& solution);

// What the page says of it, naming the planets by their letters: that a fixed Keplerian
// cannot follow the orbits, and what the fit makes of them.
TWording InteractionNote(const TOrbitSolution& solution, const TInteraction& interaction);

} // namespace fit
