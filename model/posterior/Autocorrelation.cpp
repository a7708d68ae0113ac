// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/posterior/Autocorrelation.h"

#include "Precondition.h"

#include <unsupported/Eigen/FFT>

#include <complex>
#include <numeric>

namespace posterior {

namespace {

// rho(t) for t = 0 .. n - 1 of one series, by the transform of the series padded with zeros
// to a power of two at least twice its length, so the circular correlation is the linear one.
std::vector<double> AutocorrelationFunction(const std::vector<double>& x, Eigen::FFT<double>& fft) {
    const std::size_t n = x.size();
    std::size_t padded = 1;
    while (padded < 2 * n)
        padded *= 2;
    const double mean = std::accumulate(x.begin(), x.end(), 0.0) / double(n);
    std::vector<double> centred(padded, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        centred[i] = x[i] - mean;
    std::vector<std::complex<double>> spectrum;
    fft.fwd(spectrum, centred);
    for (std::complex<double>& c : spectrum)
        c = std::norm(c);
    std::vector<double> covariance;
    fft.inv(covariance, spectrum);
    std::vector<double> rho(n, 0.0);
    if (covariance[0] <= 0.0)
        return rho; // a series that never moves correlates with nothing
    for (std::size_t t = 0; t < n; ++t)
        rho[t] = covariance[t] / covariance[0];
    return rho;
}

} // namespace

double IntegratedAutocorrelationTime(std::span<const std::vector<double>> series) {
    PRECONDITION(!series.empty() && series[0].size() >= 2);
    const std::size_t n = series[0].size();
    Eigen::FFT<double> fft;
    std::vector<double> mean(n, 0.0);
    for (const std::vector<double>& walker : series) {
        PRECONDITION(walker.size() == n);
        const std::vector<double> rho = AutocorrelationFunction(walker, fft);
        for (std::size_t t = 0; t < n; ++t)
            mean[t] += rho[t] / double(series.size());
    }
    if (mean[0] == 0.0)
        return 1.0;
    double tau = 1.0;
    for (std::size_t m = 1; m < n; ++m) {
        tau += 2.0 * mean[m];
        if (double(m) >= SokalWindow * tau)
            return tau;
    }
    return tau; // the window did not close: the chain is too short to say more
}

} // namespace posterior
