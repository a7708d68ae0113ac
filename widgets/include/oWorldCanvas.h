// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Drawing in world coordinates: maps a real world rectangle (the world port) onto an integer
// device rectangle (the view port) of a canvas, and draws at the mapped pixels with the
// canvas's own pen, brush and font, which it never changes. A negative world height makes
// world y grow upward on the screen; a negative world width makes world x grow leftward.

#include "AnsiString.h"
#include "Scale.h"
#include "dimension.h"

#include <QPolygon>
#include <cstddef>
#include <vector>
#if defined(__x86_64__)
#include <emmintrin.h>
#endif

class TCanvas;
class TGraphic;

class oWorldCanvas {
public:
    // Device units per world unit along x and y; 0 along an axis whose world size is 0.
    oScale scale;
    // The surface drawn on, not owned; may be null until set.
    TCanvas* canvas;
    // World rectangle: left, top, width, height in world units (a size may be negative).
    oRealRect worldPort;
    // Device rectangle in pixels.
    oRect viewPort;

    // Starts with the unit square, y up, on a 100 x 100 pixel view port.
    explicit oWorldCanvas(TCanvas* canvas = nullptr);

    void SetWorldPort(const oRealRect& world);
    void SetViewPort(const oRect& view);
    // Recomputes scale from the two ports.
    void Rescale();

    // The device pixel of a world point: offset, scale, add 0.5, truncate toward zero.
    // Results are held within +-DeviceLimit so that nothing wraps.
    oPoint I(const oRealPoint& p) const;
    static constexpr int DeviceLimit = 1 << 28;

    void MoveTo(const oRealPoint& p);
    void LineTo(const oRealPoint& p);
    // A move to the first point and lines through the rest, the same pixels as MoveTo and
    // LineTo point by point, for the tens of thousands of points of an orbit track: the
    // points are mapped in one pass in double precision, repeated pixels dropped, and the
    // line is drawn at once.
    void Polyline(const std::vector<oRealPoint>& points);
    // The same for `count` points that pointAt(i) gives, which need not be stored.
    template <class PointAt> void Polyline(std::size_t count, const PointAt& pointAt);
    // The device pixels of Polyline's points, each repeat of the pixel before dropped.
    template <class PointAt>
    QPolygon DevicePoints(std::size_t count, const PointAt& pointAt);
    // Text with the canvas's alignment reference (by default its top-left) at p.
    void TextOut(const oRealPoint& p, const AnsiString& text);
    // The graphic unscaled, its top-left corner at p.
    void Draw(const oRealPoint& p, const TGraphic& graphic);
    void Rectangle(const oRealPoint& p, const oRealPoint& q);
    void Ellipse(const oRealPoint& p, const oRealPoint& q);
    // Fills the device rectangle from I(p) to I(q), right and bottom edges excluded.
    void FillRect(const oRealPoint& p, const oRealPoint& q);
    // r is the corner ellipse's width and height in pixels, not mapped.
    void RoundRect(const oRealPoint& p, const oRealPoint& q, int r);
    // Bounding box p1-p2, from the ray through p3 counter-clockwise to the ray through p4.
    void Arc(const oRealPoint& p1, const oRealPoint& p2, const oRealPoint& p3,
             const oRealPoint& p4);
    void Chord(const oRealPoint& p1, const oRealPoint& p2, const oRealPoint& p3,
               const oRealPoint& p4);
    void Pie(const oRealPoint& p1, const oRealPoint& p2, const oRealPoint& p3,
             const oRealPoint& p4);
    // The text's pixel extent in world units; a component is 0 where the scale is 0, and
    // the height is negative when world y points up.
    oRealVector TextExtent(const AnsiString& text) const;

private:
    TCanvas& surface() const;
    // Truncation toward zero, held within +-DeviceLimit; NaN maps to 0.
    static int clampToDevice(double v) {
        if (v != v)
            return 0;
        if (v > DeviceLimit)
            return DeviceLimit;
        if (v < -DeviceLimit)
            return -DeviceLimit;
        return static_cast<int>(v);
    }
    void drawPolyline(QPolygon&& device);
    // Room for a track's mapped points, kept between tracks so that mapping one costs no
    // allocation; a copy of the canvas starts without it.
    struct Scratch {
        std::vector<QPoint> points;
        Scratch() = default;
        Scratch(const Scratch&) {}
        Scratch& operator=(const Scratch&) { return *this; }
    };
    Scratch scratch_;
};

template <class PointAt>
QPolygon oWorldCanvas::DevicePoints(std::size_t count, const PointAt& pointAt) {
    // The mapping of I, in double: over the view's whole zoom range it lands on the same
    // pixels as the extended precision of single points.
    const double left = viewPort.pos().x, top = viewPort.pos().y;
    const double worldLeft = worldPort.pos().x, worldTop = worldPort.pos().y;
    const double sx = scale.x, sy = scale.y;
    std::vector<QPoint>& mapped = scratch_.points;
    if (mapped.size() < count)
        mapped.resize(count);
    QPoint* const first = mapped.data();
    QPoint* last = first;
#if defined(__x86_64__)
    // Both coordinates in one register, through the same operations in the same order as
    // clampToDevice, so that each lane rounds as the scalar code would. The clamping has no
    // branches, which lets a track map at about the speed of an unchecked loop.
    const __m128d origin = _mm_set_pd(top, left), world = _mm_set_pd(worldTop, worldLeft);
    const __m128d perUnit = _mm_set_pd(sy, sx), half = _mm_set1_pd(0.5);
    const __m128d high = _mm_set1_pd(DeviceLimit), low = _mm_set1_pd(-DeviceLimit);
    for (std::size_t i = 0; i < count; ++i) {
        const oRealPoint p = pointAt(i);
        const __m128d offset = _mm_mul_pd(_mm_sub_pd(_mm_set_pd(p.y, p.x), world), perUnit);
        __m128d v = _mm_add_pd(_mm_add_pd(origin, offset), half);
        v = _mm_and_pd(v, _mm_cmpord_pd(v, v)); // NaN becomes 0
        v = _mm_min_pd(_mm_max_pd(v, low), high);
        const long long xy = _mm_cvtsi128_si64(_mm_cvttpd_epi32(v));
        const QPoint d(static_cast<int>(xy & 0xffffffff), static_cast<int>(xy >> 32));
        if (last == first || d != last[-1])
            *last++ = d;
    }
#else
    for (std::size_t i = 0; i < count; ++i) {
        const oRealPoint p = pointAt(i);
        const QPoint d(clampToDevice(left + (p.x - worldLeft) * sx + 0.5),
                       clampToDevice(top + (p.y - worldTop) * sy + 0.5));
        if (last == first || d != last[-1])
            *last++ = d;
    }
#endif
    return QPolygon(first, last);
}

template <class PointAt> void oWorldCanvas::Polyline(std::size_t count, const PointAt& pointAt) {
    drawPolyline(DevicePoints(count, pointAt));
}
