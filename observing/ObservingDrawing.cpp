// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/ObservingDrawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace observingdrawing {

namespace {

const QColor Aqua(0, 255, 255);
const QColor PointColour(0, 0, 157);
const QColor TruthColour(200, 0, 0);
const QColor WindowColour(170, 170, 170);
const QColor OutsideColour(236, 236, 236);

// Room for the numbers and titles round the plot.
constexpr double LeftMargin = 58, RightMargin = 12, TopMargin = 10, BottomMargin = 40;

QFont AxisFont() {
    QFont font("Arial");
    font.setPixelSize(11);
    return font;
}

// Maps values to the plot rectangle, linear in y and linear or logarithmic in x.
struct TFrame {
    QRectF plot;
    double x0, x1, y0, y1;
    bool logX = false;

    double X(double x) const {
        const double a = logX ? std::log10(x) : x, lo = logX ? std::log10(x0) : x0,
                     hi = logX ? std::log10(x1) : x1;
        return plot.left() + (a - lo) / (hi - lo) * plot.width();
    }
    double Y(double y) const { return plot.bottom() - (y - y0) / (y1 - y0) * plot.height(); }
};

QString Number(double x, double step) {
    const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
    return QString::number(std::abs(x) < 1e-9 * step ? 0.0 : x, 'f', decimals);
}

// Frame, grid and numbers; y ticks linear, x ticks linear or at 1, 2, 5 per decade.
// Lines of one logical pixel on whole logical coordinates: drawn without antialiasing they
// cover whole device pixels at any pixel ratio, so the frame and grid stay crisp.
void DrawAxes(QPainter& p, const TFrame& f, const QString& xTitle, const QString& yTitle) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(AxisFont());
    const QFontMetricsF metrics(p.font());
    p.fillRect(f.plot, Qt::white);
    p.setPen(QPen(Aqua, 0));
    const double yStep = NiceStep(f.y1 - f.y0, 6);
    for (double y = std::ceil(f.y0 / yStep) * yStep; y <= f.y1 + 1e-9 * yStep; y += yStep) {
        p.setPen(QPen(Aqua, 1.0));
        p.drawLine(QPointF(f.plot.left(), f.Y(y)), QPointF(f.plot.right(), f.Y(y)));
        p.setPen(Qt::black);
        const QString text = Number(y, yStep);
        p.drawText(QPointF(f.plot.left() - 4 - metrics.horizontalAdvance(text),
                           f.Y(y) + metrics.ascent() / 2 - 1),
                   text);
    }
    const auto xTick = [&](double x, bool label, double step) {
        p.setPen(QPen(Aqua, 1.0));
        p.drawLine(QPointF(f.X(x), f.plot.top()), QPointF(f.X(x), f.plot.bottom()));
        if (!label)
            return;
        p.setPen(Qt::black);
        const QString text = Number(x, step);
        p.drawText(QPointF(f.X(x) - metrics.horizontalAdvance(text) / 2,
                           f.plot.bottom() + 3 + metrics.ascent()),
                   text);
    };
    if (f.logX) {
        for (int decade = static_cast<int>(std::floor(std::log10(f.x0)));
             decade <= static_cast<int>(std::ceil(std::log10(f.x1))); ++decade)
            for (int m : {1, 2, 5}) {
                const double x = m * std::pow(10.0, decade);
                // The grid may stop a hair short of a round shortest period.
                if (x >= f.x0 * (1 - 1e-2) && x <= f.x1 * (1 + 1e-9))
                    xTick(std::max(x, f.x0), true, std::pow(10.0, decade));
            }
    } else {
        const double xStep = NiceStep(f.x1 - f.x0, 8);
        for (double x = std::ceil(f.x0 / xStep) * xStep; x <= f.x1 + 1e-9 * xStep; x += xStep)
            xTick(x, true, xStep);
    }
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(f.plot);
    p.drawText(QRectF(f.plot.left(), f.plot.bottom() + 4 + metrics.height(), f.plot.width(),
                      metrics.height() + 2),
               Qt::AlignHCenter, xTitle);
    p.save();
    p.translate(f.plot.left() - LeftMargin + 2, f.plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-f.plot.height() / 2, 0, f.plot.height(), metrics.height() + 2),
               Qt::AlignHCenter, yTitle);
    p.restore();
}

// On whole logical pixels, so the frame is crisp.
QRectF PlotIn(const QRectF& area) {
    const QRectF plot = area.adjusted(LeftMargin, TopMargin, -RightMargin, -BottomMargin);
    return QRectF(QPointF(std::round(plot.left()), std::round(plot.top())),
                  QPointF(std::round(plot.right()), std::round(plot.bottom())));
}

// The velocity range of measurements with their error bars, widened by a tenth.
void VelocityRange(std::span<const observing::TMeasurement> data, double& lo, double& hi) {
    lo = 1e300;
    hi = -1e300;
    for (const observing::TMeasurement& m : data) {
        lo = std::min(lo, m.v_mps - m.error_mps);
        hi = std::max(hi, m.v_mps + m.error_mps);
    }
    const double pad = std::max(0.1 * (hi - lo), 1.0);
    lo -= pad;
    hi += pad;
}

void ErrorBar(QPainter& p, const TFrame& f, double x, double v, double error) {
    const double px = f.X(x);
    p.setPen(QPen(PointColour, 1.0));
    p.drawLine(QPointF(px, f.Y(v - error)), QPointF(px, f.Y(v + error)));
    p.drawLine(QPointF(px - 2.5, f.Y(v - error)), QPointF(px + 2.5, f.Y(v - error)));
    p.drawLine(QPointF(px - 2.5, f.Y(v + error)), QPointF(px + 2.5, f.Y(v + error)));
    p.setBrush(PointColour);
    p.drawEllipse(QPointF(px, f.Y(v)), 2.6, 2.6);
}

} // namespace

double NiceStep(double range, int count) {
    if (!(range > 0.0) || !std::isfinite(range))
        return 1.0;
    const double raw = range / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * power * 1.0000001)
            return m * power;
    return 10.0 * power;
}

QString PeakText(const observing::TPeak& peak) {
    const int decimals = peak.period_days < 10 ? 3 : peak.period_days < 100 ? 2 : 1;
    return QString::number(peak.period_days, 'f', decimals) + " days";
}

void DrawMessage(QPainter& p, const QRectF& area, const QString& message) {
    const QRectF plot = PlotIn(area);
    p.fillRect(plot, Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1.0));
    p.drawRect(plot);
    p.setFont(AxisFont());
    p.drawText(plot.adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, message);
}

void DrawData(QPainter& p, const QRectF& area, const TDataScene& scene) {
    if (scene.data.empty())
        return DrawMessage(p, area, "No measurements yet: plan a run and press Observe, or "
                                    "import a file.");
    TFrame f{PlotIn(area), 0, 1, 0, 1};
    f.x0 = scene.data.front().t_days;
    f.x1 = scene.data.back().t_days;
    const double pad = std::max(0.02 * (f.x1 - f.x0), 0.5);
    f.x0 -= pad;
    f.x1 += pad;
    VelocityRange(scene.data, f.y0, f.y1);
    const QString timeTitle =
        scene.timeOffset_days != 0.0
            ? QString("time since the first point, %1 (days)").arg(scene.timeOffset_days, 0, 'f', 4)
            : QString("time (days)");
    DrawAxes(p, f, timeTitle, scene.velocityTitle);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(f.plot);
    if (!scene.truth.empty()) {
        QPainterPath curve;
        const int samples = std::max(400, static_cast<int>(f.plot.width() * 2));
        for (int i = 0; i <= samples; ++i) {
            const double t = f.x0 + (f.x1 - f.x0) * i / samples;
            const QPointF point(f.X(t), f.Y(kepler::RadialVelocity_mps(scene.truth, t)));
            i == 0 ? curve.moveTo(point) : curve.lineTo(point);
        }
        p.setPen(QPen(scene.curveColour, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
    }
    for (const observing::TMeasurement& m : scene.data)
        ErrorBar(p, f, m.t_days, m.v_mps, m.error_mps);
    p.restore();
}

void DrawPeriodogram(QPainter& p, const QRectF& area, const TPeriodogramScene& scene) {
    const observing::TPeriodogram* pg = scene.periodogram;
    if (!pg || pg->power.empty())
        return DrawMessage(p, area, "The periodogram shows here once there are measurements.");
    const observing::TFrequencyGrid& grid = pg->grid;
    // Headroom above a power of 1 for the peak's marker and label.
    TFrame f{PlotIn(area), 1.0 / grid.At(grid.count - 1), 1.0 / grid.first, 0.0, 1.12, true};
    if (f.x1 <= f.x0)
        f.x1 = f.x0 * 1.01;
    DrawAxes(p, f, "period (days)", "power");
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(f.plot);
    // Many frequencies fall on one pixel column; each column shows its highest value.
    const auto trace = [&](const std::vector<double>& values, const QColor& colour) {
        const int columns = std::max(1, static_cast<int>(std::ceil(f.plot.width())));
        std::vector<double> top(static_cast<std::size_t>(columns) + 1, -1.0);
        for (std::size_t i = 0; i < grid.count; ++i) {
            const double x = f.X(1.0 / grid.At(i)) - f.plot.left();
            const auto column = static_cast<std::size_t>(std::clamp(x, 0.0, double(columns)));
            top[column] = std::max(top[column], values[i]);
        }
        QPainterPath path;
        bool started = false;
        for (std::size_t c = 0; c < top.size(); ++c) {
            if (top[c] < 0.0)
                continue;
            const QPointF point(f.plot.left() + double(c), f.Y(top[c]));
            started ? path.lineTo(point) : path.moveTo(point);
            started = true;
        }
        p.setPen(QPen(colour, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    };
    if (scene.showWindow && pg->window.size() == grid.count)
        trace(pg->window, WindowColour);
    trace(pg->power, PointColour);
    const double px = f.X(pg->peak.period_days), py = f.Y(pg->peak.power);
    p.setPen(QPen(TruthColour, 1.5));
    p.setBrush(TruthColour);
    const QPointF marker[] = {{px, py - 3}, {px - 5, py - 12}, {px + 5, py - 12}};
    p.drawPolygon(marker, 3);
    p.setFont(AxisFont());
    const QString label = PeakText(pg->peak);
    const double width = QFontMetricsF(p.font()).horizontalAdvance(label);
    // Beside the marker, on the side with room.
    const double x = px + 8 + width < f.plot.right() ? px + 8 : px - 8 - width;
    p.drawText(QPointF(x, py - 4), label);
    p.restore();
}

void DrawFold(QPainter& p, const QRectF& area, const TFoldScene& scene) {
    if (scene.points.empty())
        return DrawMessage(p, area, "The measurements fold here on the trial period.");
    TFrame f{PlotIn(area), -observing::FoldMargin, 1.0 + observing::FoldMargin, 0, 1};
    f.y0 = 1e300;
    f.y1 = -1e300;
    for (const observing::TFoldedPoint& m : scene.points) {
        f.y0 = std::min(f.y0, m.v_mps - m.error_mps);
        f.y1 = std::max(f.y1, m.v_mps + m.error_mps);
    }
    const double pad = std::max(0.1 * (f.y1 - f.y0), 1.0);
    f.y0 -= pad;
    f.y1 += pad;
    DrawAxes(p, f, QString("phase at a period of %1 days").arg(scene.period_days, 0, 'g', 6),
             "radial velocity (m/s)");
    p.save();
    p.setClipRect(f.plot);
    p.setRenderHint(QPainter::Antialiasing);
    // The repeated ends are shaded so the wrap is seen.
    p.fillRect(QRectF(QPointF(f.X(f.x0), f.plot.top()), QPointF(f.X(0.0), f.plot.bottom())),
               OutsideColour);
    p.fillRect(QRectF(QPointF(f.X(1.0), f.plot.top()), QPointF(f.X(f.x1), f.plot.bottom())),
               OutsideColour);
    for (const observing::TFoldedPoint& m : scene.points)
        ErrorBar(p, f, m.phase, m.v_mps, m.error_mps);
    p.restore();
    // The frame again, over the shading.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(f.plot);
}

} // namespace observingdrawing
