// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/MysteryStars.h"

#include "model/orbit/Kepler.h"
#include "model/orbit/SimulatedMass.h"

#include "model/text/NumberWriting.h"

#include <cmath>
#include <numbers>

namespace observing {

namespace {

TPlanet Planet(const char* name, double a_AU, double mass_MJ, double ecc, double psi_rad) {
    TPlanet planet;
    planet.Name = name;
    planet.a = a_AU;
    planet.mass = mass_MJ * JupiterMass;
    planet.ecc = ecc;
    planet.SetOrientation(std::numbers::pi / 2, 0.0, psi_rad);
    return planet;
}

TObservingPlan Plan(int nights, double runLength, double precision, double jitter,
                    double observable, double weather, std::uint64_t seed) {
    TObservingPlan plan;
    plan.nights = nights;
    plan.runLength_days = runLength;
    plan.precision_mps = precision;
    plan.jitter_mps = jitter;
    plan.observableShare = observable;
    plan.weatherLoss = weather;
    plan.seed = seed;
    return plan;
}

// The argument of periastron as the fit's table gives it, 0 to 360 degrees, and none for a
// circular orbit, which has no periastron.
TWording OmegaText(const kepler::TRadialVelocityElements& e) {
    if (e.ecc == 0.0)
        return Said("Mystery stars", "omega undefined (circular orbit)");
    const double turn = 2.0 * std::numbers::pi;
    return TWording(Said("Mystery stars", "omega %1 degrees"))
        .Number(FixedNumber(
            std::fmod(std::fmod(e.omega_rad, turn) + turn, turn) * 180.0 / std::numbers::pi, 0));
}

} // namespace

const std::vector<TMysteryStar>& MysteryStars() {
    static const std::vector<TMysteryStar> stars = {
        {Said("Mystery stars", "Mystery star A"), 1.05, {Planet("A b", 0.11, 0.9, 0.02, 1.0)},
         Plan(45, 90.0, 4.0, 2.0, 0.7, 0.25, 20240611)},
        {Said("Mystery stars", "Mystery star B"), 0.92, {Planet("B b", 0.42, 2.6, 0.62, 2.3)},
         Plan(70, 600.0, 6.0, 3.0, 0.6, 0.3, 77100231)},
        {Said("Mystery stars", "Mystery star C"), 1.20,
         {Planet("C b", 0.055, 0.6, 0.0, 0.0), Planet("C c", 0.9, 1.8, 0.15, 4.0)},
         Plan(120, 400.0, 3.0, 2.0, 0.65, 0.2, 5150519)},
    };
    return stars;
}

TWording Introduction(const TMysteryStar& star) {
    return TWording(Said("Mystery stars", "%1, a star of %2 solar masses"))
        .Part(star.name)
        .Number(FixedNumber(star.starMass, 2));
}

std::vector<TMeasurement> Observe(const TMysteryStar& star) {
    std::vector<kepler::TRadialVelocityElements> elements;
    for (const TPlanet& planet : star.planets)
        elements.push_back(kepler::ElementsOf(planet, star.starMass));
    return Observe(star.plan, elements);
}

std::vector<TWording> AnswerLines(const TMysteryStar& star) {
    std::vector<TWording> lines{
        TWording(Said("Mystery stars", "%1: star of %2 solar masses; %3"))
            .Part(star.name)
            .Number(FixedNumber(star.starMass, 2))
            .Part(DescribePlan(star.plan))};
    for (const TPlanet& planet : star.planets) {
        const kepler::TRadialVelocityElements e = kepler::ElementsOf(planet, star.starMass);
        const double massSinI_Jupiter =
            fit::SimulatedMassSinI_Solar(e.period_days, e.K_mps, e.ecc, star.starMass) *
            JupiterMassesPerSolarMass;
        lines.push_back(TWording(Said("Mystery stars",
                                      "%1: period %2 days, K %3 m/s, e %4, %5, a %6 AU, m sin i "
                                      "%7 Jupiter masses"))
                            .Name(planet.Name)
                            .Number(FixedNumber(e.period_days, 3))
                            .Number(FixedNumber(e.K_mps, 2))
                            .Number(FixedNumber(e.ecc, 2))
                            .Part(OmegaText(e))
                            .Number(FixedNumber(planet.a, 3))
                            .Number(FixedNumber(massSinI_Jupiter, 2)));
    }
    return lines;
}

} // namespace observing
