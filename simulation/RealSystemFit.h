#pragma once
// The parameter dialog's slider positions that put a real system into the simulation. The
// sliders move in steps (the semi-major axis by a factor of 1.096, the masses by 1.08), so
// the nearest position of each value can leave a period several per cent off. The fit tries
// the positions next to the nearest ones for a, m and the star's mass and keeps the setting
// whose periods and velocity semi-amplitudes come closest to the catalogue's; once every
// period is within PeriodTolerance and every amplitude within AmplitudeTolerance, it prefers
// the values nearest the table's.

#include "simulation/ParamSliders.h"
#include "simulation/RealSystems.h"

#include <vector>

struct TParamRanges {
    TSliderRange a;
    TSliderRange Ecc;
    TSliderRange Mass;
    TSliderRange StarMass;
};

struct TPlanetPositions {
    int a;
    int Ecc;
    int Mass;
};

struct TSystemPositions {
    int StarMass;
    std::vector<TPlanetPositions> Planets; // in the order of the system's planets
};

namespace realfit {

constexpr double PeriodTolerance = 0.02;
constexpr double AmplitudeTolerance = 0.03;
// A fixed step passes the sharp velocity peak of an orbit this eccentric.
constexpr double SharpPeakEcc = 0.9;
constexpr double SharpPeakAmplitudeTolerance = 0.05;

// The period of the model's orbit, days.
double ModelPeriod_days(double a_AU, double mass_Jupiter, double starMass_Solar);
// The star's velocity semi-amplitude the model gives an edge-on orbit: the planet's
// radial speed range scaled by its mass over the star's, AU/day.
double ModelAmplitude_AUperDay(double a_AU, double ecc, double mass_Jupiter, double starMass_Solar);
// The semi-amplitude a planet of the catalogue period and minimum mass gives its star.
double CatalogueAmplitude_AUperDay(const TRealPlanet& planet, double starMass_Solar);

TSystemPositions FitPositions(const TRealSystem& system, const TParamRanges& ranges);

// The time-scale position (within `range`, at most `last`) whose graph window of
// 10^(n+1) days is the first to hold two periods of the fastest planet.
int TimeScaleFor(const TRealSystem& system, TSliderRange range, int last);

// The zoom position (within `range`) that shows the widest orbit largest while its
// apocentre stays within nine tenths of the view's half height, however it is turned.
int ZoomFor(const TRealSystem& system, TSliderRange range);

} // namespace realfit
