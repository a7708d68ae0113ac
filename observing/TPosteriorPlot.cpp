// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TPosteriorPlot.h"

#include "BookText.h"
#include "NumberText.h"
#include "observing/ObservingDrawing.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QColor Aqua(0, 200, 200);
const QColor Dot(20, 60, 160, 60);
const QColor Shade(120, 200, 255, 90);
const QColor Best(200, 0, 0);
constexpr int Bins = 30;
// Dots beyond this many would only darken the same places, at a cost in drawing.
constexpr std::size_t MostDots = 4000;

struct TRange {
    double lo, hi;
};

// The range the draws and the fit's value cover, widened a little so nothing sits on the frame.
TRange RangeOf(const std::vector<double>& x, double fitted) {
    double lo = fitted, hi = fitted;
    for (double v : x) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    const double pad = hi > lo ? 0.04 * (hi - lo) : std::max(1e-9, 0.01 * std::abs(lo) + 1e-9);
    return {lo - pad, hi + pad};
}

QString Tick(double x, double step) {
    const int decimals = step >= 1.0 ? 0 : std::min(6, int(std::ceil(-std::log10(step))));
    return FixedText(x, decimals);
}

// A panel's frame, its x ticks and title; y ticks when asked.
void Frame(QPainter& p, const QRectF& plot, TRange x, TRange y, const QString& xTitle,
           const QString& yTitle) {
    const QFontMetricsF metrics(p.font());
    p.setPen(QPen(Aqua, 1.0));
    const double xStep = observingdrawing::NiceStep(x.hi - x.lo, 4);
    for (const double t : observingdrawing::LinearTicks(x.lo, x.hi, xStep)) {
        const double px = plot.left() + (t - x.lo) / (x.hi - x.lo) * plot.width();
        p.setPen(QPen(Aqua, 1.0));
        p.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
        p.setPen(Qt::black);
        const QString text = Tick(t, xStep);
        p.drawText(QPointF(px - metrics.horizontalAdvance(text) / 2, plot.bottom() + metrics.ascent() + 2), text);
    }
    if (!yTitle.isEmpty()) {
        const double yStep = observingdrawing::NiceStep(y.hi - y.lo, 4);
        for (const double t : observingdrawing::LinearTicks(y.lo, y.hi, yStep)) {
            const double py = plot.bottom() - (t - y.lo) / (y.hi - y.lo) * plot.height();
            p.setPen(QPen(Aqua, 1.0));
            p.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
            p.setPen(Qt::black);
            const QString text = Tick(t, yStep);
            p.drawText(QPointF(plot.left() - 3 - metrics.horizontalAdvance(text), py + metrics.ascent() / 2 - 1), text);
        }
        p.save();
        p.translate(plot.left() - 40, plot.center().y());
        p.rotate(-90);
        p.drawText(QRectF(-plot.height() / 2, -metrics.height(), plot.height(), metrics.height() + 2),
                   Qt::AlignHCenter, yTitle);
        p.restore();
    }
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    p.drawText(QRectF(plot.left(), plot.bottom() + metrics.height() + 3, plot.width(), metrics.height() + 2),
               Qt::AlignHCenter, xTitle);
}

// The draws' histogram over r, their 68 % interval shaded and median dashed, and the fit's
// value in red; with a sigma, the fit's value ± sigma as a red bar above the bins.
void Histogram(QPainter& p, const QRectF& plot, const std::vector<double>& x,
               const posterior::TInterval& interval, double fitted, const QString& title,
               TRange r, double sigma = 0.0) {
    std::vector<int> counts(Bins, 0);
    for (double v : x)
        ++counts[std::size_t(std::clamp(int((v - r.lo) / (r.hi - r.lo) * Bins), 0, Bins - 1))];
    const int most = std::max(1, *std::max_element(counts.begin(), counts.end()));
    const auto X = [&](double v) {
        return plot.left() + (std::clamp(v, r.lo, r.hi) - r.lo) / (r.hi - r.lo) * plot.width();
    };
    p.fillRect(QRectF(QPointF(X(interval.low), plot.top()), QPointF(X(interval.high), plot.bottom())), Shade);
    p.setPen(QPen(QColor(20, 60, 160), 1.0));
    p.setBrush(QColor(20, 60, 160, 150));
    const double width = plot.width() / Bins;
    for (int b = 0; b < Bins; ++b) {
        const double h = plot.height() * 0.92 * counts[std::size_t(b)] / most;
        p.drawRect(QRectF(plot.left() + b * width, plot.bottom() - h, width, h));
    }
    p.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
    p.drawLine(QPointF(X(interval.median), plot.top()), QPointF(X(interval.median), plot.bottom()));
    p.setPen(QPen(Best, 2.0));
    p.drawLine(QPointF(X(fitted), plot.top()), QPointF(X(fitted), plot.bottom()));
    if (sigma > 0.0 && std::isfinite(sigma)) {
        const double y = plot.top() + 0.04 * plot.height();
        const double from = X(fitted - sigma), to = X(fitted + sigma);
        p.drawLine(QPointF(from, y), QPointF(to, y));
        p.drawLine(QPointF(from, y - 4), QPointF(from, y + 4));
        p.drawLine(QPointF(to, y - 4), QPointF(to, y + 4));
    }
    Frame(p, plot, r, r, title, {});
}

void Pairs(QPainter& p, const QRectF& plot, const std::vector<double>& x, const std::vector<double>& y,
           double fx, double fy, const QString& xTitle, const QString& yTitle) {
    const TRange rx = RangeOf(x, fx), ry = RangeOf(y, fy);
    const auto at = [&](double a, double b) {
        return QPointF(plot.left() + (a - rx.lo) / (rx.hi - rx.lo) * plot.width(),
                       plot.bottom() - (b - ry.lo) / (ry.hi - ry.lo) * plot.height());
    };
    Frame(p, plot, rx, ry, xTitle, yTitle);
    p.setPen(Qt::NoPen);
    p.setBrush(Dot);
    const std::size_t stride = std::max<std::size_t>(1, x.size() / MostDots);
    for (std::size_t i = 0; i < x.size(); i += stride)
        p.drawEllipse(at(x[i], y[i]), 1.6, 1.6);
    p.setPen(QPen(Best, 2.0));
    const QPointF best = at(fx, fy);
    p.drawLine(best - QPointF(5, 0), best + QPointF(5, 0));
    p.drawLine(best - QPointF(0, 5), best + QPointF(0, 5));
}

std::vector<double> Degrees(const std::vector<double>& radians) {
    std::vector<double> out;
    out.reserve(radians.size());
    for (double r : radians)
        out.push_back(r * 180.0 / std::numbers::pi);
    return out;
}

} // namespace

TPosteriorPlot::TPosteriorPlot(QWidget* parent) : TObservingPlot(parent) {}

void TPosteriorPlot::SetPlanet(const posterior::TPosteriorSummary::TPairs& draws,
                               const posterior::TPlanetPosterior& intervals,
                               const fit::TFittedPlanet& fitted) {
    draws_ = draws;
    intervals_ = intervals;
    fitted_ = fitted;
    setAccessibleDescription(Description());
    update();
}

QString TPosteriorPlot::Description() const {
    if (draws_.K_mps.empty())
        return BookText("How sure", "No orbits drawn yet.");
    return BookText("How sure",
                    "%n orbits that fit the measurements. K from %1 to %2 m/s, e from "
                    "%3 to %4 (68 % of them); the best fit has K %5 m/s and e %6.",
                    nullptr, static_cast<int>(draws_.K_mps.size()))
        .arg(FiguresText(intervals_.K_mps.low, 3), FiguresText(intervals_.K_mps.high, 3),
             FixedText(intervals_.ecc.low, 3), FixedText(intervals_.ecc.high, 3),
             FiguresText(fitted_.elements.K_mps, 3), FixedText(fitted_.elements.ecc, 3));
}

void TPosteriorPlot::Draw(QPainter& p, const QRectF& area) const {
    p.fillRect(area, Qt::white);
    if (draws_.K_mps.empty())
        return;
    QFont font("Arial");
    font.setPixelSize(10);
    p.setFont(font);
    const double left = 50, gap = 52, bottom = 34, top = 8;
    const double w = (area.width() - left - 2 * gap - 8) / 3;
    const double h = (area.height() - 2 * bottom - 2 * top) / 2;
    const auto cell = [&](int column, int row) {
        return QRectF(area.left() + left + column * (w + gap), area.top() + top + row * (h + bottom + top), w, h);
    };
    const fit::TFittedPlanet& f = fitted_;
    Histogram(p, cell(0, 0), draws_.K_mps, intervals_.K_mps, f.elements.K_mps, "K (m/s)",
              RangeOf(draws_.K_mps, f.elements.K_mps));
    Histogram(p, cell(1, 0), draws_.ecc, intervals_.ecc, f.elements.ecc, "e",
              RangeOf(draws_.ecc, f.elements.ecc));
    Histogram(p, cell(2, 0), draws_.massSinI_Jupiter, intervals_.massSinI_Jupiter,
              f.massSinI_Jupiter.value, BookText("How sure", "m sin i (Jupiter masses)"),
              RangeOf(draws_.massSinI_Jupiter, f.massSinI_Jupiter.value));
    Pairs(p, cell(0, 1), draws_.K_mps, draws_.ecc, f.elements.K_mps, f.elements.ecc, "K (m/s)", "e");
    Pairs(p, cell(1, 1), draws_.period_days, draws_.K_mps, f.elements.period_days, f.elements.K_mps,
          BookText("How sure", "P (days)", "the period of an orbit"), "K (m/s)");
    // The fit's angle and time of periastron on the same turn as the draws' middle.
    const double omega = intervals_.omega_rad.median +
                         std::remainder(f.elements.omega_rad - intervals_.omega_rad.median,
                                        2.0 * std::numbers::pi);
    const double tPeri = intervals_.tPeri_days.median +
                         std::remainder(f.elements.tPeri_days - intervals_.tPeri_days.median,
                                        f.elements.period_days);
    Pairs(p, cell(2, 1), Degrees(draws_.omega_rad), draws_.tPeri_days,
          omega * 180.0 / std::numbers::pi, tPeri, "ω (°)",
          BookText("How sure", "periastron T (days)", "the time of periastron"));
}

TPosteriorHistogram::TPosteriorHistogram(QWidget* parent) : TObservingPlot(parent) {}

void TPosteriorHistogram::SetDraws(std::vector<double> draws, const posterior::TInterval& interval,
                                   double fitted, double sigma, double lo, double hi,
                                   const QString& title) {
    draws_ = std::move(draws);
    interval_ = interval;
    fitted_ = fitted;
    sigma_ = sigma;
    lo_ = lo;
    hi_ = hi > lo ? hi : lo + 1.0;
    title_ = title;
    setAccessibleDescription(Description());
    update();
}

QString TPosteriorHistogram::Description() const {
    if (draws_.empty())
        return BookText("How sure", "No orbits drawn yet.");
    const double step = (interval_.high - interval_.low) / 20;
    const int decimals = step > 0.0 ? std::clamp(int(std::ceil(-std::log10(step))), 0, 6) : 3;
    return BookText("How sure",
                    "%n orbits that fit the measurements: %1 from %2 to %3 (68 % of them), "
                    "median %4; the best fit %5 ± %6.",
                    "%1 is the value's name", int(draws_.size()))
        .arg(title_, FixedText(interval_.low, decimals), FixedText(interval_.high, decimals),
             FixedText(interval_.median, decimals), FixedText(fitted_, decimals),
             FixedText(sigma_, decimals));
}

void TPosteriorHistogram::Draw(QPainter& p, const QRectF& area) const {
    p.fillRect(area, Qt::white);
    if (draws_.empty())
        return;
    QFont font("Arial");
    font.setPixelSize(11);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    // The key along the top: what the shade, the dashed line and the red marks stand for.
    const double keyY = area.top() + 4, keyHeight = metrics.height();
    double x = area.left() + 14;
    const auto key = [&](const QString& text, const std::function<void(const QRectF&)>& mark) {
        const QRectF swatch(x, keyY + 1, 18, keyHeight - 2);
        mark(swatch);
        p.setPen(Qt::black);
        p.drawText(QPointF(swatch.right() + 4, keyY + metrics.ascent()), text);
        x = swatch.right() + 4 + metrics.horizontalAdvance(text) + 14;
    };
    key(BookText("How sure", "68 % of the orbits"), [&](const QRectF& r) { p.fillRect(r, Shade); });
    key(BookText("How sure", "their median"), [&](const QRectF& r) {
        p.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
        p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    });
    key(BookText("How sure", "the best fit ± σ"), [&](const QRectF& r) {
        p.setPen(QPen(Best, 2.0));
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    });
    const QRectF plot(area.left() + 14, keyY + keyHeight + 6, area.width() - 28,
                      area.height() - (keyHeight + 10) - 2 * metrics.height() - 8);
    Histogram(p, plot, draws_, interval_, fitted_, title_, {lo_, hi_}, sigma_);
}
