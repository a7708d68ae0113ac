// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The Keplerian fit of one to three planets to radial-velocity measurements. The model is
// v(t) = gamma + sum_j K_j [cos(nu_j + omega_j) + e_j cos omega_j] (Kepler.h), fitted by
// weighted least squares, chi^2 = sum_i (v_i - v(t_i))^2 / (sigma_i^2 + s^2). Each planet's
// parameters are P, K, sqrt(e) cos omega, sqrt(e) sin omega and its mean longitude
// lambda = M + omega at the first measurement, which stays defined on a circular orbit where
// the time of periastron does not; with them one offset gamma, and optionally the jitter s
// that brings the reduced chi^2 to 1. e stays below MaxFitEccentricity. Uncertainties are
// 1 sigma from the covariance at the minimum, scaled by sqrt(reduced chi^2) when that exceeds
// 1, and carried linearly to e, omega, the time of periastron, m sin i and a.
// Units: days, m/s, radians, solar masses unless a name says otherwise.

#include "model/Kepler.h"
#include "model/ObservingRun.h"

#include <atomic>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace fit {

using observing::TMeasurement;

constexpr double MaxFitEccentricity = 0.95;
constexpr int MaxFitPlanets = 3;

// A value with its 1-sigma uncertainty; the uncertainty is +infinity when the data do not
// constrain the value.
struct TEstimate {
    double value = 0.0;
    double sigma = 0.0;
};

struct TFittedPlanet {
    kepler::TRadialVelocityElements elements; // tPeri the first periastron at or after the first measurement
    TEstimate period_days, K_mps, ecc, omega_rad, tPeri_days;
    TEstimate massSinI_Jupiter, massSinI_Earth, a_AU;
};

struct TOrbitSolution {
    std::vector<TFittedPlanet> planets;
    TEstimate offset_mps;
    double jitter_mps = 0.0;         // 0 unless fitted
    double referenceTime_days = 0.0; // the first measurement
    double starMass_Solar = 1.0;
    double rms_mps = 0.0;            // root mean square of the residuals, unweighted
    double chiSquare = 0.0;          // with the jitter added to each error
    double reducedChiSquare = 0.0;   // chi^2 per degree of freedom
    int degreesOfFreedom = 0;

    // The fitted curve at time t (days), m/s.
    double Velocity_mps(double t_days) const;
};

struct TFitSettings {
    double starMass_Solar = 1.0; // to weigh the planets
    bool fitJitter = false;
};

// How a long fit reports and how it is stopped; both work from another thread.
struct TFitControl {
    const std::atomic<bool>* cancel = nullptr; // once true, the fit stops soon
    std::function<void(double)> progress;      // share of the work done, 0 to 1
};

enum class TFitOutcome { Done, Cancelled, Refused };

struct TFitResult {
    TFitOutcome outcome = TFitOutcome::Refused;
    std::string message;     // why a fit was refused
    TOrbitSolution solution; // the fit, when Done
};

// The fewest measurements a fit of n planets takes: one more than it has parameters.
int MeasurementsNeeded(int planets, bool fitJitter);

// Why a fit of n planets to this many measurements cannot be made, or an empty text.
std::string Refusal(std::size_t measurements, int planets, bool fitJitter);

// Fits the planets of `known` together with one more, whose period starts at
// newPeriod_days (from a periodogram's peak). The known planets start from their elements; the new one from a circular orbit and then several eccentricities and
// orientations, and the best fit of them all is kept. Refused, with the message, when there
// would be more than MaxFitPlanets or too few measurements. The measurements need finite
// values and errors > 0.
TFitResult FitOneMorePlanet(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> known,
                            double newPeriod_days,
                            const TFitSettings& settings, const TFitControl& control = {});

// Fits the planets together from the given elements (a fit by hand, or a previous fit), one
// start only. Eccentricities of MaxFitEccentricity or more start just below it.
TFitResult FitFrom(std::span<const TMeasurement> data,
                   std::span<const kepler::TRadialVelocityElements> start,
                   const TFitSettings& settings, const TFitControl& control = {});

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
