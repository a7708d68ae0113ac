// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/Periodogram.h"
#include "model/Angles.h"

#include "Precondition.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace observing {

namespace {

// Frequencies between exact re-evaluations of the phases; the recurrence drifts by about
// one rounding per step, so 1024 steps keep the phases good to 1e-13.
constexpr std::size_t Block = 1024;

struct TWeighted {
    std::vector<double> t, w, y; // y about the weighted mean, w summing to 1
    double yy = 0.0;             // weighted variance of y
};

bool Usable(std::span<const TMeasurement> data) {
    if (data.size() < 3)
        return false;
    return std::all_of(data.begin(), data.end(), [](const TMeasurement& m) {
        return std::isfinite(m.t_days) && std::isfinite(m.v_mps) && m.error_mps > 0.0 &&
               std::isfinite(m.error_mps);
    });
}

TWeighted Weighted(std::span<const TMeasurement> data) {
    PRECONDITION(Usable(data));
    // The power is unchanged by scaling the weights or the velocities, so both are scaled to
    // at most 1 first: no error or velocity a file may hold can overflow the sums.
    double smallestError = data[0].error_mps, largestSpeed = 0.0;
    for (const TMeasurement& m : data) {
        smallestError = std::min(smallestError, m.error_mps);
        largestSpeed = std::max(largestSpeed, std::abs(m.v_mps));
    }
    const double speedScale = largestSpeed > 0.0 ? 1.0 / largestSpeed : 1.0;
    TWeighted d;
    double sum = 0.0;
    for (const TMeasurement& m : data) {
        d.t.push_back(m.t_days);
        const double ratio = smallestError / m.error_mps;
        d.w.push_back(ratio * ratio);
        sum += d.w.back();
    }
    double mean = 0.0;
    for (std::size_t k = 0; k < data.size(); ++k) {
        d.w[k] /= sum;
        mean += d.w[k] * data[k].v_mps * speedScale;
    }
    for (std::size_t k = 0; k < data.size(); ++k) {
        d.y.push_back(data[k].v_mps * speedScale - mean);
        d.yy += d.w[k] * d.y[k] * d.y[k];
    }
    return d;
}

// The power from the weighted sums at one frequency (eq. 4 to 13 of the paper, y centred).
double PowerFromSums(double yy, double C, double S, double YC, double YS, double CC,
                     double CS) {
    const double SS = 1.0 - CC - S * S;
    CC -= C * C;
    CS -= C * S;
    const double D = CC * SS - CS * CS;
    if (!(D > 0.0) || !(yy > 0.0))
        return 0.0; // the sine and cosine are not independent here, or the data are flat
    const double power = (SS * YC * YC + CC * YS * YS - 2.0 * CS * YC * YS) / (yy * D);
    return std::isfinite(power) ? std::clamp(power, 0.0, 1.0) : 0.0;
}

// Powers and optionally the window for the frequencies [begin, end) of the grid.
void Sweep(const TWeighted& d, const TFrequencyGrid& grid, std::size_t begin, std::size_t end,
           double* power, double* window) {
    const std::size_t n = d.t.size();
    std::vector<double> c(n), s(n), cd(n), sd(n);
    for (std::size_t k = 0; k < n; ++k) {
        // Phases reduced in cycles before the angle is formed keep large times exact.
        const double cycles = std::fmod(grid.At(begin) * d.t[k], 1.0);
        c[k] = std::cos(TwoPi * cycles);
        s[k] = std::sin(TwoPi * cycles);
        const double stepCycles = std::fmod(grid.step * d.t[k], 1.0);
        cd[k] = std::cos(TwoPi * stepCycles);
        sd[k] = std::sin(TwoPi * stepCycles);
    }
    for (std::size_t i = begin; i < end; ++i) {
        double C = 0.0, S = 0.0, YC = 0.0, YS = 0.0, CC = 0.0, CS = 0.0;
        for (std::size_t k = 0; k < n; ++k) {
            const double wc = d.w[k] * c[k];
            const double ws = d.w[k] * s[k];
            C += wc;
            S += ws;
            YC += wc * d.y[k];
            YS += ws * d.y[k];
            CC += wc * c[k];
            CS += wc * s[k];
            const double next = c[k] * cd[k] - s[k] * sd[k];
            s[k] = s[k] * cd[k] + c[k] * sd[k];
            c[k] = next;
        }
        power[i] = PowerFromSums(d.yy, C, S, YC, YS, CC, CS);
        if (window)
            window[i] = C * C + S * S;
    }
}

bool Run(std::span<const TMeasurement> data, const TFrequencyGrid& grid, double* power,
         double* window, const TProgress& progress) {
    const TWeighted d = Weighted(data);
    for (std::size_t begin = 0; begin < grid.count; begin += Block) {
        if (progress && !progress(static_cast<double>(begin) / static_cast<double>(grid.count)))
            return false;
        Sweep(d, grid, begin, std::min(grid.count, begin + Block), power, window);
    }
    return !progress || progress(1.0);
}

// sqrt(2 / n) Gamma(n / 2) / Gamma((n - 1) / 2), Baluev's gamma_n.
double GammaFactor(double n) {
    return std::sqrt(2.0 / n) * std::exp(std::lgamma(0.5 * n) - std::lgamma(0.5 * (n - 1.0)));
}

} // namespace

TFrequencyGrid GridFor(double span_days, double shortestPeriod_days, double oversampling) {
    PRECONDITION(span_days > 0.0 && shortestPeriod_days > 0.0);
    PRECONDITION(oversampling >= TFrequencyGrid::MinOversampling);
    TFrequencyGrid grid;
    grid.first = 1.0 / span_days;
    const double last = std::max(grid.first, 1.0 / shortestPeriod_days);
    grid.step = 1.0 / (oversampling * span_days);
    // A hair of slack keeps the shortest period on the grid when it falls on a step.
    const double steps = std::floor((last - grid.first) / grid.step + 1e-9);
    if (steps + 1.0 > static_cast<double>(TFrequencyGrid::MaxCount)) {
        grid.step = (last - grid.first) / static_cast<double>(TFrequencyGrid::MaxCount - 1);
        grid.count = TFrequencyGrid::MaxCount;
    } else {
        grid.count = static_cast<std::size_t>(steps) + 1;
    }
    return grid;
}

double Span(std::span<const TMeasurement> data) {
    if (data.empty())
        return 0.0;
    const auto [lo, hi] = std::minmax_element(
        data.begin(), data.end(),
        [](const TMeasurement& a, const TMeasurement& b) { return a.t_days < b.t_days; });
    return hi->t_days - lo->t_days;
}

std::vector<double> Powers(std::span<const TMeasurement> data, const TFrequencyGrid& grid,
                           const TProgress& progress) {
    std::vector<double> power(grid.count);
    if (!Run(data, grid, power.data(), nullptr, progress))
        return {};
    return power;
}

double PowerAt(std::span<const TMeasurement> data, double frequency) {
    const TWeighted d = Weighted(data);
    double C = 0.0, S = 0.0, YC = 0.0, YS = 0.0, CC = 0.0, CS = 0.0;
    for (std::size_t k = 0; k < d.t.size(); ++k) {
        const double angle = TwoPi * std::fmod(frequency * d.t[k], 1.0);
        const double c = std::cos(angle), s = std::sin(angle);
        C += d.w[k] * c;
        S += d.w[k] * s;
        YC += d.w[k] * d.y[k] * c;
        YS += d.w[k] * d.y[k] * s;
        CC += d.w[k] * c * c;
        CS += d.w[k] * c * s;
    }
    return PowerFromSums(d.yy, C, S, YC, YS, CC, CS);
}

std::vector<double> Window(std::span<const TMeasurement> data, const TFrequencyGrid& grid) {
    std::vector<double> power(grid.count), window(grid.count);
    Run(data, grid, power.data(), window.data(), {});
    return window;
}

TPeak HighestPeak(const TFrequencyGrid& grid, std::span<const double> power) {
    PRECONDITION(!power.empty() && power.size() == grid.count);
    TPeak peak;
    peak.index = static_cast<std::size_t>(std::max_element(power.begin(), power.end()) -
                                          power.begin());
    peak.power = power[peak.index];
    double offset = 0.0;
    if (peak.index > 0 && peak.index + 1 < power.size()) {
        const double before = power[peak.index - 1], after = power[peak.index + 1];
        const double curvature = before - 2.0 * peak.power + after;
        if (curvature < 0.0)
            offset = std::clamp(0.5 * (before - after) / curvature, -0.5, 0.5);
    }
    peak.frequency = grid.At(peak.index) + offset * grid.step;
    peak.period_days = 1.0 / peak.frequency;
    return peak;
}

double FalseAlarmProbability(double power, double maxFrequency,
                             std::span<const TMeasurement> data) {
    PRECONDITION(data.size() >= 4 && maxFrequency > 0.0);
    const TWeighted d = Weighted(data);
    const double z = std::clamp(power, 0.0, 1.0);
    const double n = static_cast<double>(data.size());
    const double nH = n - 1.0, nK = n - 3.0;
    double mean = 0.0;
    for (std::size_t k = 0; k < d.t.size(); ++k)
        mean += d.w[k] * d.t[k];
    double variance = 0.0;
    for (std::size_t k = 0; k < d.t.size(); ++k)
        variance += d.w[k] * (d.t[k] - mean) * (d.t[k] - mean);
    const double effectiveSpan = std::sqrt(4.0 * std::numbers::pi * variance);
    const double single = std::pow(1.0 - z, 0.5 * nK);
    const double tau = GammaFactor(nH) * maxFrequency * effectiveSpan *
                       std::pow(1.0 - z, 0.5 * (nK - 1.0)) * std::sqrt(0.5 * nH * z);
    return std::clamp(1.0 - (1.0 - single) * std::exp(-tau), 0.0, 1.0);
}

bool Compute(std::span<const TMeasurement> data, const TFrequencyGrid& grid, bool window,
             TPeriodogram& result, const TProgress& progress) {
    PRECONDITION(grid.count > 0);
    TPeriodogram out;
    out.grid = grid;
    out.power.resize(grid.count);
    if (window)
        out.window.resize(grid.count);
    if (!Run(data, grid, out.power.data(), window ? out.window.data() : nullptr, progress))
        return false;
    out.peak = HighestPeak(grid, out.power);
    out.falseAlarm = data.size() >= 4
                         ? FalseAlarmProbability(out.peak.power, grid.At(grid.count - 1), data)
                         : 1.0;
    result = std::move(out);
    return true;
}

} // namespace observing
