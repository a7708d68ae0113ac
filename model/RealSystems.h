#pragma once
// A table of real planetary systems found by radial velocities, with values rounded from
// published orbital solutions: the reference card shows it and the free experiment can put
// a system into its simulation. Masses in solar masses (star) and Jupiter masses (planet,
// the minimum mass m sin i), distances in AU, periods in days.

#include <string>
#include <vector>

struct TRealPlanet {
    std::string Letter;      // "b", or the planet's own name
    double a_AU;             // semi-major axis
    double Ecc;              // eccentricity
    double MassSinI_Jupiter; // minimum mass m sin i
    double Period_days;      // the catalogue's period
};

struct TRealSystem {
    std::string Name;      // "51 Pegasi"
    std::string ShortName; // "51 Peg"; empty where the planets go by their own names
    double StarMass_Solar;
    std::string Significance;         // one line: why the system matters
    std::vector<TRealPlanet> Planets; // one to three
};

// The systems in the order the card lists them.
const std::vector<TRealSystem>& RealSystems();

// The period the model gives an orbit, by Kepler's third law on the model's constants:
// P = 2 pi sqrt(a^3 / (G (M_star + m))), days, for a in AU, m in Jupiter masses and M_star in
// solar masses; the table's rounded values are checked by it.
double ModelPeriod_days(double a_AU, double mass_Jupiter, double starMass_Solar);

// The name a planet takes in the simulation: "51 Peg b", or "Jupiter".
std::string SimulationName(const TRealSystem& system, const TRealPlanet& planet);
