// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The orbits a fit's measurements allow, for one planet: histograms of K, e and m sin i
// above the pairs that trade off, K against e, P against K and omega against the time of
// periastron, each draw a dot. The fit's maximum is marked in red, the 68 % interval shaded.
// And the histogram of one value alone (TPosteriorHistogram), over a range its caller gives,
// with the fit's value and its sigma beside the draws.

#include "model/posterior/OrbitPosterior.h"
#include "observing/TObservingPlot.h"

class TPosteriorPlot : public TObservingPlot {
public:
    explicit TPosteriorPlot(QWidget* parent = nullptr);

    // The draws of one planet and the fit's values to mark; an empty set clears the plot.
    void SetPlanet(const posterior::TPosteriorSummary::TPairs& draws,
                   const posterior::TPlanetPosterior& intervals, const fit::TFittedPlanet& fitted);
    // What the plot shows, in words, for a reader who cannot see it.
    QString Description() const;

protected:
    void Draw(QPainter& p, const QRectF& area) const override;

private:
    posterior::TPosteriorSummary::TPairs draws_;
    posterior::TPlanetPosterior intervals_;
    fit::TFittedPlanet fitted_;
};

class TPosteriorHistogram : public TObservingPlot {
public:
    explicit TPosteriorHistogram(QWidget* parent = nullptr);

    // The draws of one value, their median and 68 % interval, and the fit's value and sigma
    // (a sigma of 0 or infinity draws none), over lo to hi with `title` under the axis. No
    // draws clear the plot.
    void SetDraws(std::vector<double> draws, const posterior::TInterval& interval, double fitted,
                  double sigma, double lo, double hi, const QString& title);
    const std::vector<double>& Draws() const { return draws_; }
    // What the plot shows, in words, for a reader who cannot see it.
    QString Description() const;

protected:
    void Draw(QPainter& p, const QRectF& area) const override;

private:
    std::vector<double> draws_;
    posterior::TInterval interval_;
    double fitted_ = 0.0, sigma_ = 0.0, lo_ = 0.0, hi_ = 1.0;
    QString title_;
};
