// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A table of real planetary systems found by radial velocities, as their orbital solutions
// were published: the reference card shows it and the free experiment can put a system into
// its simulation. Each planet names its source (author, year, journal). Every value keeps
// the decimals its source gives. The semi-major axis is not taken from the source but
// derived from the period and the masses by Kepler's third law on the model's constants,
// a = (G (M_star + m) (P / 2 pi)^2)^(1/3), so that the simulated period is the catalogue's.
// Masses in solar masses (star) and Jupiter masses (planet), periods in days, K in m/s,
// angles in degrees, distances in AU.

#include "model/orbit/Kepler.h"

#include <string>
#include <vector>

class TPlanet;

// A value with the number of decimals its source gives it.
struct TPublished {
    double Value;
    int Decimals;
    // "0.40", "4.230785"; an undefined (NaN) value as "—".
    std::string Text() const;
};

struct TRealPlanet {
    std::string Letter;  // "b", or the planet's own name
    TPublished Period;   // days
    TPublished K;        // semi-amplitude of the star's radial velocity, m/s
    bool KComputed;      // the source gives no K: computed from its elements
    TPublished Ecc;      // eccentricity
    TPublished Omega;    // argument of periastron of the star's orbit, degrees; NaN where
                         // undefined (e about 0, or no fixed line of sight)
    TPublished Mass;     // m sin i, Jupiter masses, unless TrueMass
    bool TrueMass;       // the inclination is known (a transit): Mass is the mass itself
    std::string Source;  // "Butler et al. 2006, ApJ 646, 505"
    // Where in the source each value stands (table, column), and which values were
    // confirmed against a copy of that table.
    std::string Where;
    double a_AU = 0.0; // derived from Period and the masses
};

struct TRealSystem {
    std::string Name;      // "51 Pegasi"
    std::string ShortName; // "51 Peg"; empty where the planets go by their own names
    TPublished StarMass;   // solar masses
    std::string Significance;         // one line: why the system matters
    std::vector<TRealPlanet> Planets; // one to three
    std::string StarMassWhere;        // where the star's mass comes from
};

// The systems in the order the card lists them.
const std::vector<TRealSystem>& RealSystems();

// The radial-velocity elements of the system's planets seen edge-on, each at periastron at
// time 0, with its orientation in the plane left at 0 (the table's ω not applied).
std::vector<kepler::TRadialVelocityElements> EdgeOnElements(const TRealSystem& system);

// The distinct sources of the table, in the order they first appear.
std::vector<std::string> RealSystemSources();

// The semi-major axis (AU) of an orbit of P days about a star of starMass_Solar with a planet
// of mass_Jupiter, by Kepler's third law on the model's constants.
double SemiMajorAxis_AU(double period_days, double mass_Jupiter, double starMass_Solar);

// The period the model gives an orbit, by Kepler's third law on the model's constants:
// P = 2 pi sqrt(a^3 / (G (M_star + m))), days, for a in AU, m in Jupiter masses and M_star in
// solar masses.
double ModelPeriod_days(double a_AU, double mass_Jupiter, double starMass_Solar);

// Gives a model planet the elements of a real one as the simulation shows it: a, e and the
// mass (m sin i) as published, the orbit edge-on and turned so that psi, the model's argument
// of periastron, is the published omega (0 where omega is undefined).
void SetElements(TPlanet& planet, const TRealPlanet& real);

// The name a planet takes in the simulation: "51 Peg b", or "Jupiter".
std::string SimulationName(const TRealSystem& system, const TRealPlanet& planet);
