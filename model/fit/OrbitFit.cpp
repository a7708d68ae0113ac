// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/OrbitFit.h"
#include "model/orbit/Angles.h"
#include "model/fit/FitParameters.h"
#include "model/fit/FitRun.h"
#include "model/fit/KeplerResiduals.h"

#include "Precondition.h"
#include "model/fit/Jitter.h"
#include "model/fit/LeastSquares.h"
#include "model/observing/MeasurementLimits.h"
#include "model/fit/PlanetMass.h"
#include "model/orbit/planet.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace fit {

namespace {

// The eccentricities and periastron directions tried for a new planet after its circular
// start: enough that one start lies in the basin of every orbit up to e = 0.99.
constexpr double StartEccentricities[] = {0.3, 0.6, 0.85, 0.95};
constexpr double StartOmegas[] = {0.0, 0.5 * Pi, Pi, 1.5 * Pi};
// A start is cut short here; only the best is then carried on to convergence.
constexpr int StartEvaluations = 100;
// A circular start whose eccentricity is free starts here instead (see FitFrom).
constexpr double CircularStart = 0.01;

void CheckData(std::span<const TMeasurement> data) {
    PRECONDITION(!data.empty());
    std::vector<bool> seen;
    for (const TMeasurement& m : data) {
        PRECONDITION(std::isfinite(m.t_days) && std::isfinite(m.v_mps) &&
                     std::isfinite(m.error_mps) && m.error_mps > 0.0 && m.instrument >= 0);
        if (static_cast<std::size_t>(m.instrument) >= seen.size())
            seen.resize(m.instrument + 1);
        seen[m.instrument] = true;
    }
    PRECONDITION(std::all_of(seen.begin(), seen.end(), [](bool b) { return b; }));
}

// The offsets that best fit what the planets leave, instrument by instrument (their
// weighted means), into the full vector.
void StartOffsets(std::span<const TMeasurement> data,
                  std::span<const kepler::TRadialVelocityElements> planets, const TLayout& layout,
                  std::vector<double>& full) {
    const std::vector<double> left = Residuals(data, planets);
    std::vector<double> sum(layout.instruments, 0.0), weights(layout.instruments, 0.0);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const double w = 1.0 / (data[i].error_mps * data[i].error_mps);
        sum[data[i].instrument] += w * left[i];
        weights[data[i].instrument] += w;
    }
    for (int j = 0; j < layout.instruments; ++j)
        full[layout.Offset(j)] = sum[j] / weights[j];
}

// The rms of what the planets leave about each instrument's own mean, m/s.
double SpreadPerInstrument(std::span<const TMeasurement> data,
                           std::span<const kepler::TRadialVelocityElements> planets,
                           const TLayout& layout, const std::vector<double>& full) {
    const std::vector<double> left = Residuals(data, planets);
    double sum = 0.0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const double r = left[i] - full[layout.Offset(data[i].instrument)];
        sum += r * r;
    }
    return std::sqrt(sum / static_cast<double>(data.size()));
}

TFitResult Cancelled() {
    TFitResult result;
    result.outcome = TFitOutcome::Cancelled;
    return result;
}

// A start, or every start, whose period or shape no fit can work from.
TFitResult NoOrbit() {
    TFitResult result;
    result.message = Said("Fit refusals", "No orbit could be fitted: the search started from a "
                                          "period or shape beyond what these measurements can "
                                          "tell.");
    return result;
}

TFitResult Done(TOrbitSolution solution) {
    TFitResult result;
    result.outcome = TFitOutcome::Done;
    result.solution = std::move(solution);
    return result;
}

} // namespace

double TOrbitSolution::Velocity_mps(double t_days, int instrument) const {
    PRECONDITION(instrument >= 0 && static_cast<std::size_t>(instrument) < offsets_mps.size());
    const double since = t_days - referenceTime_days;
    double v = offsets_mps[instrument].value + trend_mps_per_day.value * since +
               curvature_mps_per_day2.value * since * since;
    for (const TFittedPlanet& planet : planets)
        v += kepler::RadialVelocity_mps(planet.elements, t_days);
    return v;
}

const TFixedElements& TFitSettings::FixedOf(int planet) const {
    static const TFixedElements none;
    return planet >= 0 && static_cast<std::size_t>(planet) < fixed.size() ? fixed[planet] : none;
}

int InstrumentCount(std::span<const TMeasurement> data) {
    int count = 1;
    for (const TMeasurement& m : data)
        count = std::max(count, m.instrument + 1);
    return count;
}

int ParameterCount(int planets, int instruments, const TFitSettings& settings) {
    TLayout layout;
    layout.planets = planets;
    layout.instruments = instruments;
    layout.trend = settings.trendOrder;
    return static_cast<int>(FreeIndices(layout, settings).size()) +
           (settings.fitJitter ? instruments : 0);
}

int MeasurementsNeeded(int planets, const TFitSettings& settings, int instruments) {
    return ParameterCount(planets, instruments, settings) + 1;
}

TWording Refusal(std::span<const TMeasurement> data, int planets, const TFitSettings& settings) {
    if (planets > MaxFitPlanets)
        return Said("Fit refusals", "At most four planets can be fitted.");
    // The minimiser's and the covariance's decompositions grow with the cube of the
    // parameters and look at no stop request inside: this bound keeps each within a second.
    const int instruments = InstrumentCount(data);
    if (instruments > static_cast<int>(observing::MaxInstruments))
        return TWording(Said("Fit refusals",
                             "At most %1 instruments can be fitted; there are %2."))
            .Name(std::to_string(observing::MaxInstruments))
            .Name(std::to_string(instruments));
    const int needed = MeasurementsNeeded(planets, settings, instruments);
    if (data.size() >= static_cast<std::size_t>(needed))
        return {};
    return TWording(planets == 1
                        ? Said("Fit refusals", "Fitting 1 planet needs at least %2 "
                                               "measurements; there are %3.")
                        : Said("Fit refusals", "Fitting %1 planets needs at least %2 "
                                               "measurements; there are %3."))
        .Name(std::to_string(planets))
        .Name(std::to_string(needed))
        .Name(std::to_string(data.size()));
}

TFitResult FitOneMorePlanet(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> known,
                            double newPeriod_days, const TFitSettings& settings,
                            const TWorkControl& control) {
    PRECONDITION(newPeriod_days > 0.0 && std::isfinite(newPeriod_days));
    PRECONDITION(settings.starMass_Solar > 0.0);
    PRECONDITION(settings.trendOrder >= 0 && settings.trendOrder <= MaxTrendOrder);
    CheckData(data);
    const int planets = static_cast<int>(known.size()) + 1;
    TFitResult refused;
    refused.message = Refusal(data, planets, settings);
    if (!refused.message.Empty())
        return refused;

    const bool eccentricStarts = !settings.FixedOf(planets - 1).eccentricity;
    const int starts =
        1 + (eccentricStarts ? std::size(StartEccentricities) * std::size(StartOmegas) : 0);
    TFitRun run(data, planets, settings, control, starts + 1 + (settings.fitJitter ? 4 : 0));
    const TLayout& layout = run.Layout();
    const double t0 = run.ReferenceTime();

    // With the known planets' curve taken off, what is left sets the offsets and the new
    // planet's amplitude.
    TFitState circular;
    circular.full.assign(layout.Size(), 0.0);
    for (std::size_t j = 0; j < known.size(); ++j)
        ToFree(ParametersOf(known[j], t0), &circular.full[PerPlanet * j]);
    StartOffsets(data, known, layout, circular.full);
    // A sine's amplitude is sqrt(2) times its rms; a little amplitude even on flat data,
    // so that the phase has something to turn.
    const double K0 =
        std::max(std::sqrt(2.0) * SpreadPerInstrument(data, known, layout, circular.full), 1e-3);
    ToFree({newPeriod_days, K0, 0.0, 0.0, 0.0}, &circular.full[PerPlanet * (planets - 1)]);
    if (!run.Minimise(circular, StartEvaluations))
        return Cancelled();

    TFitState best = circular;
    const TPlanetParameters round = FromFree(&circular.full[PerPlanet * (planets - 1)]);
    for (double e : StartEccentricities) {
        if (!eccentricStarts)
            break;
        for (double omega : StartOmegas) {
            TFitState start = circular;
            const double sqrtE = std::sqrt(e);
            ToFree(
                {round.P, round.K, sqrtE * std::cos(omega), sqrtE * std::sin(omega), round.lambda},
                &start.full[PerPlanet * (planets - 1)]);
            if (!run.Minimise(start, StartEvaluations))
                return Cancelled();
            if (start.sumOfSquares < best.sumOfSquares)
                best = start;
        }
    }
    // Describing the fit takes about as long as a step of it: a stop asked for meanwhile ends
    // the work here.
    if (!run.Finish(best) || control.Cancelled())
        return Cancelled();
    if (!run.Usable(best.full))
        return NoOrbit();
    return Done(run.Describe(best.full));
}

TFitResult FitFrom(std::span<const TMeasurement> data,
                   std::span<const kepler::TRadialVelocityElements> start,
                   const TFitSettings& settings, const TWorkControl& control) {
    PRECONDITION(settings.starMass_Solar > 0.0);
    PRECONDITION(settings.trendOrder >= 0 && settings.trendOrder <= MaxTrendOrder);
    CheckData(data);
    const int planets = static_cast<int>(start.size());
    TFitResult refused;
    refused.message = Refusal(data, planets, settings);
    if (!refused.message.Empty())
        return refused;

    TFitRun run(data, planets, settings, control, 1 + (settings.fitJitter ? 4 : 0));
    const TLayout& layout = run.Layout();
    TFitState candidate;
    candidate.full.assign(layout.Size(), 0.0);
    for (int j = 0; j < planets; ++j) {
        TPlanetParameters p = ParametersOf(start[j], run.ReferenceTime());
        if (!settings.FixedOf(j).eccentricity &&
            p.secosw * p.secosw + p.sesinw * p.sesinw < CircularStart) {
            p.secosw = std::sqrt(CircularStart) * std::cos(start[j].omega_rad);
            p.sesinw = std::sqrt(CircularStart) * std::sin(start[j].omega_rad);
        }
        ToFree(p, &candidate.full[PerPlanet * j]);
    }
    StartOffsets(data, start, layout, candidate.full);
    if (!run.Finish(candidate) || control.Cancelled())
        return Cancelled();
    if (!run.Usable(candidate.full))
        return NoOrbit();
    return Done(run.Describe(candidate.full));
}

std::vector<TMeasurement> SolutionResiduals(std::span<const TMeasurement> data,
                                            const TOrbitSolution& solution) {
    std::vector<TMeasurement> left(data.begin(), data.end());
    for (TMeasurement& m : left) {
        const double s = solution.jitters_mps[m.instrument].value;
        m.v_mps -= solution.Velocity_mps(m.t_days, m.instrument);
        m.error_mps = std::sqrt(m.error_mps * m.error_mps + s * s);
    }
    return left;
}

std::vector<double> Residuals(std::span<const TMeasurement> data,
                              std::span<const kepler::TRadialVelocityElements> planets) {
    std::vector<double> left(data.size());
    for (std::size_t i = 0; i < data.size(); ++i)
        left[i] = data[i].v_mps - kepler::RadialVelocity_mps(planets, data[i].t_days);
    return left;
}

TResidualSpread SpreadAbout(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> planets) {
    PRECONDITION(!data.empty());
    const std::vector<double> left = Residuals(data, planets);
    // Weights relative to the smallest error's: the mean is the same, and no error a file
    // may hold overflows them.
    double smallest = data[0].error_mps;
    for (const TMeasurement& m : data)
        smallest = std::min(smallest, m.error_mps);
    double mean = 0.0, weights = 0.0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const double w = (smallest / data[i].error_mps) * (smallest / data[i].error_mps);
        mean += w * left[i];
        weights += w;
    }
    mean /= weights;
    double sum = 0.0;
    for (double r : left)
        sum += (r - mean) * (r - mean);
    return {mean, std::sqrt(sum / static_cast<double>(data.size()))};
}

} // namespace fit
