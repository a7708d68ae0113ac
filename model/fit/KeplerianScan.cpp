// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/KeplerianScan.h"

#include "model/orbit/Angles.h"
#include "model/fit/LeastSquares.h"

#include "Precondition.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace fit {

namespace {

// The shapes tried: a circle, and orbits up to the eccentricity of the most eccentric
// planets known (HD 80606 b, e = 0.93).
constexpr double Eccentricities[] = {0.0, 0.5, 0.75, 0.9, 0.95};
// A velocity spike lasts about (1 - e)^1.5 of an orbit; the times of periastron are spaced
// by two thirds of that, and by a twelfth of an orbit at most.
constexpr double StepsPerSpike = 1.5;
constexpr int FewestPhases = 12;

// cos nu and sin nu of each shape at TableSize mean anomalies over a turn, worked out once:
// the scan then looks its true anomalies up instead of solving Kepler's equation at every
// measurement of every trial. The nearest entry is a step of at most 0.05 rad in nu at
// e = 0.95, a coarse grid's own accuracy.
constexpr int TableSize = 1 << 14;

struct TAnomalyTable {
    std::vector<double> cosNu, sinNu;
};

const std::vector<TAnomalyTable>& AnomalyTables() {
    static const std::vector<TAnomalyTable> tables = [] {
        std::vector<TAnomalyTable> all;
        for (double e : Eccentricities) {
            TAnomalyTable table;
            const double beta = std::sqrt(1.0 - e * e);
            for (int k = 0; k < TableSize; ++k) {
                const kepler::TEccentricAnomaly E = kepler::SolveKepler(TwoPi * k / TableSize, e);
                const double den = 1.0 - e * E.cosE;
                table.cosNu.push_back((E.cosE - e) / den);
                table.sinNu.push_back(beta * E.sinE / den);
            }
            all.push_back(std::move(table));
        }
        return all;
    }();
    return tables;
}

int PhasesFor(double e) {
    if (e == 0.0)
        return 1; // a circle's phase is a's and b's to fit
    return std::max(FewestPhases,
                    static_cast<int>(std::ceil(StepsPerSpike / std::pow(1.0 - e, 1.5))));
}

} // namespace

TKeplerianTrial BestKeplerianAt(std::span<const observing::TMeasurement> data,
                                double period_days) {
    PRECONDITION(data.size() >= 3 && period_days > 0.0 && std::isfinite(period_days));
    const int m = static_cast<int>(data.size());
    std::vector<double> design(3 * data.size()), y(data.size());
    // Each measurement's phase since the first, in table entries.
    std::vector<int> phase(data.size());
    const double t0 = data.front().t_days;
    for (std::size_t i = 0; i < data.size(); ++i) {
        PRECONDITION(data[i].error_mps > 0.0);
        y[i] = data[i].v_mps / data[i].error_mps;
        const double turn = (data[i].t_days - t0) / period_days;
        phase[i] = static_cast<int>(std::lround((turn - std::floor(turn)) * TableSize)) % TableSize;
    }
    const std::vector<TAnomalyTable>& tables = AnomalyTables();
    TKeplerianTrial best;
    best.chiSquare = -1.0;
    for (std::size_t shape = 0; shape < std::size(Eccentricities); ++shape) {
        const double e = Eccentricities[shape];
        const TAnomalyTable& table = tables[shape];
        const int phases = PhasesFor(e);
        for (int k = 0; k < phases; ++k) {
            // The mean anomaly at the first measurement, on the table's steps.
            const int start = static_cast<int>(static_cast<long>(k) * TableSize / phases);
            const double M0 = TwoPi * start / TableSize;
            for (std::size_t i = 0; i < data.size(); ++i) {
                const int at = (start + phase[i]) % TableSize;
                const double w = 1.0 / data[i].error_mps;
                design[3 * i] = w;
                design[3 * i + 1] = w * table.cosNu[at];
                design[3 * i + 2] = w * table.sinNu[at];
            }
            const TLinearFit fit = LinearLeastSquares(design, y, m, 3);
            if (best.chiSquare >= 0.0 && !(fit.sumOfSquares < best.chiSquare))
                continue;
            const double a = fit.c[1], b = fit.c[2];
            best.chiSquare = fit.sumOfSquares;
            best.elements.period_days = period_days;
            best.elements.K_mps = std::hypot(a, b);
            best.elements.ecc = e;
            best.elements.omega_rad = std::atan2(-b, a);
            best.elements.tPeri_days = t0 - M0 / TwoPi * period_days;
        }
    }
    return best;
}

} // namespace fit
