// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/PlanetSearch.h"

#include "Precondition.h"

#include <algorithm>
#include <cmath>

namespace fit {

namespace {

// The shares of the work reported as progress: the fit without the new planet, the
// periodogram, the fits at its peaks, and the fits with one period doubled or halved.
constexpr double BeforeShare = 0.05;
constexpr double PeriodogramShare = 0.05;
constexpr double SearchShare = BeforeShare + PeriodogramShare;
constexpr double PeaksShare = 0.6;
constexpr double HarmonicFactors[] = {2.0, 0.5};

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

namespace {

// The settings of the fits with one more planet: the jitters start where the fit without it
// left them, so that every start is weighed as the data deserve and the jitters settle soon.
TFitSettings WithJittersOf(const TFitSettings& settings, const TOrbitSolution& before) {
    TFitSettings next = settings;
    next.startJitters_mps.clear();
    for (const TEstimate& s : before.jitters_mps)
        next.startJitters_mps.push_back(s.value);
    return next;
}

// The periodogram of what the fit without the new planet leaves.
bool PeriodogramOf(std::span<const TMeasurement> data, double shortestPeriod_days,
                   const TWorkControl& control, TPlanetSearch& search) {
    const double span = observing::Span(data);
    const std::vector<TMeasurement> residuals = SolutionResiduals(data, search.before);
    const observing::TFrequencyGrid grid = observing::GridFor(span, shortestPeriod_days);
    const bool computed = observing::Compute(residuals, grid, false, search.periodogram,
                                             control.Part(BeforeShare, PeriodogramShare));
    if (!computed) {
        search.fit.outcome = TFitOutcome::Cancelled;
        return false;
    }
    if (!search.periodogram.peak.found) {
        search.fit.message = "What is left of the velocities does not vary at all, so no "
                             "period can be sought.";
        return false;
    }
    return true;
}

// The fit without the new planet and its residuals' periodogram; false, with the search's
// outcome and message set, when the search cannot go on.
bool Prepare(std::span<const TMeasurement> data,
             std::span<const kepler::TRadialVelocityElements> known, double shortestPeriod_days,
             const TFitSettings& settings, const TWorkControl& control, TPlanetSearch& search) {
    PRECONDITION(shortestPeriod_days > 0.0);
    search.fit.message = Refusal(data, static_cast<int>(known.size()) + 1, settings);
    if (!search.fit.message.empty())
        return false;
    const double span = observing::Span(data);
    if (!(span > 0.0)) {
        search.fit.message = "All measurements were taken at the same time, so no period "
                             "can be sought.";
        return false;
    }
    const TFitResult before = FitFrom(data, known, settings, control.Part(0.0, BeforeShare));
    if (before.outcome != TFitOutcome::Done) {
        search.fit = before;
        return false;
    }
    search.before = before.solution;
    return PeriodogramOf(data, shortestPeriod_days, control, search);
}

void Judge(TPlanetSearch& search) {
    if (search.fit.outcome == TFitOutcome::Done)
        search.deltaBic = search.fit.solution.bic - search.before.bic;
}

} // namespace

TPlanetSearch FitNextPlanet(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> known,
                            double shortestPeriod_days, const TFitSettings& settings,
                            const TWorkControl& control) {
    TPlanetSearch search;
    if (!Prepare(data, known, shortestPeriod_days, settings, control, search))
        return search;
    const observing::TFrequencyGrid& grid = search.periodogram.grid;
    search.falseAlarm = search.periodogram.falseAlarm;
    const double span = observing::Span(data);
    const TFitSettings next = WithJittersOf(settings, search.before);

    const std::vector<std::size_t> peaks = HighestPeaks(search.periodogram.power, PeaksTried);
    const double share = PeaksShare / static_cast<double>(peaks.size());
    double best = 0.0;
    for (std::size_t i = 0; i < peaks.size(); ++i) {
        const double period = 1.0 / grid.At(peaks[i]);
        const TFitResult tried =
            FitOneMorePlanet(data, known, i == 0 ? search.periodogram.peak.period_days : period,
                             next, control.Part(SearchShare + share * i, share));
        if (tried.outcome != TFitOutcome::Done) {
            search.fit = tried;
            return search;
        }
        const double misfit = tried.solution.minusTwoLnL;
        if (i == 0 || misfit < best) {
            search.fit = tried;
            best = misfit;
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
    const double harmonicShare = (1.0 - SearchShare - PeaksShare) /
                                 static_cast<double>(fitted.size() * std::size(HarmonicFactors));
    double from = SearchShare + PeaksShare;
    for (std::size_t j = 0; j < fitted.size(); ++j)
        for (double factor : HarmonicFactors) {
            std::vector<kepler::TRadialVelocityElements> start = elements;
            start[j].period_days *= factor;
            if (factor > 1.0 && elements[j].period_days > span)
                start[j].period_days = span;
            const TFitResult tried =
                FitFrom(data, start, next, control.Part(from, harmonicShare));
            from += harmonicShare;
            if (tried.outcome != TFitOutcome::Done) {
                search.fit = tried;
                return search;
            }
            const double misfit = tried.solution.minusTwoLnL;
            if (misfit < best) {
                search.fit = tried;
                best = misfit;
            }
        }
    Judge(search);
    return search;
}

TPlanetSearch FitPlanetAtPeriod(std::span<const TMeasurement> data,
                                std::span<const kepler::TRadialVelocityElements> known,
                                double period_days, double shortestPeriod_days,
                                const TFitSettings& settings, const TWorkControl& control) {
    PRECONDITION(period_days > 0.0 && std::isfinite(period_days));
    TPlanetSearch search;
    if (!Prepare(data, known, shortestPeriod_days, settings, control, search))
        return search;
    const std::vector<TMeasurement> residuals = SolutionResiduals(data, search.before);
    const observing::TFrequencyGrid& grid = search.periodogram.grid;
    search.falseAlarm = observing::FalseAlarmProbability(
        observing::PowerAt(residuals, 1.0 / period_days), grid.At(grid.count - 1), residuals);
    search.fit = FitOneMorePlanet(data, known, period_days, WithJittersOf(settings, search.before),
                                  control.Part(SearchShare, 1.0 - SearchShare));
    Judge(search);
    return search;
}

} // namespace fit
