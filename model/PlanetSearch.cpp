// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/PlanetSearch.h"

#include "model/LeastSquares.h"

#include "Precondition.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fit {

namespace {

// The shares of the work reported as progress: the periodogram, the fits at its peaks, and
// the fits with one period doubled or halved.
constexpr double PeriodogramShare = 0.1;
constexpr double PeaksShare = 0.6;
constexpr double HarmonicFactors[] = {2.0, 0.5};
// How much more a doubled or halved period's two harmonics may leave than the planet's own
// period's before it is not worth a fit.
constexpr double HarmonicSlack = 1.5;

// A control that reports its progress into [from, from + share) of the caller's.
TFitControl Part(const TFitControl& whole, double from, double share) {
    TFitControl part;
    part.cancel = whole.cancel;
    if (whole.progress)
        part.progress = [&whole, from, share](double done) { whole.progress(from + share * done); };
    return part;
}

// -2 ln(likelihood) of a solution up to a constant: chi^2 + sum ln(sigma_i^2 + s^2), so
// that fits with different jitters compare fairly; without jitter it orders as chi^2.
double Misfit(const TOrbitSolution& solution, std::span<const TMeasurement> data) {
    double misfit = solution.chiSquare;
    const double s2 = solution.jitter_mps * solution.jitter_mps;
    for (const TMeasurement& m : data)
        misfit += std::log(m.error_mps * m.error_mps + s2);
    return misfit;
}

// A constant and the first two harmonics of a frequency, fitted by weighted least squares:
// v = c + a1 cos x + b1 sin x + a2 cos 2x + b2 sin 2x with x = 2 pi f t.
class THarmonics final : public TResidualFunction {
public:
    THarmonics(std::span<const TMeasurement> data, double frequency)
        : data_(data), frequency_(frequency) {}
    int ParameterCount() const override { return 5; }
    int ResidualCount() const override { return static_cast<int>(data_.size()); }
    void Residuals(std::span<const double> x, std::span<double> r) const override {
        for (std::size_t i = 0; i < data_.size(); ++i) {
            double basis[5];
            Basis(i, basis);
            double v = 0.0;
            for (int j = 0; j < 5; ++j)
                v += x[j] * basis[j];
            r[i] = (data_[i].v_mps - v) / data_[i].error_mps;
        }
    }
    void Jacobian(std::span<const double>, std::span<double> J) const override {
        for (std::size_t i = 0; i < data_.size(); ++i) {
            double basis[5];
            Basis(i, basis);
            for (int j = 0; j < 5; ++j)
                J[5 * i + j] = -basis[j] / data_[i].error_mps;
        }
    }

private:
    void Basis(std::size_t i, double* basis) const {
        const double x = 2.0 * std::numbers::pi * std::fmod(frequency_ * data_[i].t_days, 1.0);
        basis[0] = 1.0;
        basis[1] = std::cos(x);
        basis[2] = std::sin(x);
        basis[3] = std::cos(2.0 * x);
        basis[4] = std::sin(2.0 * x);
    }

    std::span<const TMeasurement> data_;
    double frequency_;
};

TLeastSquaresResult FitHarmonics(std::span<const TMeasurement> data, double period_days) {
    return MinimiseSumOfSquares(THarmonics(data, 1.0 / period_days), std::vector<double>(5, 0.0),
                                {});
}

// A planet of the given period whose curve, to first order in e, is the two harmonics fitted
// to what the known planets leave: K [cos(M + w) + e cos(2M + w)] is the fundamental of
// amplitude K and phase phi1 (M + w = x - phi1) and the harmonic of amplitude e K and phase
// phi2 (2M + w = 2x - phi2). The fit then starts next to its minimum instead of from a grid of
// shapes. The eccentricity starts at 0.05 or more: at a circle the fit's shape parameters
// have no gradient to follow.
kepler::TRadialVelocityElements PlanetFromHarmonics(std::span<const TMeasurement> residuals,
                                                    double period_days) {
    const std::vector<double> h = FitHarmonics(residuals, period_days).x;
    const double K = std::max(std::hypot(h[1], h[2]), 1e-3);
    const double phi1 = std::atan2(h[2], h[1]), phi2 = std::atan2(h[4], h[3]);
    kepler::TRadialVelocityElements planet;
    planet.period_days = period_days;
    planet.K_mps = K;
    planet.ecc = std::clamp(std::hypot(h[3], h[4]) / K, 0.05, 0.6);
    planet.omega_rad = std::remainder(phi2 - 2.0 * phi1, 2.0 * std::numbers::pi);
    planet.tPeri_days = period_days * std::remainder(phi2 - phi1, 2.0 * std::numbers::pi) /
                        (2.0 * std::numbers::pi);
    return planet;
}

} // namespace

std::vector<TMeasurement> ResidualMeasurements(
    std::span<const TMeasurement> data, std::span<const kepler::TRadialVelocityElements> planets) {
    const std::vector<double> left = Residuals(data, planets);
    std::vector<TMeasurement> residuals(data.begin(), data.end());
    for (std::size_t i = 0; i < residuals.size(); ++i)
        residuals[i].v_mps = left[i];
    return residuals;
}

std::vector<std::size_t> HighestPeaks(std::span<const double> power, int count) {
    PRECONDITION(count >= 0);
    std::vector<std::size_t> peaks;
    const std::size_t n = power.size();
    for (std::size_t i = 0; i < n; ++i) {
        if ((i == 0 || power[i] > power[i - 1]) && (i + 1 == n || power[i] >= power[i + 1]))
            peaks.push_back(i);
    }
    const std::size_t kept = std::min(peaks.size(), static_cast<std::size_t>(count));
    std::partial_sort(peaks.begin(), peaks.begin() + kept, peaks.end(),
                      [&](std::size_t a, std::size_t b) { return power[a] > power[b]; });
    peaks.resize(kept);
    return peaks;
}

TPlanetSearch FitNextPlanet(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> known,
                            double shortestPeriod_days, const TFitSettings& settings,
                            const TFitControl& control) {
    PRECONDITION(shortestPeriod_days > 0.0);
    TPlanetSearch search;
    search.fit.message =
        Refusal(data.size(), static_cast<int>(known.size()) + 1, settings.fitJitter);
    if (!search.fit.message.empty())
        return search;
    const double span = observing::Span(data);
    if (!(span > 0.0)) {
        search.fit.message = "All measurements were taken at the same time, so no period "
                             "can be sought.";
        return search;
    }

    const std::vector<TMeasurement> residuals = ResidualMeasurements(data, known);
    const observing::TFrequencyGrid grid = observing::GridFor(span, shortestPeriod_days);
    const TFitControl periodogramPart = Part(control, 0.0, PeriodogramShare);
    const bool computed = observing::Compute(
        residuals, grid, false, search.periodogram, [&](double done) {
            if (periodogramPart.progress)
                periodogramPart.progress(done);
            return !(control.cancel && control.cancel->load());
        });
    if (!computed) {
        search.fit.outcome = TFitOutcome::Cancelled;
        return search;
    }

    const std::vector<std::size_t> peaks = HighestPeaks(search.periodogram.power, PeaksTried);
    const double share = PeaksShare / static_cast<double>(peaks.size());
    double best = 0.0;
    bool first = true;
    const auto keep = [&](const TFitResult& tried) {
        const double misfit = Misfit(tried.solution, data);
        if (first || misfit < best) {
            search.fit = tried;
            best = misfit;
        }
        first = false;
    };
    for (std::size_t i = 0; i < peaks.size(); ++i) {
        const double period = i == 0 ? search.periodogram.peak.period_days : 1.0 / grid.At(peaks[i]);
        const TFitControl part = Part(control, PeriodogramShare + share * i, share);
        std::vector<kepler::TRadialVelocityElements> start(known.begin(), known.end());
        start.push_back(PlanetFromHarmonics(residuals, period));
        const TFitResult tried = FitFrom(data, start, settings, part);
        if (tried.outcome != TFitOutcome::Done) {
            search.fit = tried;
            return search;
        }
        keep(tried);
        // A very eccentric orbit is far from its first-order picture: the highest peak is
        // also fitted from the full range of shapes.
        if (i == 0) {
            const TFitResult shapes = FitOneMorePlanet(data, known, period, settings, part);
            if (shapes.outcome != TFitOutcome::Done) {
                search.fit = shapes;
                return search;
            }
            keep(shapes);
        }
    }

    // An eccentric orbit puts much of its signal into its second harmonic, and a planet may
    // first be caught there (or at twice its period from an alias); each planet's period is
    // tried doubled and halved, the others kept, and a better fit replaces the best. A period
    // beyond the run can run away to where the planet is a mere trend; it is tried at the
    // run's length instead of doubled.
    const std::vector<TFittedPlanet> fitted = search.fit.solution.planets;
    std::vector<kepler::TRadialVelocityElements> elements;
    for (const TFittedPlanet& p : fitted)
        elements.push_back(p.elements);
    const double harmonicShare = (1.0 - PeriodogramShare - PeaksShare) /
                                 static_cast<double>(fitted.size() * std::size(HarmonicFactors));
    double from = PeriodogramShare + PeaksShare;
    for (std::size_t j = 0; j < fitted.size(); ++j)
        for (double factor : HarmonicFactors) {
            std::vector<kepler::TRadialVelocityElements> start = elements;
            start[j].period_days *= factor;
            if (factor > 1.0 && elements[j].period_days > span)
                start[j].period_days = span;
            // Only a period whose two harmonics explain what the others leave about as well as
            // the planet's own period does can hold a better fit; the others are not tried.
            std::vector<kepler::TRadialVelocityElements> others = elements;
            others.erase(others.begin() + static_cast<std::ptrdiff_t>(j));
            const std::vector<TMeasurement> left = ResidualMeasurements(data, others);
            if (FitHarmonics(left, start[j].period_days).sumOfSquares >
                HarmonicSlack * FitHarmonics(left, elements[j].period_days).sumOfSquares) {
                from += harmonicShare;
                continue;
            }
            const TFitResult tried =
                FitFrom(data, start, settings, Part(control, from, harmonicShare));
            from += harmonicShare;
            if (tried.outcome != TFitOutcome::Done) {
                search.fit = tried;
                return search;
            }
            const double misfit = Misfit(tried.solution, data);
            if (misfit < best) {
                search.fit = tried;
                best = misfit;
            }
        }
    return search;
}

} // namespace fit
