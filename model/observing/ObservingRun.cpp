// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/observing/ObservingRun.h"

#include "Precondition.h"

#include "model/text/NumberWriting.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace observing {

namespace {

// The part of a night (days) within which a measurement falls: about eight and a half hours.
constexpr double NightLength_days = 0.35;

} // namespace

bool IsValid(const TObservingPlan& plan) {
    return plan.nights >= TObservingPlan::MinNights && plan.nights <= TObservingPlan::MaxNights &&
           plan.runLength_days >= TObservingPlan::MinRunLength_days &&
           plan.runLength_days <= TObservingPlan::MaxRunLength_days &&
           plan.precision_mps >= TObservingPlan::MinPrecision_mps &&
           plan.precision_mps <= TObservingPlan::MaxPrecision_mps && plan.jitter_mps >= 0.0 &&
           plan.jitter_mps <= TObservingPlan::MaxJitter_mps && plan.observableShare >= 0.05 &&
           plan.observableShare <= 1.0 && plan.weatherLoss >= 0.0 && plan.weatherLoss <= 0.95;
}

double TDeviates::Uniform() {
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

double TDeviates::Normal() {
    if (hasSpare_) {
        hasSpare_ = false;
        return spare_;
    }
    double u, v, s;
    do {
        u = 2.0 * Uniform() - 1.0;
        v = 2.0 * Uniform() - 1.0;
        s = u * u + v * v;
    } while (s >= 1.0 || s == 0.0);
    const double scale = std::sqrt(-2.0 * std::log(s) / s);
    spare_ = v * scale;
    hasSpare_ = true;
    return u * scale;
}

std::uint64_t TDeviates::Below(std::uint64_t n) {
    PRECONDITION(n > 0);
    // The largest multiple of n that fits; draws at or above it would favour small values.
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() -
                                std::numeric_limits<std::uint64_t>::max() % n;
    std::uint64_t x;
    do
        x = engine_();
    while (x >= limit);
    return x % n;
}

bool IsObservable(long night, double observableShare) {
    const double dayOfYear = std::fmod(static_cast<double>(night), Year_days);
    return dayOfYear < observableShare * Year_days;
}

std::vector<long> ClearNights(const TObservingPlan& plan, TDeviates& deviates) {
    PRECONDITION(IsValid(plan));
    std::vector<long> observable;
    const auto lastNight = static_cast<long>(std::ceil(plan.runLength_days)) - 1;
    for (long night = 0; night <= lastNight; ++night)
        if (IsObservable(night, plan.observableShare))
            observable.push_back(night);
    // A partial Fisher-Yates shuffle picks the planned nights without repeats.
    const std::size_t planned = std::min<std::size_t>(plan.nights, observable.size());
    for (std::size_t i = 0; i < planned; ++i)
        std::swap(observable[i], observable[i + deviates.Below(observable.size() - i)]);
    observable.resize(planned);
    std::sort(observable.begin(), observable.end());
    std::vector<long> clear;
    for (long night : observable)
        if (deviates.Uniform() >= plan.weatherLoss)
            clear.push_back(night);
    return clear;
}

std::vector<TMeasurement> Observe(const TObservingPlan& plan,
                                  std::span<const kepler::TRadialVelocityElements> planets) {
    TDeviates deviates(plan.seed);
    const std::vector<long> nights = ClearNights(plan, deviates);
    std::vector<TMeasurement> data;
    data.reserve(nights.size());
    for (long night : nights) {
        TMeasurement m;
        m.t_days = static_cast<double>(night) + NightLength_days * deviates.Uniform();
        const double noise = plan.precision_mps * deviates.Normal();
        const double jitter = plan.jitter_mps * deviates.Normal();
        m.v_mps = kepler::RadialVelocity_mps(planets, m.t_days) + noise + jitter;
        m.error_mps = plan.precision_mps;
        data.push_back(m);
    }
    return data;
}

TObservingPlan DefaultPlan(std::span<const kepler::TRadialVelocityElements> planets) {
    TObservingPlan plan;
    for (const kepler::TRadialVelocityElements& planet : planets)
        plan.runLength_days = std::max(plan.runLength_days, std::ceil(2.0 * planet.period_days));
    plan.runLength_days = std::min(plan.runLength_days, TObservingPlan::MaxRunLength_days);
    return plan;
}

bool CoversTwoCycles(const TObservingPlan& plan,
                     std::span<const kepler::TRadialVelocityElements> planets) {
    for (const kepler::TRadialVelocityElements& planet : planets)
        if (plan.runLength_days < 2.0 * planet.period_days)
            return false;
    return true;
}

TWording DescribePlan(const TObservingPlan& plan) {
    const auto g = [](double x) { return FiguresNumber(x, 6); };
    return TWording(Said("Observing run",
                         "Observing run: %1 nights over %2 days, precision %3 m/s, jitter %4 m/s, "
                         "observable %5 % of the year, %6 % of nights lost to weather, seed %7"))
        .Name(std::to_string(plan.nights))
        .Number(g(plan.runLength_days))
        .Number(g(plan.precision_mps))
        .Number(g(plan.jitter_mps))
        .Number(g(plan.observableShare * 100.0))
        .Number(g(plan.weatherLoss * 100.0))
        .Name(std::to_string(plan.seed));
}

} // namespace observing
