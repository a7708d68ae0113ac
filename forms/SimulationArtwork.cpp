// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "SimulationArtwork.h"

#include "Artwork.h"
#include "ArtworkStyle.h"

#include <QPainterPath>
#include <cmath>

namespace artwork {

using namespace style;

namespace {

// A filled arrowhead with its tip at `tip`, pointing along `direction` (radians, y down).
void paintHead(QPainter& p, QPointF tip, double direction, double size) {
    const QPointF back(-std::cos(direction) * size, -std::sin(direction) * size);
    const QPointF side(-std::sin(direction) * size * 0.55, std::cos(direction) * size * 0.55);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + back + side);
    head.lineTo(tip + back * 0.7);
    head.lineTo(tip + back - side);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPath(head);
}

// The point at `angle` (radians, y down) on the ellipse of radii rx, ry about c.
QPointF onEllipse(QPointF c, double rx, double ry, double angle) {
    return c + QPointF(rx * std::cos(angle), ry * std::sin(angle));
}

// The direction of travel at `angle` along that ellipse, turning with increasing angle.
double tangent(double rx, double ry, double angle) {
    return std::atan2(ry * std::cos(angle), -rx * std::sin(angle));
}

// Strokes the part of an ellipse from angle `from` to `to` in `steps` straight pieces.
void strokeArc(QPainter& p, QPointF c, double rx, double ry, double from, double to, int steps) {
    QPainterPath arc;
    for (int i = 0; i <= steps; ++i) {
        const QPointF pt = onEllipse(c, rx, ry, from + (to - from) * i / steps);
        i == 0 ? arc.moveTo(pt) : arc.lineTo(pt);
    }
    p.setPen(QPen(Ink, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
}

} // namespace

QImage TiltPicture() {
    QImage img = transparentImage(15, 39);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(3.5, 19.5);
    const double rx = 8.5, ry = 14.5;
    // The axis the view tilts about, seen end on.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(Ink.red(), Ink.green(), Ink.blue(), 140));
    p.drawEllipse(c, 2.2, 2.2);
    // A swing from above round to below, with heads at both ends.
    const double from = -1.25, to = 1.25;
    strokeArc(p, c, rx, ry, from, to, 40);
    paintHead(p, onEllipse(c, rx, ry, to + 0.15), tangent(rx, ry, to + 0.15), 6.0);
    paintHead(p, onEllipse(c, rx, ry, from - 0.15), tangent(rx, ry, from - 0.15) + M_PI, 6.0);
    return img;
}

QImage TurnPicture() {
    QImage img = transparentImage(39, 14);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(19.5, 7.0);
    const double rx = 15.5, ry = 4.5;
    // The vertical axis the view turns about.
    p.setPen(QPen(QColor(Ink.red(), Ink.green(), Ink.blue(), 110), 1.2));
    p.drawLine(QPointF(c.x(), 0.5), QPointF(c.x(), 13.5));
    // Most of a turn, front half drawn over the axis, ending in a head.
    const double from = -M_PI * 0.85, to = M_PI * 0.78;
    strokeArc(p, c, rx, ry, from, to, 60);
    paintHead(p, onEllipse(c, rx, ry, to + 0.2), tangent(rx, ry, to + 0.2), 6.0);
    return img;
}

} // namespace artwork
