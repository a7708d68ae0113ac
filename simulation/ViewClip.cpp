// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/ViewClip.h"

#include <cmath>

namespace viewclip {

QRect ClipRect(const QRect& view) { return view.adjusted(-Margin, -Margin, Margin, Margin); }

namespace {

// Pixels looked at for a cut end; among that many steps along a line some pixel lies within
// about 1/Search of a pixel of it.
constexpr int Search = 256;

// The pixel closest to the line a + s (dx, dy) among those at whole steps along its major
// axis, from parameter t towards parameter limit. Rounding the cut point alone could move
// the line half a pixel, and with both ends cut, move it inside the view by as much.
QPoint nearestPixelOnLine(const QPoint& a, double dx, double dy, double t, double limit) {
    const bool alongX = std::fabs(dx) >= std::fabs(dy);
    const double major0 = alongX ? a.x() : a.y(), dMajor = alongX ? dx : dy;
    const double minor0 = alongX ? a.y() : a.x(), dMinor = alongX ? dy : dx;
    const double from = major0 + t * dMajor, to = major0 + limit * dMajor;
    const double step = to >= from ? 1.0 : -1.0;
    double major = step > 0 ? std::ceil(from) : std::floor(from);
    double bestMajor = std::round(from), bestMinor = std::round(minor0 + t * dMinor);
    double bestError = 1.0;
    for (int k = 0; k < Search && (to - major) * step >= 0.0; ++k, major += step) {
        const double minor = minor0 + (major - major0) / dMajor * dMinor;
        const double error = std::fabs(minor - std::round(minor));
        if (error < bestError) {
            bestError = error;
            bestMajor = major;
            bestMinor = std::round(minor);
            if (error == 0.0)
                break;
        }
    }
    return alongX ? QPoint(int(bestMajor), int(bestMinor)) : QPoint(int(bestMinor), int(bestMajor));
}

} // namespace

namespace {

// Liang and Barsky's parametric clipping: the interval [enter, leave] of t for which
// a + t (dx, dy) lies inside the rectangle, narrowed by each of its four edges in turn;
// nothing when the segment (t in [0, 1]) misses it.
std::optional<std::pair<double, double>> Inside(double ax, double ay, double dx, double dy,
                                                double left, double right, double top,
                                                double bottom) {
    double enter = 0.0, leave = 1.0;
    // Each edge as p t <= q: the part of the segment on the rectangle's side of it.
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {ax - left, right - ax, ay - top, bottom - ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt; // parallel to the edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return std::nullopt;
    }
    return std::make_pair(enter, leave);
}

} // namespace

std::optional<std::pair<QPoint, QPoint>> ClipSegment(const QPoint& a, const QPoint& b,
                                                     const QRect& r) {
    if (r.contains(a) && r.contains(b))
        return std::make_pair(a, b);
    const double dx = double(b.x()) - a.x(), dy = double(b.y()) - a.y();
    const auto inside = Inside(a.x(), a.y(), dx, dy, r.left(), r.right(), r.top(), r.bottom());
    if (!inside)
        return std::nullopt;
    const auto [enter, leave] = *inside;
    const QPoint from = enter == 0.0 ? a : nearestPixelOnLine(a, dx, dy, enter, leave);
    const QPoint to = leave == 1.0 ? b : nearestPixelOnLine(a, dx, dy, leave, enter);
    return std::make_pair(from, to);
}

std::optional<std::pair<QPointF, QPointF>> ClipSegment(const QPointF& a, const QPointF& b,
                                                       const QRectF& r) {
    const QPointF d = b - a;
    const auto inside = Inside(a.x(), a.y(), d.x(), d.y(), r.left(), r.right(), r.top(),
                               r.bottom());
    if (!inside)
        return std::nullopt;
    return std::make_pair(inside->first == 0.0 ? a : a + inside->first * d,
                          inside->second == 1.0 ? b : a + inside->second * d);
}

std::vector<QPolygon> ClipPolyline(const QPolygon& points, const QRect& r) {
    std::vector<QPolygon> runs;
    QPolygon run;
    const auto endRun = [&] {
        if (run.size() > 1)
            runs.push_back(std::move(run));
        run = QPolygon();
    };
    for (qsizetype i = 1; i < points.size(); ++i) {
        const auto cut = ClipSegment(points[i - 1], points[i], r);
        if (!cut) {
            endRun();
            continue;
        }
        if (run.isEmpty() || run.constLast() != cut->first) {
            endRun();
            run << cut->first;
        }
        run << cut->second;
        if (cut->second != points[i])
            endRun(); // the line leaves the rectangle here
    }
    endRun();
    return runs;
}

} // namespace viewclip
