// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/MysteryStars.h"

#include "model/Kepler.h"
#include "model/SimulatedMass.h"

#include <cmath>
#include <cstdio>
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
std::string OmegaText(const kepler::TRadialVelocityElements& e) {
    if (e.ecc == 0.0)
        return "omega undefined (circular orbit)";
    const double turn = 2.0 * std::numbers::pi;
    char text[48];
    std::snprintf(text, sizeof text, "omega %.0f degrees",
                  std::fmod(std::fmod(e.omega_rad, turn) + turn, turn) * 180.0 / std::numbers::pi);
    return text;
}

} // namespace

const std::vector<TMysteryStar>& MysteryStars() {
    static const std::vector<TMysteryStar> stars = {
        {"Mystery star A", 1.05, {Planet("A b", 0.11, 0.9, 0.02, 1.0)},
         Plan(45, 90.0, 4.0, 2.0, 0.7, 0.25, 20240611)},
        {"Mystery star B", 0.92, {Planet("B b", 0.42, 2.6, 0.62, 2.3)},
         Plan(70, 600.0, 6.0, 3.0, 0.6, 0.3, 77100231)},
        {"Mystery star C", 1.20,
         {Planet("C b", 0.055, 0.6, 0.0, 0.0), Planet("C c", 0.9, 1.8, 0.15, 4.0)},
         Plan(120, 400.0, 3.0, 2.0, 0.65, 0.2, 5150519)},
    };
    return stars;
}

std::string Introduction(const TMysteryStar& star) {
    char text[96];
    std::snprintf(text, sizeof text, "%s, a star of %.2f solar masses", star.name, star.starMass);
    return text;
}

std::vector<TMeasurement> Observe(const TMysteryStar& star) {
    std::vector<kepler::TRadialVelocityElements> elements;
    for (const TPlanet& planet : star.planets)
        elements.push_back(kepler::ElementsOf(planet, star.starMass));
    return Observe(star.plan, elements);
}

std::string AnswerSheet() {
    std::string sheet = "Observing run: the mystery stars' answers\n\n";
    char line[256];
    for (const TMysteryStar& star : MysteryStars()) {
        std::snprintf(line, sizeof line, "%s: star of %.2f solar masses; %s\n", star.name,
                      star.starMass, DescribePlan(star.plan).c_str());
        sheet += line;
        for (const TPlanet& planet : star.planets) {
            const kepler::TRadialVelocityElements e = kepler::ElementsOf(planet, star.starMass);
            std::snprintf(line, sizeof line,
                          "  %s: period %.3f days, K %.2f m/s, e %.2f, %s, a %.3f AU, "
                          "m sin i %.2f Jupiter masses\n",
                          planet.Name.c_str(), e.period_days, e.K_mps, e.ecc,
                          OmegaText(e).c_str(), planet.a,
                          fit::SimulatedMassSinI_Solar(e.period_days, e.K_mps, e.ecc,
                                                       star.starMass) *
                              JupiterMassesPerSolarMass);
            sheet += line;
        }
        sheet += '\n';
    }
    return sheet;
}

} // namespace observing
