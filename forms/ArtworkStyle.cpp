// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "ArtworkStyle.h"

#include "Artwork.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace artwork {

const QColor Page(213, 230, 227);
const QColor Note(255, 255, 215);
const QColor Ink(0, 0, 157);
const QColor NightTop(7, 12, 40);
const QColor NightBottom(22, 42, 98);

namespace style {

QImage screenImage(int width, int height, QImage::Format format, const QColor& fill) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QImage img(qRound(width * ratio), qRound(height * ratio), format);
    img.setDevicePixelRatio(ratio);
    img.fill(fill);
    return img;
}

QImage transparentImage(int width, int height) {
    return screenImage(width, height, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
}

void paintNightSky(QPainter& p, const QRect& area, int stars, unsigned seed) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, NightTop);
    sky.setColorAt(1.0, NightBottom);
    p.fillRect(area, sky);
    Lcg rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < stars; ++i) {
        const double x = area.left() + rng.next() * area.width();
        const double y = area.top() + rng.next() * area.height();
        const double bright = 0.35 + 0.65 * rng.next() * rng.next();
        const double r = 0.45 + 1.1 * rng.next() * rng.next() * rng.next();
        const double warm = rng.next();
        QColor c = warm < 0.15  ? QColor(255, 225, 190)
                   : warm < 0.3 ? QColor(200, 215, 255)
                                : QColor(255, 255, 255);
        c.setAlphaF(bright);
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void paintStar(QPainter& p, QPointF c, double r) {
    QRadialGradient glow(c, r * 3.2);
    glow.setColorAt(0.0, QColor(255, 244, 190, 170));
    glow.setColorAt(0.35, QColor(255, 214, 110, 60));
    glow.setColorAt(1.0, QColor(255, 200, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * 3.2, r * 3.2);
    QRadialGradient body(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
    body.setColorAt(0.0, QColor(255, 255, 236));
    body.setColorAt(0.6, QColor(255, 232, 120));
    body.setColorAt(1.0, QColor(247, 178, 40));
    p.setBrush(body);
    p.drawEllipse(c, r, r);
}

void paintPlanet(QPainter& p, QPointF c, double r, QColor tint) {
    QRadialGradient body(c - QPointF(r * 0.45, r * 0.45), r * 1.6);
    body.setColorAt(0.0, tint.lighter(160));
    body.setColorAt(0.55, tint);
    body.setColorAt(1.0, tint.darker(320));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, r, r);
}

void paintVelocityCurve(QPainter& p, const QRectF& area, double cycles, double width) {
    // 48 chords a cycle stray from the sine by 0.2 % of its amplitude, under a pixel.
    const int steps = std::max(2, int(std::ceil(48 * cycles)));
    QPolygonF curve;
    curve.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double v = std::sin(2 * M_PI * cycles * t);
        curve << QPointF(area.left() + t * area.width(), area.center().y() - v * area.height() / 2);
    }
    // Receding (up) is red-shifted, approaching (down) blue-shifted: the colour follows the
    // height alone, so one stroke with a vertical gradient draws it.
    QLinearGradient shift(area.topLeft(), area.bottomLeft());
    shift.setColorAt(0.0, QColor(255, 90, 90));
    shift.setColorAt(0.5, QColor(172, 150, 172));
    shift.setColorAt(1.0, QColor(90, 90, 255));
    p.setPen(QPen(QBrush(shift), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(curve);
}

void paintInkBody(QPainter& p, const QRectF& r, double radius, FaceState state) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    QColor border;
    switch (state) {
    case FaceState::Disabled:
        g.setColorAt(0, QColor(196, 204, 206));
        g.setColorAt(1, QColor(168, 178, 181));
        border = QColor(142, 152, 156);
        break;
    case FaceState::Pressed:
        g.setColorAt(0, QColor(0, 0, 110));
        g.setColorAt(1, QColor(20, 40, 160));
        border = QColor(0, 0, 70);
        break;
    case FaceState::Checked:
        g.setColorAt(0, QColor(40, 70, 200));
        g.setColorAt(1, QColor(0, 0, 140));
        border = QColor(245, 200, 60);
        break;
    case FaceState::Normal:
        g.setColorAt(0, QColor(52, 86, 214));
        g.setColorAt(1, QColor(0, 0, 150));
        border = QColor(0, 0, 90);
        break;
    }
    p.setPen(QPen(border, state == FaceState::Checked ? 2.0 : 1.0));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    if (state == FaceState::Normal) {
        // A soft gloss on the upper half.
        QLinearGradient gloss(r.topLeft(), QPointF(r.left(), r.center().y()));
        gloss.setColorAt(0, QColor(255, 255, 255, 80));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(gloss);
        p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -r.height() / 2), radius - 1, radius - 1);
    }
}

QFont serif(int pixelSize, bool bold, bool italic) {
    QFont f("Times New Roman");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont sans(int pixelSize, bool bold) {
    QFont f("Arial");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace style
} // namespace artwork
