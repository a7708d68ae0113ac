// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What the orbit fit (OrbitFit.h) minimises: the whitened residuals
// r_i = (v_i - model_i) / sqrt(sigma_i^2 + s_j^2) of measurement i of instrument j, with
// model_i = offset_j + sum_k trend_k u_i^(k+1) + sum_planets v_planet(t_i), u_i the time
// since the reference time in spans of the data, and their Jacobian, of the minimiser's
// parameters: the free entries of the full vector (FitParameters.h), the others held at
// their values in it. Units: m/s, days.

#include "model/fit/FitParameters.h"
#include "model/fit/LeastSquares.h"

#include <span>
#include <vector>

namespace fit {

class TKeplerResiduals final : public TResidualFunction {
public:
    TKeplerResiduals(std::span<const TMeasurement> data, const TLayout& layout, double t0,
                     double span, std::span<const double> jitters, std::vector<double> full,
                     std::vector<int> free);

    int ParameterCount() const override { return static_cast<int>(free_.size()); }
    int ResidualCount() const override { return static_cast<int>(data_.size()); }
    void Residuals(std::span<const double> x, std::span<double> r) const override;
    void Jacobian(std::span<const double> x, std::span<double> J) const override;

    // The full vector with the minimiser's parameters x in the free entries.
    std::vector<double> Full(std::span<const double> x) const;

    // The model's velocity at measurement i: the instrument's offset, the trend and every
    // planet's velocity, of the full parameters, the planets unpacked from them and their
    // shapes.
    double Velocity(std::span<const double> full, std::span<const TPlanetParameters> planets,
                    std::span<const TOrbitShape> shapes, std::size_t i) const;

    // The Jacobian with respect to P, K, secosw, sesinw, lambda of each planet, the offsets
    // and the trend, in the free columns only: what the covariance is taken from.
    std::vector<double> PhysicalJacobian(std::span<const TPlanetParameters> planets) const;

    // A gradient over the full vector reduced to the free parameters.
    std::vector<double> FreeGradient(std::span<const double> full) const;

    // The planets of the full vector; false when it holds a value that is not finite or a
    // planet no fit can work with.
    bool Unpack(std::span<const double> full, std::vector<TPlanetParameters>& planets) const;

private:
    double Scaled(std::size_t i) const { return (data_[i].t_days - t0_) / span_; }
    void BaselineRow(std::size_t i, double w, std::vector<double>& row) const;

    std::span<const TMeasurement> data_;
    TLayout layout_;
    double t0_;
    double span_;
    std::vector<double> weight_;
    std::vector<double> full_;
    std::vector<int> free_;
};

} // namespace fit
