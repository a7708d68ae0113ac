// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/fit/KeplerResiduals.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fit {

TKeplerResiduals::TKeplerResiduals(std::span<const TMeasurement> data, const TLayout& layout,
                                   double t0, double span, std::span<const double> jitters,
                                   std::vector<double> full, std::vector<int> free)
    : data_(data), layout_(layout), t0_(t0), span_(span), weight_(data.size()),
      full_(std::move(full)), free_(std::move(free)) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        const double s = jitters[data[i].instrument];
        weight_[i] = 1.0 / std::sqrt(data[i].error_mps * data[i].error_mps + s * s);
    }
}

std::vector<double> TKeplerResiduals::Full(std::span<const double> x) const {
    std::vector<double> full = full_;
    for (std::size_t c = 0; c < free_.size(); ++c)
        full[free_[c]] = x[c];
    return full;
}

double TKeplerResiduals::Velocity(std::span<const double> full,
                                  std::span<const TPlanetParameters> planets,
                                  std::span<const TOrbitShape> shapes, std::size_t i) const {
    double v = full[layout_.Offset(data_[i].instrument)];
    const double u = Scaled(i);
    double power = u;
    for (int order = 0; order < layout_.trend; ++order, power *= u)
        v += full[layout_.Trend(order)] * power;
    for (std::size_t j = 0; j < planets.size(); ++j)
        v += PlanetVelocity(planets[j], shapes[j], data_[i].t_days - t0_, nullptr);
    return v;
}

void TKeplerResiduals::Residuals(std::span<const double> x, std::span<double> r) const {
    const std::vector<double> full = Full(x);
    std::vector<TPlanetParameters> planets;
    if (!Unpack(full, planets)) {
        std::fill(r.begin(), r.end(), std::numeric_limits<double>::quiet_NaN());
        return;
    }
    const std::vector<TOrbitShape> shapes = ShapesOf(planets);
    for (std::size_t i = 0; i < data_.size(); ++i)
        r[i] = (data_[i].v_mps - Velocity(full, planets, shapes, i)) * weight_[i];
}

void TKeplerResiduals::Jacobian(std::span<const double> x, std::span<double> J) const {
    const std::vector<double> full = Full(x);
    std::vector<TPlanetParameters> planets;
    if (!Unpack(full, planets)) {
        std::fill(J.begin(), J.end(), 0.0);
        return;
    }
    std::vector<TSquash> squash(layout_.planets);
    for (int j = 0; j < layout_.planets; ++j)
        squash[j] = Squash(std::hypot(full[PerPlanet * j + 2], full[PerPlanet * j + 3]));
    std::vector<double> row(layout_.Size());
    const std::vector<TOrbitShape> shapes = ShapesOf(planets);
    double g[PerPlanet];
    const int n = ParameterCount();
    for (std::size_t i = 0; i < data_.size(); ++i) {
        const double w = -weight_[i];
        for (int j = 0; j < layout_.planets; ++j) {
            PlanetVelocity(planets[j], shapes[j], data_[i].t_days - t0_, g);
            const double fx = full[PerPlanet * j + 2], fy = full[PerPlanet * j + 3];
            const double c = squash[j].c, q = squash[j].slopeOverRho;
            double* cell = &row[PerPlanet * j];
            cell[0] = w * g[0] * planets[j].P;
            cell[1] = w * g[1];
            cell[2] = w * (g[2] * (c + q * fx * fx) + g[3] * q * fx * fy);
            cell[3] = w * (g[2] * q * fx * fy + g[3] * (c + q * fy * fy));
            cell[4] = w * g[4];
        }
        BaselineRow(i, w, row);
        for (int c = 0; c < n; ++c)
            J[i * n + c] = row[free_[c]];
    }
}

std::vector<double>
TKeplerResiduals::PhysicalJacobian(std::span<const TPlanetParameters> planets) const {
    const int n = ParameterCount();
    std::vector<double> J(data_.size() * n);
    std::vector<double> row(layout_.Size());
    const std::vector<TOrbitShape> shapes = ShapesOf(planets);
    for (std::size_t i = 0; i < data_.size(); ++i) {
        for (int j = 0; j < layout_.planets; ++j) {
            PlanetVelocity(planets[j], shapes[j], data_[i].t_days - t0_, &row[PerPlanet * j]);
            for (int c = 0; c < PerPlanet; ++c)
                row[PerPlanet * j + c] *= -weight_[i];
        }
        BaselineRow(i, -weight_[i], row);
        for (int c = 0; c < n; ++c)
            J[i * n + c] = row[free_[c]];
    }
    return J;
}

bool TKeplerResiduals::Unpack(std::span<const double> full,
                              std::vector<TPlanetParameters>& planets) const {
    for (double v : full)
        if (!std::isfinite(v))
            return false;
    // ln P beyond this range gives no period a measurement could tell.
    for (int j = 0; j < layout_.planets; ++j) {
        if (std::abs(full[PerPlanet * j]) > 40.0)
            return false;
        planets.push_back(FromFree(&full[PerPlanet * j]));
        if (!Usable(planets.back()))
            return false;
    }
    return true;
}

void TKeplerResiduals::BaselineRow(std::size_t i, double w, std::vector<double>& row) const {
    for (int j = 0; j < layout_.instruments; ++j)
        row[layout_.Offset(j)] = 0.0;
    row[layout_.Offset(data_[i].instrument)] = w;
    const double u = Scaled(i);
    double power = u;
    for (int order = 0; order < layout_.trend; ++order, power *= u)
        row[layout_.Trend(order)] = w * power;
}

std::vector<double> TKeplerResiduals::FreeGradient(std::span<const double> full) const {
    std::vector<double> g(free_.size());
    for (std::size_t c = 0; c < free_.size(); ++c)
        g[c] = full[free_[c]];
    return g;
}

} // namespace fit
