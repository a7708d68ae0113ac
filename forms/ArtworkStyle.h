// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Shared drawing helpers of the artwork units.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace artwork::style {

enum class FaceState { Normal, Disabled, Pressed, Checked };

// An image of width x height logical pixels made at the screen's device pixel ratio, so
// that it shows crisp; a painter on it draws in logical pixels.
QImage screenImage(int width, int height, QImage::Format format, const QColor& fill);
// A transparent screen image of the given size.
QImage transparentImage(int width, int height);
// Small deterministic generator for star fields.
class Lcg {
public:
    explicit Lcg(unsigned seed) : state_(seed) {}
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / double(1u << 24);
    }

private:
    unsigned state_;
};

void paintNightSky(QPainter& p, const QRect& area, int stars, unsigned seed);
// A glowing star of radius r at c.
void paintStar(QPainter& p, QPointF c, double r);
// A planet disc lit from the upper left.
void paintPlanet(QPainter& p, QPointF c, double r, QColor tint);
// A radial-velocity curve across `area`, blue while approaching, red while receding.
void paintVelocityCurve(QPainter& p, const QRectF& area, double cycles, double width);
// A rounded dark-blue button body in the given state.
void paintInkBody(QPainter& p, const QRectF& r, double radius, FaceState state);
QFont serif(int pixelSize, bool bold = false, bool italic = false);
QFont sans(int pixelSize, bool bold = false);

} // namespace artwork::style
