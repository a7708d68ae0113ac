// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The planet parameter dialog's sliders as numbers: from a slider position to an element's
// value and back, and the value labels beside the sliders. Every mapping is linear in the
// position over the slider's range (min .. max): the semi-major axis runs logarithmically
// from 0.01 to 100 AU, the eccentricity from 0 to 0.99, the inclination from -90 to +90 and
// the two azimuths from 0 to 360 whole degrees, the planet mass from 0.01 to 10 Jupiter
// masses and the star mass from 0.1 to 100 solar masses. Back from a value the position is
// truncated, so a value read off a slider may come back one position lower; the labels
// show the element's own value.

#include <string>

struct TSliderRange {
    int Min;
    int Max;
};

namespace paramsliders {

// Semi-major axis, AU.
double A_AU(int position, TSliderRange range);
int APosition(double a_AU, TSliderRange range);
// "100 AU" from 99.5 AU on, otherwise "%5.2g" and " AU" ("  5.2 AU").
std::string ALabelText(double a_AU);

// Eccentricity: position / max, 1 becoming 0.99.
double Ecc(int position, TSliderRange range);
int EccPosition(double ecc, TSliderRange range);
// General format with 15 significant digits: "0", "0.37", "0.99".
std::string EccLabelText(double ecc);

// Inclination in whole degrees, -90 to 90, and back from radians (truncated).
int IncDegrees(int position, TSliderRange range);
int IncDegreesOf(double inc_rad);
int IncPosition(int degrees, TSliderRange range);
// "+90°", "+ 0°", "-45°".
std::string IncLabelText(int degrees);

// An azimuth (phi or psi) in whole degrees, 0 to 360, and back from radians (truncated).
int AzimuthDegrees(int position, TSliderRange range);
int AzimuthDegreesOf(double angle_rad);
int AzimuthPosition(int degrees, TSliderRange range);
// "%3d" and "°": "  0°", "180°".
std::string AzimuthLabelText(int degrees);

// Whole degrees of an angle (radians), rounded to the nearest: what a value label shows of an
// angle that a chapter or a catalogue set.
int NearestDegreesOf(double angle_rad);

// Whole degrees to radians.
double Radians(int degrees);

// Planet mass in Jupiter masses.
double JupiterMasses(int position, TSliderRange range);
int MassPosition(double mass_Jupiter, TSliderRange range);
// "10" from 9.95 on, otherwise "%5.2g"; then " Jupiter masses", or " Jupiter mass" when the
// number shows as 1 ("    1 Jupiter mass").
std::string MassLabelText(double mass_Jupiter);

// Star mass in solar masses.
double SolarMasses(int position, TSliderRange range);
int StarMassPosition(double mass_Solar, TSliderRange range);
// "100" from 99.5 on, otherwise "%5.2g"; then " solar masses", or " solar mass" when the
// number shows as 1.
std::string StarMassLabelText(double mass_Solar);

} // namespace paramsliders
