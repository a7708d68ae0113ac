// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The Keplerian fit of one to four planets to radial-velocity measurements from one or more
// instruments. The model is
//   v(t) = gamma_j + c1 u + c2 u^2 + sum_p K_p [cos(nu_p + omega_p) + e_p cos omega_p]
// (Kepler.h) for a measurement of instrument j, with u = (t - t0) / span the time since the
// first measurement in units of the run's span and an optional linear (c1) and quadratic (c2)
// trend. Each planet's parameters are P, K, sqrt(e) cos omega, sqrt(e) sin omega and its mean
// longitude lambda = M + omega at the first measurement, which stays defined on a circular
// orbit where the time of periastron does not; any of them can be held fixed. The fit
// maximises the likelihood
//   -2 ln L = sum_i [(v_i - v(t_i))^2 / (sigma_i^2 + s_j^2) + ln(2 pi (sigma_i^2 + s_j^2))]
// with each instrument's jitter s_j either 0 or fitted: weighted least squares for the
// model's parameters, alternated with each jitter's own maximum until they settle.
// e stays below MaxEccentricity. Uncertainties are 1 sigma from the covariance at the
// maximum. With fitted jitters it is the inverse of the observed information, the Hessian of
// -ln L in the model's parameters and the jitters together, so that a weak eccentric signal's
// uncertainty is not understated by holding the jitters or linearising the model; without
// them it is the linearised (J^T J)^-1, scaled by sqrt(reduced chi^2) when that exceeds 1.
// They are carried linearly to e, omega, the time of periastron, m sin i and a.
// BIC = -2 ln L + k ln N for k fitted parameters (jitters included) and N measurements.
// Units: days, m/s, radians, solar masses unless a name says otherwise.

#include "model/orbit/Kepler.h"
#include "model/observing/ObservingRun.h"
#include "model/fit/PlanetMass.h"
#include "model/orbit/planet.h"

#include "WorkControl.h"
#include "Wording.h"

#include <limits>
#include <span>
#include <string>
#include <vector>

namespace fit {

using observing::TMeasurement;

// A fitted eccentricity above this is pressed against MaxEccentricity: the data may want
// more, and its uncertainty says little.
constexpr double EccentricityNearBound = 0.985;
// As many as a bundled system has (GJ 876: four).
constexpr int MaxFitPlanets = 4;
constexpr int MaxTrendOrder = 2;

// A value with its 1-sigma uncertainty; the uncertainty is +infinity when the data do not
// constrain the value, 0 when it was held fixed. low and high bound the range the value can
// take (the eccentricity 0 to MaxEccentricity, an amplitude or a mass 0 up).
struct TEstimate {
    double value = 0.0;
    double sigma = 0.0;
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    bool fixed = false;
};

struct TFittedPlanet {
    kepler::TRadialVelocityElements elements; // tPeri the first periastron at or after the first measurement
    TEstimate period_days, K_mps, ecc, omega_rad, tPeri_days;
    TEstimate massSinI_Jupiter, massSinI_Earth, a_AU;
    bool eccentricityAtBound = false; // e above EccentricityNearBound
};

struct TOrbitSolution {
    std::vector<TFittedPlanet> planets; // known ones first, a new one last
    std::vector<TEstimate> offsets_mps; // gamma of each instrument
    std::vector<TEstimate> jitters_mps; // s of each instrument, 0 unless fitted
    TEstimate offset_mps;               // the first instrument's
    double jitter_mps = 0.0;            // the first instrument's, 0 unless fitted
    int trendOrder = 0;
    TEstimate trend_mps_per_day;        // at the first measurement; 0 unless fitted
    TEstimate curvature_mps_per_day2;   // half the second derivative; 0 unless fitted
    double referenceTime_days = 0.0;    // the first measurement
    double span_days = 0.0;             // from the first measurement to the last
    double starMass_Solar = 1.0;
    double rms_mps = 0.0;            // root mean square of the residuals, unweighted
    double chiSquare = 0.0;          // with the jitters added to the errors
    double reducedChiSquare = 0.0;   // chi^2 per degree of freedom
    int degreesOfFreedom = 0;
    int parameters = 0;              // fitted, jitters included
    double minusTwoLnL = 0.0;        // -2 ln L at the maximum
    double bic = 0.0;

    // The fitted curve at time t (days) as instrument j sees it, m/s.
    double Velocity_mps(double t_days, int instrument = 0) const;
};

// Which elements of a planet stay at their starting values.
struct TFixedElements {
    bool period = false;
    bool semiAmplitude = false;
    bool eccentricity = false; // e and omega together; e = 0 keeps the orbit circular
    bool phase = false;        // the mean longitude at the first measurement

    bool operator==(const TFixedElements&) const = default;
};

// The model's choices, a plain value that a saved run can keep.
struct TFitSettings {
    double starMass_Solar = 1.0; // to weigh the planets
    bool fitJitter = false;      // one jitter per instrument, by maximum likelihood
    // The AU per day the planets are weighed in: the IAU's for measured data.
    TAstronomicalUnit astronomicalUnit = TAstronomicalUnit::Simulation;
    int trendOrder = 0;          // 0 none, 1 linear, 2 quadratic
    // Per planet, the known ones first and then the new one; planets beyond hold nothing.
    std::vector<TFixedElements> fixed;
    // Each instrument's jitter to start from (a fit with one planet fewer); 0 for those not
    // given. Held there without fitJitter.
    std::vector<double> startJitters_mps;

    const TFixedElements& FixedOf(int planet) const;
};

enum class TFitOutcome { Done, Cancelled, Refused };

struct TFitResult {
    TFitOutcome outcome = TFitOutcome::Refused;
    TWording message;        // why a fit was refused
    TOrbitSolution solution; // the fit, when Done
};

// The number of instruments in the data: one more than the highest index.
int InstrumentCount(std::span<const TMeasurement> data);

// The fitted parameters of n planets with these settings and instruments, jitters included.
int ParameterCount(int planets, int instruments, const TFitSettings& settings);

// The fewest measurements a fit of n planets takes: one more than it has parameters.
int MeasurementsNeeded(int planets, const TFitSettings& settings, int instruments = 1);

// Why a fit of n planets to these measurements cannot be made, or an empty text.
TWording Refusal(std::span<const TMeasurement> data, int planets,
                    const TFitSettings& settings);

// Fits the planets of `known` together with one more, whose period starts at
// newPeriod_days (a periodogram's peak, or a period the user chose). The known planets start
// from their elements; the new one from a circular orbit and then several eccentricities and
// orientations, and the best fit of them all is kept. Refused, with the message, when there
// would be more than MaxFitPlanets, more than observing::MaxInstruments instruments or too
// few measurements. The measurements need finite values, errors > 0 and instruments numbered
// from 0 without a gap.
TFitResult FitOneMorePlanet(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> known,
                            double newPeriod_days,
                            const TFitSettings& settings, const TWorkControl& control = {});

// Fits the planets together from the given elements (a fit by hand, or a previous fit), one
// start only; with no planets, the offsets, trend and jitters alone. Eccentricities of
// MaxEccentricity or more start just below it; a circular start whose eccentricity is free
// starts at e = 0.01 instead, since at e = 0 the fit could never leave it (the derivatives of
// sqrt(e) cos omega and sqrt(e) sin omega vanish there).
TFitResult FitFrom(std::span<const TMeasurement> data,
                   std::span<const kepler::TRadialVelocityElements> start,
                   const TFitSettings& settings, const TWorkControl& control = {});

// The measurements with the whole fitted model taken off (offsets and trend too), each error
// widened by its instrument's jitter: what a next planet is sought in.
std::vector<TMeasurement> SolutionResiduals(std::span<const TMeasurement> data,
                                            const TOrbitSolution& solution);

// The measured velocities minus the planets' curve, m/s; the offset is not taken off.
std::vector<double> Residuals(std::span<const TMeasurement> data,
                              std::span<const kepler::TRadialVelocityElements> planets);

// The offset that best fits the planets' residuals (their weighted mean) and the rms of what
// is left, m/s: the readout of a fit by hand.
struct TResidualSpread {
    double offset_mps = 0.0;
    double rms_mps = 0.0;
};
TResidualSpread SpreadAbout(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> planets);

} // namespace fit
