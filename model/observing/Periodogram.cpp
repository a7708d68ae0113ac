// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/Periodogram.h"
#include "model/orbit/Angles.h"

#include "Precondition.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <math.h>
#include <mutex>
#include <numbers>

#ifdef _OPENMP
#include <omp.h>
#endif

namespace observing {

namespace {

#ifdef _OPENMP
int ThreadNumber() { return omp_get_thread_num(); }
std::size_t Threads() { return static_cast<std::size_t>(omp_get_max_threads()); }
#else
int ThreadNumber() { return 0; }
std::size_t Threads() { return 1; }
#endif

// Frequencies between exact re-evaluations of the phases, which cost a remainder, a sine and
// a cosine per measurement: at 1024 frequencies a sixth of the work. The recurrence drifts
// by about one rounding per step of a lane, so 4096 frequencies, 1024 steps of each lane,
// keep the phases good to 1e-13. The blocks are also the share of work handed to one thread
// at a time, so a short grid takes smaller ones, enough for every thread to have several.
constexpr std::size_t LongestBlock = 4096;
constexpr std::size_t ShortestBlock = 1024;
constexpr std::size_t BlocksPerThread = 8;
// Measurement-frequency pairs between two looks at the work's control: well under a
// millisecond of work, so a Cancel is answered long before the 50 ms a user notices.
constexpr std::size_t PairsBetweenChecks = std::size_t{1} << 17;
// Below this many pairs the work is over before a second thread would have started.
constexpr std::size_t PairsWorthThreads = std::size_t{1} << 18;

// The weighted variance, in units of the largest speed squared, below which the velocities
// count as constant: a spread of 1e-12 of the largest speed is rounding, not signal.
constexpr double FlatVariance = 1e-24;

struct TWeighted {
    std::vector<double> t, w, y; // y about the weighted mean, w summing to 1
    std::vector<double> wy;      // w y, the weight the velocity sums take
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
        d.wy.push_back(d.w[k] * d.y.back());
        d.yy += d.wy[k] * d.y[k];
    }
    // Velocities that differ only by rounding are flat: what is left of them is noise of the
    // last bits, which any sine would fit as well as the next, and no signal.
    if (d.yy <= FlatVariance)
        d.yy = 0.0;
    return d;
}

// The power's numerator and its denominator D apart from the variance (eq. 4 to 13 of the
// paper, y centred), for one frequency or a vector of them.
template <typename T>
void PowerTerms(T C, T S, T YC, T YS, T CC, T CS, T& numerator, T& D) {
    const T SS = 1.0 - CC - S * S;
    CC -= C * C;
    CS -= C * S;
    D = CC * SS - CS * CS;
    numerator = SS * YC * YC + CC * YS * YS - 2.0 * CS * YC * YS;
}

double PowerOf(double yy, double numerator, double D) {
    if (!(D > 0.0) || !(yy > 0.0))
        return 0.0; // the sine and cosine are not independent here, or the data are flat
    const double power = numerator / (yy * D);
    return std::isfinite(power) ? std::clamp(power, 0.0, 1.0) : 0.0;
}

// The power from the weighted sums at one frequency.
double PowerFromSums(double yy, double C, double S, double YC, double YS, double CC,
                     double CS) {
    double numerator = 0.0, D = 0.0;
    PowerTerms(C, S, YC, YS, CC, CS, numerator, D);
    return PowerOf(yy, numerator, D);
}

// Four neighbouring frequencies are worked out side by side, one in each lane of a vector:
// the sums need no adding across lanes, and each measurement's weights are read once for
// all four.
constexpr std::size_t Lanes = 4;
using TLanes = double __attribute__((vector_size(Lanes * sizeof(double))));
// A template argument loses a vector type's attributes, and a build for the oldest x86-64
// aligns it to 16 bytes only where the AVX2 loop expects 32: a structure fixes both.
struct alignas(sizeof(TLanes)) TLanesOf {
    TLanes v;
};

// The turns of one grid step and of Lanes grid steps at each measurement's time, the same for
// every block.
struct TSteps {
    std::vector<double> c1, s1, cd, sd;

    TSteps(const TWeighted& d, const TFrequencyGrid& grid) {
        for (const double t : d.t) {
            // Phases reduced in cycles before the angle is formed keep large times exact.
            const double stepCycles = std::fmod(grid.step * t, 1.0);
            c1.push_back(std::cos(TwoPi * stepCycles));
            s1.push_back(std::sin(TwoPi * stepCycles));
            const double turnCycles = std::fmod(Lanes * stepCycles, 1.0);
            cd.push_back(std::cos(TwoPi * turnCycles));
            sd.push_back(std::sin(TwoPi * turnCycles));
        }
    }
};

// The cosines and sines of one thread's block for every measurement, at the next Lanes
// frequencies.
struct TPhases {
    std::vector<TLanesOf> c, s;

    explicit TPhases(std::size_t n) : c(n), s(n) {}

    void Start(const TWeighted& d, const TSteps& steps, const TFrequencyGrid& grid,
               std::size_t begin) {
        for (std::size_t k = 0; k < c.size(); ++k) {
            const double cycles = std::fmod(grid.At(begin) * d.t[k], 1.0);
            double cl = std::cos(TwoPi * cycles), sl = std::sin(TwoPi * cycles);
            for (std::size_t l = 0; l < Lanes; ++l) {
                c[k].v[l] = cl;
                s[k].v[l] = sl;
                const double next = cl * steps.c1[k] - sl * steps.s1[k];
                sl = sl * steps.c1[k] + cl * steps.s1[k];
                cl = next;
            }
        }
    }
};

// The sum over measurements is the whole cost: 18 floating-point operations a pair. The
// build targets every x86-64, so the loop is also compiled for processors with AVX2 and FMA
// (one instruction a vector), picked when the program loads. Not under the thread checker,
// whose instrumented picker would run before the checker is ready.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(__SANITIZE_THREAD__)
#define WIDEST_VECTORS __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define WIDEST_VECTORS
#endif

// Powers and optionally the window for the frequencies [begin, end), begin at the phases'
// frequencies; the phases advance past end to the next multiple of Lanes.
WIDEST_VECTORS void Sweep(const TWeighted& d, const TSteps& steps, TPhases& p,
                          std::size_t begin, std::size_t end, double* power, double* window) {
    const std::size_t n = d.t.size();
    const double* w = d.w.data();
    const double* wy = d.wy.data();
    TLanesOf* c = p.c.data();
    TLanesOf* s = p.s.data();
    const double* cd = steps.cd.data();
    const double* sd = steps.sd.data();
    for (std::size_t i = begin; i < end; i += Lanes) {
        TLanes C{}, S{}, YC{}, YS{}, CC{}, CS{};
        for (std::size_t k = 0; k < n; ++k) {
            const TLanes ck = c[k].v, sk = s[k].v;
            const TLanes wc = w[k] * ck;
            C += wc;
            S += w[k] * sk;
            YC += wy[k] * ck;
            YS += wy[k] * sk;
            CC += wc * ck;
            CS += wc * sk;
            c[k].v = ck * cd[k] - sk * sd[k];
            s[k].v = sk * cd[k] + ck * sd[k];
        }
        TLanes numerator, D;
        PowerTerms(C, S, YC, YS, CC, CS, numerator, D);
        for (std::size_t l = 0; l < Lanes && i + l < end; ++l) {
            power[i + l] = PowerOf(d.yy, numerator[l], D[l]);
            if (window)
                window[i + l] = C[l] * C[l] + S[l] * S[l];
        }
    }
}

// The blocks go to the threads one at a time. Only the calling thread talks to the control
// (a caller's progress function need not be safe to call from elsewhere): between its own
// pieces of work and, once its blocks are done, every millisecond until the others are, so
// that a stop is seen as soon as from a single thread. Every thread looks at the stop flag between pieces.
bool Run(std::span<const TMeasurement> data, const TFrequencyGrid& grid, double* power,
         double* window, const TWorkControl& control) {
    const TWeighted d = Weighted(data);
    const TSteps steps(d, grid);
    const std::size_t n = d.t.size();
    const std::size_t block =
        std::clamp(grid.count / (BlocksPerThread * Threads()), ShortestBlock, LongestBlock) /
        Lanes * Lanes;
    const std::size_t piece =
        std::clamp<std::size_t>(PairsBetweenChecks / n / Lanes, 1, block / Lanes) * Lanes;
    const std::size_t blocks = (grid.count + block - 1) / block;
    std::atomic<bool> stop{false};
    std::atomic<std::size_t> done{0};
    std::mutex waiting;
    std::condition_variable finished;
    std::exception_ptr failure;
    const auto ask = [&] {
        if (stop.load())
            return;
        try {
            control.Report(static_cast<double>(done.load()) / static_cast<double>(grid.count));
            if (control.Cancelled())
                stop.store(true);
        } catch (...) { // an exception must not leave a parallel region
            failure = std::current_exception();
            stop.store(true);
        }
    };
    const bool threads = blocks > 1 && n * grid.count >= PairsWorthThreads;
#pragma omp parallel if (threads)
    {
        const bool caller = ThreadNumber() == 0;
        TPhases phases(n);
#pragma omp for schedule(dynamic, 1) nowait
        for (std::size_t b = 0; b < blocks; ++b) {
            if (stop.load())
                continue;
            const std::size_t end = std::min(grid.count, (b + 1) * block);
            phases.Start(d, steps, grid, b * block);
            for (std::size_t i = b * block; i < end && !stop.load(); i += piece) {
                if (caller)
                    ask();
                const std::size_t last = std::min(end, i + piece);
                if (!stop.load())
                    Sweep(d, steps, phases, i, last, power, window);
                if (done.fetch_add(last - i) + (last - i) == grid.count) {
                    const std::lock_guard lock(waiting);
                    finished.notify_one();
                }
            }
        }
        if (caller) {
            std::unique_lock lock(waiting);
            const auto allDone = [&] { return done.load() == grid.count; };
            while (!stop.load() && !finished.wait_for(lock, std::chrono::milliseconds(1), allDone)) {
                lock.unlock();
                ask();
                lock.lock();
            }
        }
    }
    if (failure)
        std::rethrow_exception(failure);
    if (stop.load() || control.Cancelled())
        return false;
    control.Report(1.0);
    return true;
}

// ln Gamma(x) for x > 0. std::lgamma stores the sign in the global signgam, a data race when
// two threads work out false alarms at once; the reentrant form returns it instead.
double LogGamma(double x) {
    int sign = 0;
    return ::lgamma_r(x, &sign);
}

// sqrt(2 / n) Gamma(n / 2) / Gamma((n - 1) / 2), Baluev's gamma_n.
double GammaFactor(double n) {
    return std::sqrt(2.0 / n) * std::exp(LogGamma(0.5 * n) - LogGamma(0.5 * (n - 1.0)));
}

} // namespace

TFrequencyGrid GridFor(double span_days, double shortestPeriod_days, double oversampling) {
    PRECONDITION(span_days > 0.0 && shortestPeriod_days > 0.0);
    PRECONDITION(std::isfinite(1.0 / span_days) && std::isfinite(1.0 / shortestPeriod_days));
    PRECONDITION(oversampling >= TFrequencyGrid::MinOversampling && std::isfinite(oversampling));
    TFrequencyGrid grid;
    grid.first = 1.0 / span_days;
    const double last = std::max(grid.first, 1.0 / shortestPeriod_days);
    grid.step = 1.0 / (oversampling * span_days);
    // A hair of slack keeps the shortest period on the grid when it falls on a step. A step
    // too small to count in (a span of 1e300 days) widens like one giving too many.
    const double steps = std::floor((last - grid.first) / grid.step + 1e-9);
    if (!(steps + 1.0 <= static_cast<double>(TFrequencyGrid::MaxCount))) {
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
                           const TWorkControl& control) {
    std::vector<double> power(grid.count);
    if (!Run(data, grid, power.data(), nullptr, control))
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
    peak.found = peak.power > 0.0;
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
    // 1 - (1 - single) e^-tau, written so that a tiny probability is not lost to rounding
    // against 1.
    return std::clamp(single * std::exp(-tau) - std::expm1(-tau), 0.0, 1.0);
}

bool Compute(std::span<const TMeasurement> data, const TFrequencyGrid& grid, bool window,
             TPeriodogram& result, const TWorkControl& control) {
    PRECONDITION(grid.count > 0);
    TPeriodogram out;
    out.grid = grid;
    out.power.resize(grid.count);
    if (window)
        out.window.resize(grid.count);
    if (!Run(data, grid, out.power.data(), window ? out.window.data() : nullptr, control))
        return false;
    out.peak = HighestPeak(grid, out.power);
    out.falseAlarm = data.size() >= 4
                         ? FalseAlarmProbability(out.peak.power, grid.At(grid.count - 1), data)
                         : 1.0;
    result = std::move(out);
    return true;
}

} // namespace observing
