// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// One planet on a fixed Keplerian ellipse about its star. The planet is moved by stepping
// its true anomaly with the angular-momentum law, dtheta = h dt / r^2, and taking the
// distance from the polar equation r = p / (1 + e cos theta); its velocity is the chord
// velocity of the last step. Units: AU, days, solar masses, radians, AU per day.

#include "model/orbit/planetname.h"
#include "model/orbit/vector.h"

#include <cstdint>
#include <vector>

// Gravitational parameter G*M of one solar mass, AU^3 / day^2.
constexpr double SolarGM = 0.000295913;
// One Jupiter mass in solar masses.
constexpr double JupiterMass = 0.000955;
// Solar masses to Jupiter masses.
constexpr double JupiterMassesPerSolarMass = 1.0 / JupiterMass;
// Metres per second in one AU per day.
constexpr double MpsPerAUPerDay = 1724000.0;
// True-anomaly step at pericentre, rad.
constexpr double PericentreAngleStep = 0.155;
// The largest eccentricity the model accepts; closer to 1 the track would grow without bound.
constexpr double MaxEccentricity = 0.99;

class TPlanet {
public:
    TPlanetName Name = "Jupiter";
    double mass = JupiterMass;       // planet mass, solar masses
    double a = 5.2;                  // semi-major axis, AU
    double ecc = 0.0;                // eccentricity, 0 to MaxEccentricity
    double inc = 1.5707963267948966; // inclination to the sky plane, rad (edge-on)
    double phi = 0.0;                // rotation of the orbit about the line of sight, rad
    double psi = 0.0;                // azimuth of pericentre from the line of nodes, rad
    double p = 0.0;                  // semi-latus rectum a (1 - ecc^2), AU
    double h = 0.0;                  // specific angular momentum, AU^2 / day
    double r = 0.0;                  // current distance from the star, AU
    double theta = 0.0;              // true anomaly, rad; never wrapped
    double Period = 0.0;             // orbital period, days
    TVector Position;                // relative to the star, AU
    TVector Velocity;                // chord velocity of the last step, AU / day
    TVector PlanePos;                // in the orbit plane, x towards pericentre
    TVector PrevPosition;            // position before the last step
    TVector AxisP{1.0, 0.0, 0.0};    // unit vector towards pericentre
    TVector AxisQ{0.0, 1.0, 0.0};    // unit vector 90 degrees ahead of AxisP
    TVector AxisN{0.0, 0.0, 1.0};    // unit normal along the angular momentum
    std::vector<TVector> Track;      // closed orbit polyline, first point repeated last
    std::int32_t Colour = 0;         // track colour, r + 256 g + 65536 b
    bool Visible = true;             // takes part in the simulation

    // Derives period, p, h and the track from the elements and the star mass (solar masses)
    // and puts the planet at pericentre. An eccentricity outside 0..MaxEccentricity is first
    // clamped into that range. Needs a and the star mass within 1e-6..1e6 and the planet
    // mass within 0..1e6.
    void SetUp(double starMass);
    // Stores the three angles (rad) and rebuilds AxisP, AxisQ and AxisN.
    void SetOrientation(double newInc, double newPhi, double newPsi);
    // The time in which the planet turns through 0.155 rad at pericentre, days.
    double StepSize() const;
    // Advances the planet by dt days.
    void Step(double dt);
    // Rebuilds Track by stepping; leaves the planet advanced by whole steps.
    void MakeTrack();

private:
    void PlaceAtPericentre();
};
