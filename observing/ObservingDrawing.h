// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The observing run's three pictures, drawn with a painter into a rectangle so the same code
// paints the window at any pixel ratio and the printed page: the measurements against time
// with their error bars and, if asked, the true curve; the periodogram against period on a
// logarithmic axis, its highest peak marked and the window function behind it if asked; and
// the measurements folded on a trial period from phase -0.2 to 1.2. Measurements of several
// instruments are marked with a symbol and colour each and named in a legend. Axes in the style of the
// book's graphs: white plot, black frame, aqua grid lines, numbers in Arial.

#include "model/orbit/Kepler.h"
#include "model/observing/Periodogram.h"
#include "model/observing/PhaseFold.h"

#include "BookText.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <span>
#include <string>
#include <vector>

class QPainter;

namespace observingdrawing {

struct TDataScene {
    std::span<const observing::TMeasurement> data;
    std::span<const kepler::TRadialVelocityElements> truth; // none: no curve
    double timeOffset_days = 0.0;                            // shown in the time axis title
    QString velocityTitle = BookText("Observing plots", "radial velocity (m/s)");
    QColor curveColour = QColor(200, 0, 0);
    // With two or more, each instrument's points have a symbol of their own and a legend
    // names them.
    std::span<const std::string> instruments;
    // Above 0: each point at its phase, (t - foldEpoch_days) / foldPeriod_days less its whole
    // orbits, from 0 to 1, so that a curve of that period shows as one orbit.
    double foldPeriod_days = 0.0;
    double foldEpoch_days = 0.0;
    QString timeTitle; // the time axis's when set, instead of the time's own
};

struct TPeriodogramScene {
    const observing::TPeriodogram* periodogram = nullptr; // none: the axes alone
    bool showWindow = false;
};

struct TFoldScene {
    std::span<const observing::TFoldedPoint> points;
    double period_days = 1.0;
    std::span<const observing::TMeasurement> measurements; // the points' instruments, by index
    std::span<const std::string> instruments;              // as in TDataScene
    QString velocityTitle =
        BookText("Observing plots", "radial velocity (m/s)"); // what the points' values are
};

void DrawData(QPainter& p, const QRectF& area, const TDataScene& scene);
void DrawPeriodogram(QPainter& p, const QRectF& area, const TPeriodogramScene& scene);
void DrawFold(QPainter& p, const QRectF& area, const TFoldScene& scene);
// A plot area with a message in it, when there is nothing to draw yet.
void DrawMessage(QPainter& p, const QRectF& area, const QString& message);

// The multiples of step from lo to hi, ascending and distinct; none when they would be more
// than a plot can show or the range is not finite.
std::vector<double> LinearTicks(double lo, double hi, double step);
// Round steps of 1, 2 or 5 times a power of ten giving about `count` divisions of the range.
double NiceStep(double range, int count);
// The period and power of the highest peak as the plot labels it.
QString PeakText(const observing::TPeak& peak);

} // namespace observingdrawing
