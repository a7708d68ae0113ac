// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/simulation/RealSystems.h"
#include "model/orbit/Angles.h"

#include "model/orbit/planet.h"

#include "model/text/NumberWriting.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr TPublished Undefined{std::numeric_limits<double>::quiet_NaN(), 0};

// Sources of the orbital solutions.
const char* const Butler2006 = "Butler et al. 2006, ApJ 646, 505";
const char* const Kane2015 = "Kane et al. 2015, ApJ 806, 60";
const char* const Hebrard2010 = "Hébrard et al. 2010, A&A 516, A95";
const char* const Gregory2010 = "Gregory & Fischer 2010, MNRAS 403, 731";
const char* const McArthur2010 = "McArthur et al. 2010, ApJ 715, 1203";
// GJ 876's planets fitted with their pulls on each other, which a fixed Keplerian orbit leaves
// out: their masses at the orbits' common inclination of 59 degrees.
const char* const Rivera2010 = "Rivera et al. 2010, ApJ 719, 890";
const char* const FactSheet = "Williams, NASA Planetary Fact Sheets (Jupiter, Saturn)";

std::vector<TRealSystem> Table() {
    std::vector<TRealSystem> systems = {
        {"51 Pegasi",
         "51 Peg",
         {1.09, 2},
         "The first planet found around a Sun-like star: a giant closer to its star than Mercury.",
         {{"b", {4.230785, 6}, {55.94, 2}, false, {0.013, 3}, {58, 0}, {0.472, 3}, false,
           Butler2006,
           "Butler et al. 2006, table of orbital solutions, columns P, K, e, ω, M sin i; all "
           "five confirmed against copies of that row (ω = 58°, 1.012291 rad)"}},
         "the mass with which Butler et al. 2006's K gives their m sin i (mass function); "
         "the 1.11 of later catalogues gives K 1.1 % below theirs"},
        {"70 Virginis",
         "70 Vir",
         {1.09, 2},
         "A heavy planet on a clearly eccentric orbit: the curve is no longer a sine wave.",
         {{"b", {116.6926, 4}, {315.7, 1}, false, {0.399, 3}, {358.8, 1}, {7.40, 2}, false,
           Kane2015,
           "Kane et al. 2015, table of the Keplerian orbit, columns P, K, e, ω, M sin i; not "
           "confirmed against a copy"}},
         "Kane et al. 2015's stellar table; its K and m sin i agree with it"},
        {"HD 80606",
         "HD 80606",
         {0.97, 2},
         "A very eccentric orbit: the velocity hardly changes for weeks, then swings in days.",
         {{"b", {111.4367, 4}, {474.9, 1}, false, {0.93366, 5}, {300.8, 1}, {3.94, 2}, true,
           Hebrard2010,
           "Hébrard et al. 2010, table of fitted and derived parameters, columns P, K, e, ω, "
           "M_p; ω = 300.8° as a copy of that solution gives it (the 300.651° the card had "
           "is not in it); P, e, K and M_p not confirmed against a copy of the table"}},
         "Hébrard et al. 2010's stellar parameters; not confirmed against a copy"},
        {"47 Ursae Majoris",
         "47 UMa",
         {1.03, 2},
         "Two giants on nearly circular orbits of years, like Jupiter and Saturn.",
         {{"b", {1078, 0}, {49.00, 2}, false, {0.032, 3}, {334, 0}, {2.53, 2}, false,
           Gregory2010,
           "Gregory & Fischer 2010, table of the two-planet solution, columns P, K, e, ω, "
           "M sin i; not confirmed against a copy"},
          {"c", {2391, 0}, {8.1, 1}, true, {0.098, 3}, {295, 0}, {0.540, 3}, false,
           Gregory2010,
           "Gregory & Fischer 2010, table of the two-planet solution, columns P, e, ω, "
           "M sin i; K computed; not confirmed against a copy"}},
         "Gregory & Fischer 2010; its K and m sin i agree with it"},
        {"Upsilon Andromedae",
         "Ups And",
         {1.31, 2},
         "The first system of several planets found around a Sun-like star this way.",
         {{"b", {4.617111, 6}, {70.51, 2}, false, {0.012, 3}, {44, 0}, {0.69, 2}, false,
           McArthur2010,
           "McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; "
           "ω = 44° from a catalogue copy of that solution, the rest not confirmed"},
          {"c", {241.258, 3}, {56.26, 2}, false, {0.260, 3}, {247.66, 2}, {1.98, 2}, false,
           McArthur2010,
           "McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; "
           "not confirmed against a copy"},
          {"d", {1276.46, 2}, {68.14, 2}, false, {0.299, 3}, {252.99, 2}, {4.1, 1}, false,
           McArthur2010,
           "McArthur et al. 2010, table of the orbital solution, columns P, K, e, ω, M sin i; "
           "P and e confirmed against an encyclopaedia copy citing it"}},
         "McArthur et al. 2010, the primary's mass M★ = 1.31 their masses are computed with "
         "(confirmed against the catalogue's abstract)"},
        // The source gives masses, not m sin i: m sin i is the mass times sin 59 degrees, which
        // gives back the source's K within half a percent. Its fourth planet, e (124.26 days, K
        // 3.42 m/s), is left out: the simulation holds three.
        {"Gliese 876",
         "GJ 876",
         {0.32, 2},
         "Two giants in a 2:1 resonance pull each other round: no fixed orbit follows them.",
         {{"d", {1.937780, 6}, {6.56, 2}, false, {0.207, 3}, {234, 0}, {0.0184, 4}, false,
           Rivera2010,
           "Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and "
           "the mass (6.83 Earth masses); m sin i computed at i = 59°; P, e, ω and the mass "
           "confirmed against an encyclopaedia copy citing it"},
          {"c", {30.0881, 4}, {88.34, 2}, false, {0.25591, 5}, {48.76, 2}, {0.612, 3}, false,
           Rivera2010,
           "Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and "
           "the mass (0.7142 Jupiter masses); m sin i computed at i = 59°; all five confirmed "
           "against an encyclopaedia copy citing it"},
          {"b", {61.1166, 4}, {214.00, 2}, false, {0.0324, 4}, {50.3, 1}, {1.951, 3}, false,
           Rivera2010,
           "Rivera et al. 2010, table of the coplanar four-planet fit, columns P, K, e, ω and "
           "the mass (2.2756 Jupiter masses); m sin i computed at i = 59°; P, e and the mass "
           "confirmed against an encyclopaedia copy citing it"}},
         "Rivera et al. 2010, the star's mass their planets' masses are computed with; not "
         "confirmed against a copy"},
        {"The Sun, seen from afar",
         "",
         {1.00, 2},
         "What our own Jupiter does to the Sun: about 12 m/s, repeating every twelve years.",
         {{"Jupiter", {4332.59, 2}, {12.5, 1}, true, {0.0489, 4}, Undefined, {1.000, 3}, true,
           FactSheet,
           "the fact sheet's columns sidereal period, eccentricity and mass, confirmed "
           "against its current values; K computed; ω left undefined, as it depends on "
           "where the Sun is seen from"},
          {"Saturn", {10759.22, 2}, {2.8, 1}, true, {0.0565, 4}, Undefined, {0.299, 3}, true,
           FactSheet,
           "the fact sheet's columns sidereal period, eccentricity and mass, confirmed "
           "against its current values; K computed; ω left undefined, as it depends on "
           "where the Sun is seen from"}},
         "the Sun's mass, by definition"},
    };
    for (TRealSystem& system : systems)
        for (TRealPlanet& planet : system.Planets)
            planet.a_AU = SemiMajorAxis_AU(planet.Period.Value, planet.Mass.Value,
                                           system.StarMass.Value);
    return systems;
}

} // namespace

std::string TPublished::Text() const {
    if (std::isnan(Value))
        return "—";
    return FixedNumber(Value, Decimals);
}

const std::vector<TRealSystem>& RealSystems() {
    static const std::vector<TRealSystem> systems = Table();
    return systems;
}

std::vector<std::string> RealSystemSources() {
    std::vector<std::string> sources;
    for (const TRealSystem& system : RealSystems())
        for (const TRealPlanet& planet : system.Planets)
            if (std::find(sources.begin(), sources.end(), planet.Source) == sources.end())
                sources.push_back(planet.Source);
    return sources;
}

void SetElements(TPlanet& planet, const TRealPlanet& real) {
    planet.a = real.a_AU;
    planet.ecc = real.Ecc.Value;
    planet.inc = 0.25 * TwoPi;
    planet.phi = 0.0;
    planet.psi = std::isnan(real.Omega.Value) ? 0.0 : real.Omega.Value * TwoPi / 360.0;
    planet.mass = real.Mass.Value * JupiterMass;
}

std::string SimulationName(const TRealSystem& system, const TRealPlanet& planet) {
    return system.ShortName.empty() ? planet.Letter : system.ShortName + " " + planet.Letter;
}

double SemiMajorAxis_AU(double period_days, double mass_Jupiter, double starMass_Solar) {
    const double mu = (starMass_Solar + mass_Jupiter * JupiterMass) * SolarGM;
    const double n = period_days / TwoPi;
    return std::cbrt(mu * n * n);
}

double ModelPeriod_days(double a_AU, double mass_Jupiter, double starMass_Solar) {
    const double mu = (starMass_Solar + mass_Jupiter * JupiterMass) * SolarGM;
    return TwoPi * std::sqrt(a_AU * a_AU * a_AU / mu);
}

std::vector<kepler::TRadialVelocityElements> EdgeOnElements(const TRealSystem& system) {
    std::vector<kepler::TRadialVelocityElements> elements;
    for (const TRealPlanet& real : system.Planets) {
        TPlanet planet;
        planet.a = real.a_AU;
        planet.ecc = real.Ecc.Value;
        planet.mass = real.Mass.Value * JupiterMass;
        elements.push_back(kepler::ElementsOf(planet, system.StarMass.Value));
    }
    return elements;
}
