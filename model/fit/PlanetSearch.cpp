// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/PlanetSearch.h"

#include "model/fit/CandidateVetting.h"
#include "model/fit/KeplerianScan.h"
#include "model/fit/LeastSquares.h"

#include "Precondition.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace fit {

namespace {

// The shares of the work reported as progress: the fit without the new planet, the
// periodogram, the fits at its peaks, and the fits with one period doubled or halved.
constexpr double BeforeShare = 0.05;
constexpr double PeriodogramShare = 0.05;
constexpr double SearchShare = BeforeShare + PeriodogramShare;
constexpr double PeaksShare = 0.6;
constexpr double HarmonicFactors[] = {2.0, 0.5};
// How much more a doubled or halved period's two harmonics may leave than the planet's own
// period's before it is not worth a fit.
constexpr double HarmonicSlack = 1.5;
// Beyond this eccentricity a start from the first two harmonics may miss the orbit.
constexpr double FirstOrderEccentricity = 0.3;

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

} // namespace

std::vector<TMeasurement>
ResidualMeasurements(std::span<const TMeasurement> data,
                     std::span<const kepler::TRadialVelocityElements> planets) {
    const std::vector<double> left = Residuals(data, planets);
    std::vector<TMeasurement> residuals(data.begin(), data.end());
    for (std::size_t i = 0; i < residuals.size(); ++i)
        residuals[i].v_mps = left[i];
    return residuals;
}

kepler::TRadialVelocityElements StartFromHarmonics(std::span<const TMeasurement> residuals,
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
        search.fit.message = Said("Fit refusals", "What is left of the velocities does not "
                                                  "vary at all, so no period can be sought.");
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
    if (!search.fit.message.Empty())
        return false;
    const double span = observing::Span(data);
    if (!(span > 0.0)) {
        search.fit.message = Said("Fit refusals", "All measurements were taken at the same "
                                                  "time, so no period can be sought.");
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

namespace {

// The peaks whose multiples the eccentric scan tries, and the multiples: an orbit of
// e = 0.9 puts as much power at P / 2 and P / 3 as at P.
constexpr int ScanPeaks = 5;
constexpr int ScanMultiples = 3;
// Only an orbit the scan finds this eccentric is worth a fit of its own: the sine starts
// and their range of shapes already reach the rounder ones. The best few such are fitted.
constexpr double ScanEccentricity = 0.7;
constexpr std::size_t ScanFits = 2;
// A fit tried for the new planet, with what the vetting made of it.
struct TTried {
    TFitResult fit;
    double deltaBic = 0.0;
    double falseAlarm = 1.0;
    TVerdict verdict;
};

// The fits a search tries and which of them it keeps: the believed one of the highest
// likelihood, or, when none is believed, the one of the highest likelihood with the reason
// it is not.
class TCandidates {
public:
    TCandidates(std::span<const TMeasurement> data, TPlanetSearch& search)
        : data_(data), search_(search) {}

    // False when the tried fit ends the search (cancelled).
    bool Try(const TFitResult& fit) {
        if (fit.outcome == TFitOutcome::Cancelled) {
            search_.fit = fit;
            return false;
        }
        // A start that leads to no orbit is passed over; the others may still find one.
        if (fit.outcome == TFitOutcome::Refused) {
            if (!kept_)
                search_.fit = fit;
            return true;
        }
        TTried tried;
        tried.fit = fit;
        tried.deltaBic = fit.solution.bic - search_.before.bic;
        const observing::TFrequencyGrid& grid = search_.periodogram.grid;
        tried.falseAlarm = OwnFalseAlarm(data_, fit.solution, fit.solution.planets.size() - 1,
                                         grid.At(grid.count - 1));
        tried.verdict =
            Vet({data_, &search_.before, &fit.solution, tried.deltaBic, tried.falseAlarm});
        if (!tried.verdict.Believed())
            Refuse(tried);
        const bool better = !kept_ || (tried.verdict.Believed() && !kept_->verdict.Believed()) ||
                            (tried.verdict.Believed() == kept_->verdict.Believed() &&
                             fit.solution.minusTwoLnL < kept_->fit.solution.minusTwoLnL);
        if (better)
            kept_ = std::move(tried);
        return true;
    }

    bool Any() const { return kept_.has_value(); }
    const TOrbitSolution& Best() const { return kept_->fit.solution; }

    void Conclude() {
        if (!kept_)
            return;
        search_.fit = kept_->fit;
        search_.deltaBic = kept_->deltaBic;
        search_.falseAlarm = kept_->falseAlarm;
        search_.verdict = kept_->verdict;
        // The kept fit is not among those refused in its place.
        std::erase_if(search_.refused, [&](const TRefusedCandidate& r) {
            return r.period_days == kept_->fit.solution.planets.back().elements.period_days;
        });
    }

private:
    // Each refused period once, with the first reason found for it.
    void Refuse(const TTried& tried) {
        const double P = tried.fit.solution.planets.back().elements.period_days;
        const double resolution = 1.0 / observing::Span(data_);
        for (const TRefusedCandidate& r : search_.refused)
            if (std::abs(1.0 / r.period_days - 1.0 / P) < resolution)
                return;
        search_.refused.push_back({P, tried.verdict});
    }

    std::span<const TMeasurement> data_;
    TPlanetSearch& search_;
    std::optional<TTried> kept_;
};

// What the steps of one search share: the measurements, the planets known, the settings
// of the fit with the new planet, the periodogram's peaks and the candidates tried so far.
struct TSearchStep {
    std::span<const TMeasurement> data;
    std::span<const kepler::TRadialVelocityElements> known;
    const TFitSettings& next;
    const TWorkControl& control;
    TCandidates& candidates;
    const TPlanetSearch& search;
    std::vector<std::size_t> peaks;      // the highest, highest first
    std::vector<TMeasurement> residuals; // of the fit without the new planet
    std::size_t sinePeaks = 0;           // how many of the peaks are fitted from a sine
    double share = 0.0;                  // of the work, for each sine peak

    bool NewPlanetFixed(bool TFixedElements::*element) const {
        return next.FixedOf(static_cast<int>(known.size())).*element;
    }

    // The known planets and then `planet`, held circular when its eccentricity is held.
    std::vector<kepler::TRadialVelocityElements>
    StartWith(const kepler::TRadialVelocityElements& planet) const {
        std::vector<kepler::TRadialVelocityElements> start(known.begin(), known.end());
        start.push_back(planet);
        if (NewPlanetFixed(&TFixedElements::eccentricity))
            start.back().ecc = 0.0;
        return start;
    }
};

// The new planet fitted from each of the highest peaks, from the sine and cosine of its
// period and its first harmonic; false when cancelled.
bool TrySinePeaks(TSearchStep& step) {
    const observing::TFrequencyGrid& grid = step.search.periodogram.grid;
    double highestMisfit = 0.0;
    for (std::size_t i = 0; i < step.sinePeaks; ++i) {
        const double period =
            i == 0 ? step.search.periodogram.peak.period_days : 1.0 / grid.At(step.peaks[i]);
        const TWorkControl part = step.control.Part(SearchShare + step.share * i, step.share);
        // A lower peak whose two harmonics leave much more than the highest peak's cannot
        // hold the better fit; it is not tried.
        const double misfit = FitHarmonics(step.residuals, period).sumOfSquares;
        if (i == 0)
            highestMisfit = misfit;
        else if (misfit > HarmonicSlack * highestMisfit)
            continue;
        const TFitResult fromHarmonics = FitFrom(
            step.data, step.StartWith(StartFromHarmonics(step.residuals, period)), step.next, part);
        if (!step.candidates.Try(fromHarmonics))
            return false;
        // An eccentric orbit is far from its first-order picture: where the fit from it ends
        // eccentric, the highest peak is also fitted from the full range of shapes.
        if (i == 0 && fromHarmonics.outcome == TFitOutcome::Done &&
            fromHarmonics.solution.planets.back().ecc.value >= FirstOrderEccentricity &&
            !step.candidates.Try(FitOneMorePlanet(step.data, step.known, period, step.next, part)))
            return false;
    }
    return true;
}

// A very eccentric orbit's own period may be none of the highest peaks but a multiple of
// one: the best Keplerian of a coarse grid at each multiple of the peaks, and a fit from
// the best of them, when it is eccentric. False when cancelled.
bool TryEccentricScan(TSearchStep& step) {
    if (step.NewPlanetFixed(&TFixedElements::eccentricity) ||
        step.NewPlanetFixed(&TFixedElements::period))
        return true;
    const observing::TFrequencyGrid& grid = step.search.periodogram.grid;
    const double span = observing::Span(step.data);
    std::vector<TKeplerianTrial> scans;
    for (std::size_t i = 0; i < step.peaks.size() && !step.control.Cancelled(); ++i)
        for (int m = 1; m <= ScanMultiples; ++m) {
            const double period = m / grid.At(step.peaks[i]);
            if (period > span)
                continue;
            const TKeplerianTrial trial = BestKeplerianAt(step.residuals, period);
            if (trial.elements.ecc >= ScanEccentricity)
                scans.push_back(trial);
        }
    if (step.control.Cancelled())
        return false;
    std::sort(scans.begin(), scans.end(),
              [](const auto& a, const auto& b) { return a.chiSquare < b.chiSquare; });
    // The jitters start at 0: from the large ones of a fit without the planet, the weights
    // of a spike's few measurements drown in the others'.
    TFitSettings fromScan = step.next;
    fromScan.startJitters_mps.clear();
    for (std::size_t k = 0; k < std::min(scans.size(), ScanFits); ++k)
        if (!step.candidates.Try(
                FitFrom(step.data, step.StartWith(scans[k].elements), fromScan,
                        step.control.Part(SearchShare +
                                              step.share * (step.sinePeaks + double(k) / ScanFits),
                                          step.share / ScanFits))))
            return false;
    return true;
}

// An eccentric orbit puts much of its signal into its second harmonic, and a planet may
// first be caught there (or at twice its period from an alias); each planet's period of the
// best fit is tried doubled and halved, the others kept, and a better fit replaces the best.
// A period beyond the run can run away to where the planet is a mere trend; it is tried at
// the run's length instead of doubled. False when cancelled.
bool TryHarmonicsOfBest(TSearchStep& step) {
    const TOrbitSolution solution = step.candidates.Best();
    const std::vector<TFittedPlanet>& fitted = solution.planets;
    const double span = observing::Span(step.data);
    std::vector<kepler::TRadialVelocityElements> elements;
    for (const TFittedPlanet& p : fitted)
        elements.push_back(p.elements);
    const double harmonicShare = (1.0 - SearchShare - PeaksShare) /
                                 static_cast<double>(fitted.size() * std::size(HarmonicFactors));
    double from = SearchShare + PeaksShare;
    for (std::size_t j = 0; j < fitted.size(); ++j)
        for (double factor : HarmonicFactors) {
            const TWorkControl part = step.control.Part(from, harmonicShare);
            from += harmonicShare;
            // A held period stays where the user put it.
            if (step.next.FixedOf(static_cast<int>(j)).period)
                continue;
            std::vector<kepler::TRadialVelocityElements> start = elements;
            start[j].period_days *= factor;
            if (factor > 1.0 && elements[j].period_days > span)
                start[j].period_days = span;
            // Only a period whose two harmonics explain what the others leave about as well as
            // the planet's own period does can hold a better fit; the others are not tried.
            const std::vector<TMeasurement> left = LeftForPlanet(step.data, solution, j);
            if (FitHarmonics(left, start[j].period_days).sumOfSquares >
                HarmonicSlack * FitHarmonics(left, elements[j].period_days).sumOfSquares)
                continue;
            if (!step.candidates.Try(FitFrom(step.data, start, step.next, part)))
                return false;
        }
    return true;
}

} // namespace

TPlanetSearch FitNextPlanet(std::span<const TMeasurement> data,
                            std::span<const kepler::TRadialVelocityElements> known,
                            double shortestPeriod_days, const TFitSettings& settings,
                            const TWorkControl& control) {
    TPlanetSearch search;
    if (!Prepare(data, known, shortestPeriod_days, settings, control, search))
        return search;
    const TFitSettings next = WithJittersOf(settings, search.before);
    TCandidates candidates(data, search);
    TSearchStep step{data, known, next, control, candidates, search};
    step.peaks = HighestPeaks(search.periodogram.power, ScanPeaks);
    step.residuals = SolutionResiduals(data, search.before);
    step.sinePeaks = std::min<std::size_t>(step.peaks.size(), PeaksTried);
    step.share = PeaksShare / static_cast<double>(step.sinePeaks + 1);

    if (!TrySinePeaks(step))
        return search;
    if (!TryEccentricScan(step)) {
        if (control.Cancelled())
            search.fit.outcome = TFitOutcome::Cancelled;
        return search;
    }
    if (!candidates.Any()) {
        Judge(search);
        return search;
    }
    if (!TryHarmonicsOfBest(step))
        return search;
    candidates.Conclude();
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
    TCandidates candidates(data, search);
    if (candidates.Try(FitOneMorePlanet(data, known, period_days,
                                        WithJittersOf(settings, search.before),
                                        control.Part(SearchShare, 1.0 - SearchShare))))
        candidates.Conclude();
    return search;
}

} // namespace fit
