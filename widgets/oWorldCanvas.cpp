// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oWorldCanvas.h"

#include "Precondition.h"
#include "TCanvas.h"
#include "TGraphic.h"

#include <QPolygon>
#include <QRect>
#include <utility>

namespace {

// Converts between device and world units: 0 for a zero divisor (a world size or scale of
// 0) rather than a division by zero.
double quotientOrZero(long double dividend, double divisor) {
    return divisor == 0 ? 0.0 : static_cast<double>(dividend / divisor);
}

int toDevice(long double v) {
    if (v != v)
        return 0;
    if (v > oWorldCanvas::DeviceLimit)
        return oWorldCanvas::DeviceLimit;
    if (v < -oWorldCanvas::DeviceLimit)
        return -oWorldCanvas::DeviceLimit;
    return static_cast<int>(v);
}

} // namespace

oWorldCanvas::oWorldCanvas(TCanvas* canvas)
    : canvas(canvas), worldPort(0, 1, 1, -1), viewPort(0, 0, 100, 100) {
    Rescale();
}

void oWorldCanvas::SetWorldPort(const oRealRect& world) {
    worldPort = world;
    Rescale();
}

void oWorldCanvas::SetViewPort(const oRect& view) {
    viewPort = view;
    Rescale();
}

void oWorldCanvas::Rescale() {
    scale = oScale(quotientOrZero(viewPort.size().x, worldPort.size().x),
                   quotientOrZero(viewPort.size().y, worldPort.size().y));
}

oPoint oWorldCanvas::I(const oRealPoint& p) const {
    const long double dx =
        viewPort.pos().x + (static_cast<long double>(p.x) - worldPort.pos().x) * scale.x + 0.5L;
    const long double dy =
        viewPort.pos().y + (static_cast<long double>(p.y) - worldPort.pos().y) * scale.y + 0.5L;
    return oPoint(toDevice(dx), toDevice(dy));
}

TCanvas& oWorldCanvas::surface() const {
    PRECONDITION(canvas != nullptr);
    return *canvas;
}

void oWorldCanvas::MoveTo(const oRealPoint& p) {
    const oPoint d = I(p);
    surface().MoveTo(d.x, d.y);
}

void oWorldCanvas::LineTo(const oRealPoint& p) {
    const oPoint d = I(p);
    surface().LineTo(d.x, d.y);
}

void oWorldCanvas::Polyline(const std::vector<oRealPoint>& points) {
    Polyline(points.size(), [&points](std::size_t i) { return points[i]; });
}

void oWorldCanvas::drawPolyline(QPolygon&& device) { surface().Polyline(std::move(device)); }

void oWorldCanvas::TextOut(const oRealPoint& p, const AnsiString& text) {
    const oPoint d = I(p);
    surface().TextOut(d.x, d.y, text);
}

void oWorldCanvas::Draw(const oRealPoint& p, const TGraphic& graphic) {
    const oPoint d = I(p);
    surface().Draw(d.x, d.y, graphic);
}

void oWorldCanvas::Rectangle(const oRealPoint& p, const oRealPoint& q) {
    const oPoint a = I(p), b = I(q);
    surface().Rectangle(a.x, a.y, b.x, b.y);
}

void oWorldCanvas::Ellipse(const oRealPoint& p, const oRealPoint& q) {
    const oPoint a = I(p), b = I(q);
    surface().Ellipse(a.x, a.y, b.x, b.y);
}

void oWorldCanvas::FillRect(const oRealPoint& p, const oRealPoint& q) {
    const oPoint a = I(p), b = I(q);
    surface().FillRect(QRect(a.x, a.y, b.x - a.x, b.y - a.y));
}

void oWorldCanvas::RoundRect(const oRealPoint& p, const oRealPoint& q, int r) {
    const oPoint a = I(p), b = I(q);
    surface().RoundRect(a.x, a.y, b.x, b.y, r, r);
}

void oWorldCanvas::Arc(const oRealPoint& p1, const oRealPoint& p2, const oRealPoint& p3,
                       const oRealPoint& p4) {
    const oPoint a = I(p1), b = I(p2), c = I(p3), d = I(p4);
    surface().Arc(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y);
}

void oWorldCanvas::Chord(const oRealPoint& p1, const oRealPoint& p2, const oRealPoint& p3,
                         const oRealPoint& p4) {
    const oPoint a = I(p1), b = I(p2), c = I(p3), d = I(p4);
    surface().Chord(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y);
}

void oWorldCanvas::Pie(const oRealPoint& p1, const oRealPoint& p2, const oRealPoint& p3,
                       const oRealPoint& p4) {
    const oPoint a = I(p1), b = I(p2), c = I(p3), d = I(p4);
    surface().Pie(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y);
}

oRealVector oWorldCanvas::TextExtent(const AnsiString& text) const {
    const QSize extent = surface().TextExtent(text);
    return oRealVector(quotientOrZero(extent.width(), scale.x),
                       quotientOrZero(extent.height(), scale.y));
}
