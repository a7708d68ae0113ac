#include "simulation/RealSystemFit.h"

#include "simulation/OrbitView.h"
#include "simulation/planet.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace realfit {

namespace {

constexpr double TwoPi = 6.283185307179586;

// How far from the nearest position of each value the fit looks.
constexpr int PlanetSpread = 1;
constexpr int StarSpread = 3;

// The position whose value lies nearest `target` on a logarithmic slider.
template <class ValueOf> int Nearest(double target, TSliderRange range, ValueOf valueOf) {
    int best = range.Min;
    for (int position = range.Min; position <= range.Max; ++position)
        if (std::fabs(std::log(valueOf(position, range) / target)) <
            std::fabs(std::log(valueOf(best, range) / target)))
            best = position;
    return best;
}

// A setting's merit, compared in order: the worst error in units of its tolerance (all
// within tolerance count alike); the errors' excess over their tolerances summed, so that
// where one planet cannot meet them the others still do; the squared logarithmic distance
// of the values from the table's.
struct Score {
    double Error = std::numeric_limits<double>::infinity();
    double Excess = 0.0;
    double Distance = 0.0;
    bool operator<(const Score& other) const {
        return std::tie(Error, Excess, Distance) <
               std::tie(other.Error, other.Excess, other.Distance);
    }
};

double LogDistance(double value, double target) {
    const double d = std::log(value / target);
    return d * d;
}

struct PlanetFit {
    TPlanetPositions Positions;
    Score Merit;
};

// The planet's positions for the star mass a slider gives; the amplitude it must reach is
// the catalogue's, from the table's star mass.
PlanetFit FitPlanet(const TRealPlanet& planet, double tableStarMass_Solar, double starMass_Solar,
                    const TParamRanges& ranges) {
    using namespace paramsliders;
    const int eccPosition =
        std::clamp(int(std::lround(planet.Ecc * ranges.Ecc.Max)), ranges.Ecc.Min, ranges.Ecc.Max);
    const double ecc = Ecc(eccPosition, ranges.Ecc);
    const double amplitudeTolerance =
        planet.Ecc >= SharpPeakEcc ? SharpPeakAmplitudeTolerance : AmplitudeTolerance;
    const double targetK = CatalogueAmplitude_AUperDay(planet, tableStarMass_Solar);
    const int a0 = Nearest(planet.a_AU, ranges.a, A_AU);
    const int m0 = Nearest(planet.MassSinI_Jupiter, ranges.Mass, JupiterMasses);

    PlanetFit best{};
    for (int pa = std::max(ranges.a.Min, a0 - PlanetSpread);
         pa <= std::min(ranges.a.Max, a0 + PlanetSpread); ++pa)
        for (int pm = std::max(ranges.Mass.Min, m0 - PlanetSpread);
             pm <= std::min(ranges.Mass.Max, m0 + PlanetSpread); ++pm) {
            const double a = A_AU(pa, ranges.a);
            const double m = JupiterMasses(pm, ranges.Mass);
            const double periodError =
                std::fabs(ModelPeriod_days(a, m, starMass_Solar) / planet.Period_days - 1.0);
            const double amplitudeError =
                std::fabs(ModelAmplitude_AUperDay(a, ecc, m, starMass_Solar) / targetK - 1.0);
            const double periodRatio = periodError / PeriodTolerance;
            const double amplitudeRatio = amplitudeError / amplitudeTolerance;
            const Score merit{
                std::max({1.0, periodRatio, amplitudeRatio}),
                std::max(0.0, periodRatio - 1.0) + std::max(0.0, amplitudeRatio - 1.0),
                LogDistance(a, planet.a_AU) + LogDistance(m, planet.MassSinI_Jupiter)};
            if (merit < best.Merit)
                best = PlanetFit{{pa, eccPosition, pm}, merit};
        }
    return best;
}

} // namespace

double ModelPeriod_days(double a_AU, double mass_Jupiter, double starMass_Solar) {
    const double mu = (starMass_Solar + mass_Jupiter * JupiterMass) * SolarGM;
    return TwoPi * std::sqrt(a_AU * a_AU * a_AU / mu);
}

double ModelAmplitude_AUperDay(double a_AU, double ecc, double mass_Jupiter,
                               double starMass_Solar) {
    const double planetSpeed = TwoPi * a_AU / ModelPeriod_days(a_AU, mass_Jupiter, starMass_Solar) /
                               std::sqrt(1.0 - ecc * ecc);
    return planetSpeed * mass_Jupiter * JupiterMass / starMass_Solar;
}

double CatalogueAmplitude_AUperDay(const TRealPlanet& planet, double starMass_Solar) {
    const double m = planet.MassSinI_Jupiter * JupiterMass;
    return std::cbrt(TwoPi * SolarGM / planet.Period_days) * m *
           std::pow(starMass_Solar + m, -2.0 / 3.0) / std::sqrt(1.0 - planet.Ecc * planet.Ecc);
}

TSystemPositions FitPositions(const TRealSystem& system, const TParamRanges& ranges) {
    const int s0 = Nearest(system.StarMass_Solar, ranges.StarMass, paramsliders::SolarMasses);
    TSystemPositions best{};
    Score bestMerit;
    for (int ps = std::max(ranges.StarMass.Min, s0 - StarSpread);
         ps <= std::min(ranges.StarMass.Max, s0 + StarSpread); ++ps) {
        const double starMass = paramsliders::SolarMasses(ps, ranges.StarMass);
        TSystemPositions candidate{ps, {}};
        Score merit{0.0, 0.0, LogDistance(starMass, system.StarMass_Solar)};
        for (const TRealPlanet& planet : system.Planets) {
            const PlanetFit fit = FitPlanet(planet, system.StarMass_Solar, starMass, ranges);
            candidate.Planets.push_back(fit.Positions);
            merit.Error = std::max(merit.Error, fit.Merit.Error);
            merit.Excess += fit.Merit.Excess;
            merit.Distance += fit.Merit.Distance;
        }
        if (merit < bestMerit) {
            best = candidate;
            bestMerit = merit;
        }
    }
    return best;
}

int TimeScaleFor(const TRealSystem& system, TSliderRange range, int last) {
    double shortest = std::numeric_limits<double>::infinity();
    for (const TRealPlanet& planet : system.Planets)
        shortest = std::min(shortest, planet.Period_days);
    const int top = std::min(range.Max, last);
    for (int n = range.Min; n < top; ++n)
        if (std::pow(10.0, n + 1) >= 2.0 * shortest)
            return n;
    return top;
}

int ZoomFor(const TRealSystem& system, TSliderRange range) {
    double apocentre_AU = 0.0;
    for (const TRealPlanet& planet : system.Planets)
        apocentre_AU = std::max(apocentre_AU, planet.a_AU * (1.0 + planet.Ecc));
    const TOrbitView view;
    const double halfHeight = 0.5 * std::fabs(view.WorldRect().size().y); // at zoom 1
    for (int position = range.Min; position < range.Max; ++position)
        if (0.9 * halfHeight * TOrbitView::ZoomFor(position) >= apocentre_AU * view.OrbitScale)
            return position;
    return range.Max;
}

} // namespace realfit
