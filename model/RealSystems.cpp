#include "model/RealSystems.h"

#include "model/planet.h"

#include <cmath>

namespace {

constexpr double TwoPi = 6.283185307179586;

} // namespace

const std::vector<TRealSystem>& RealSystems() {
    static const std::vector<TRealSystem> systems = {
        {"51 Pegasi",
         "51 Peg",
         1.11,
         "The first planet found around a Sun-like star: a giant closer to its star than Mercury.",
         {{"b", 0.0527, 0.0, 0.47, 4.231}}},
        {"70 Virginis",
         "70 Vir",
         1.09,
         "A heavy planet on a clearly eccentric orbit: the curve is no longer a sine wave.",
         {{"b", 0.481, 0.40, 7.4, 116.7}}},
        {"HD 80606",
         "HD 80606",
         0.97,
         "A very eccentric orbit: the velocity hardly changes for weeks, then swings in days.",
         {{"b", 0.449, 0.93, 3.9, 111.4}}},
        {"47 Ursae Majoris",
         "47 UMa",
         1.03,
         "One of the first planets found with a period of years, on a nearly circular orbit.",
         {{"b", 2.10, 0.03, 2.5, 1078.0}}},
        {"Upsilon Andromedae",
         "Ups And",
         1.27,
         "The first system of several planets found around a Sun-like star this way.",
         {{"b", 0.059, 0.01, 0.69, 4.617},
          {"c", 0.83, 0.26, 1.98, 241.3},
          {"d", 2.51, 0.30, 4.1, 1276.0}}},
        {"The Sun, seen from afar",
         "",
         1.00,
         "What our own Jupiter does to the Sun: about 12 m/s, repeating every twelve years.",
         {{"Jupiter", 5.20, 0.048, 1.00, 4333.0}, {"Saturn", 9.58, 0.056, 0.299, 10759.0}}},
    };
    return systems;
}

std::string SimulationName(const TRealSystem& system, const TRealPlanet& planet) {
    return system.ShortName.empty() ? planet.Letter : system.ShortName + " " + planet.Letter;
}

double ModelPeriod_days(double a_AU, double mass_Jupiter, double starMass_Solar) {
    const double mu = (starMass_Solar + mass_Jupiter * JupiterMass) * SolarGM;
    return TwoPi * std::sqrt(a_AU * a_AU * a_AU / mu);
}
