// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/OrbitView.h"

#include "model/orbit/Angles.h"

#include <cmath>

namespace {

// 3 pi / 2: the projection turns Theta by this before taking its sine and cosine.
constexpr double ThreeHalvesPi = 4.71238898038469;

} // namespace

double TOrbitView::ZoomFor(int position) { return std::pow(10.0, position * 0.04 - 2.0); }

oRealRect TOrbitView::WorldRect() const {
    return oRealRect(-2.7 * Zoom, 1.5 * Zoom, 5.4 * Zoom, -3.0 * Zoom);
}

TOrbitView::Projection::Projection(const TOrbitView& view)
    : c1_(std::cos(view.Theta + ThreeHalvesPi)), s1_(std::sin(view.Theta + ThreeHalvesPi)),
      c2_(std::cos(view.Omega)), s2_(std::sin(view.Omega)) {}

oRealPoint TOrbitView::Project(double x, double y, double z) const {
    return Projection(*this)(x, y, z);
}

void TOrbitView::BeginDrag(int x, int y) {
    DragX = x;
    DragY = y;
    Dragging = true;
}

bool TOrbitView::MoveDrag(int x, int y) {
    if (!Dragging)
        return false;
    Theta += 2.0 * (x - DragX) * Pi * (1.0 / DragWidth);
    Omega -= (y - DragY) * 0.5 * Pi * 0.005;
    Theta = std::fmod(Theta + TwoPi, TwoPi);
    if (Omega > HalfPi)
        Omega = HalfPi;
    if (Omega < 0.0)
        Omega = 0.0;
    DragX = x;
    DragY = y;
    return true;
}
