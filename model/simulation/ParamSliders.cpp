// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/simulation/ParamSliders.h"
#include "model/orbit/planet.h"

#include "model/text/NumberWriting.h"

#include <cmath>
#include <cstdio>

namespace paramsliders {

namespace {

constexpr double Pi = 3.141592653589793;

// The fraction of its range at which a slider stands, 0 to 1.
double Fraction(int position, TSliderRange range) {
    return double(position - range.Min) / double(range.Max - range.Min);
}

// A position worked out from a value, truncated toward zero. A value the slider cannot show
// (a mass of 0 has a logarithm of minus infinity) stops at the nearer end of the range.
int Position(double p, TSliderRange range) {
    if (!(p >= range.Min))
        return range.Min;
    if (p > range.Max)
        return range.Max;
    return static_cast<int>(p);
}

// A slider that runs logarithmically over `decades` powers of ten from 10^low: the value at
// a position, and the position of a value.
double LogValue(int position, TSliderRange range, double low, double decades) {
    return std::pow(10.0, decades * Fraction(position, range) + low);
}

int LogPosition(double value, TSliderRange range, double low, double decades) {
    return Position((std::log10(value) - low) * (range.Max - range.Min) / decades + range.Min,
                    range);
}

// Two figures in five places, so that the labels' units line up under one another.
std::string FiveWideFigures(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%5.2g", value);
    return text;
}

// Whole degrees of an angle, truncated; angles beyond any slider stop at a million degrees.
int TruncatedDegrees(double d) {
    if (!(d == d))
        return 0;
    return static_cast<int>(std::fmax(-1e6, std::fmin(1e6, d)));
}

std::string FormatInt(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Two significant figures, or the top of the range once that would round up to it.
std::string Rounded(double value, double roundsToTop, const char* topText) {
    return value >= roundsToTop ? std::string(topText) : FiveWideFigures(value);
}

// The number as shown, then the unit, singular when the number shows as 1.
std::string WithUnit(const std::string& number, const char* one, const char* many) {
    const bool single = number.substr(number.find_first_not_of(' ')) == "1";
    return number + (single ? one : many);
}

} // namespace

double A_AU(int position, TSliderRange range) { return LogValue(position, range, -2.0, 4.0); }

int APosition(double a_AU, TSliderRange range) { return LogPosition(a_AU, range, -2.0, 4.0); }

std::string ALabelText(double a_AU) { return Rounded(a_AU, 99.5, "100") + " AU"; }

double Ecc(int position, TSliderRange range) {
    const double ecc = double(position) / range.Max;
    return ecc >= 1.0 ? MaxEccentricity : ecc;
}

int EccPosition(double ecc, TSliderRange range) { return Position(range.Max * ecc, range); }

std::string EccLabelText(double ecc) { return FiguresNumber(ecc, 15); }

int IncDegrees(int position, TSliderRange range) {
    return (position - range.Min) * 180 / (range.Max - range.Min) - 90;
}

int IncDegreesOf(double inc_rad) { return TruncatedDegrees(inc_rad * 180.0 * 0.3183098861837907); }

int IncPosition(int degrees, TSliderRange range) {
    return Position((range.Max - range.Min) * (degrees + 90) * (1.0 / 180.0) + range.Min, range);
}

std::string IncLabelText(int degrees) {
    return FormatInt(degrees >= 0 ? "+%2d" : "%2d", degrees) + "°";
}

int AzimuthDegrees(int position, TSliderRange range) {
    return (position - range.Min) * 360 / (range.Max - range.Min);
}

int AzimuthDegreesOf(double angle_rad) { return TruncatedDegrees(angle_rad * 180.0 / Pi); }

int AzimuthPosition(int degrees, TSliderRange range) {
    return Position((range.Max - range.Min) * degrees * (1.0 / 360.0) + range.Min, range);
}

std::string AzimuthLabelText(int degrees) { return FormatInt("%3d", degrees) + "°"; }

int NearestDegreesOf(double angle_rad) {
    return TruncatedDegrees(std::round(angle_rad * 180.0 / Pi));
}

double Radians(int degrees) { return degrees * Pi * (1.0 / 180.0); }

double JupiterMasses(int position, TSliderRange range) {
    return LogValue(position, range, -2.0, 3.0);
}

int MassPosition(double mass_Jupiter, TSliderRange range) {
    return LogPosition(mass_Jupiter, range, -2.0, 3.0);
}

std::string MassLabelText(double mass_Jupiter) {
    return WithUnit(Rounded(mass_Jupiter, 9.95, "10"), " Jupiter mass", " Jupiter masses");
}

double SolarMasses(int position, TSliderRange range) {
    return LogValue(position, range, -1.0, 3.0);
}

int StarMassPosition(double mass_Solar, TSliderRange range) {
    return LogPosition(mass_Solar, range, -1.0, 3.0);
}

std::string StarMassLabelText(double mass_Solar) {
    return WithUnit(Rounded(mass_Solar, 99.5, "100"), " solar mass", " solar masses");
}

} // namespace paramsliders
