// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The orbits a fit's measurements allow, for one planet: histograms of K, e and m sin i
// above the pairs that trade off, K against e, P against K and omega against the time of
// periastron, each draw a dot. The fit's maximum is marked in red, the 68 % interval shaded.

#include "model/OrbitPosterior.h"
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
