// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Three data sets for a class to solve, made by the observing-run generator with fixed seeds
// from planets of the book's own orbit model: one planet, an eccentric planet, two planets.
// Each star's mass goes with its data (the student needs it to weigh the planets). The
// answer sheet gives each planet's elements, ω from 0 to 360° as the fit's table does (none
// for a circular orbit), and the m sin i the planet was made with (SimulatedMass.h), which
// a fit at the star's mass should reproduce. Units: days, m/s, AU, solar and Jupiter masses.

#include "model/observing/ObservingRun.h"
#include "model/orbit/planet.h"

#include <string>
#include <vector>

namespace observing {

struct TMysteryStar {
    TSaid name;                 // shown to the student
    double starMass;            // solar masses
    std::vector<TPlanet> planets;
    TObservingPlan plan;
};

// The three stars, in the order offered.
const std::vector<TMysteryStar>& MysteryStars();

// What the student is told with the star's data: "Mystery star A, a star of 1.05 solar
// masses".
TWording Introduction(const TMysteryStar& star);

// The star's measurements.
std::vector<TMeasurement> Observe(const TMysteryStar& star);

// The teacher's answer sheet for the star: a line naming the star and its observing plan,
// then a line a planet with its true elements.
std::vector<TWording> AnswerLines(const TMysteryStar& star);

} // namespace observing
