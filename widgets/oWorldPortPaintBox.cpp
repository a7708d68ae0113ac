// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oWorldPortPaintBox.h"

namespace {

// The component of the world rectangle that a property index names; null for no component.
double* worldComponent(oRealRect& world, int index) {
    switch (index) {
    case oWorldPortPaintBox::WorldX:
        return &world.pos().x;
    case oWorldPortPaintBox::WorldY:
        return &world.pos().y;
    case oWorldPortPaintBox::WorldW:
        return &world.size().x;
    case oWorldPortPaintBox::WorldH:
        return &world.size().y;
    default:
        return nullptr;
    }
}

} // namespace

oWorldPortPaintBox::oWorldPortPaintBox(QWidget* owner) : TPaintBox(owner) {
    ownCanvas_ = &Canvas();
    worldCanvas.canvas = ownCanvas_;
    worldCanvas.SetViewPort(oRect(0, 0, width(), height()));
}

void oWorldPortPaintBox::SetBounds(int left, int top, int width, int height) {
    TPaintBox::SetBounds(left, top, width, height);
    followSize();
}

void oWorldPortPaintBox::resizeEvent(QResizeEvent* e) {
    TPaintBox::resizeEvent(e);
    followSize();
}

void oWorldPortPaintBox::followSize() {
    // The platform box replaces its canvas when its surface changes size.
    TCanvas* fresh = &Canvas();
    if (worldCanvas.canvas == ownCanvas_)
        worldCanvas.canvas = fresh;
    ownCanvas_ = fresh;
    worldCanvas.SetViewPort(oRect(0, 0, width(), height()));
}

double oWorldPortPaintBox::GetWorld(int index) const {
    oRealRect world = worldCanvas.worldPort;
    const double* component = worldComponent(world, index);
    return component ? *component : 0.0;
}

void oWorldPortPaintBox::SetWorld(int index, double value) {
    oRealRect world = worldCanvas.worldPort;
    if (double* component = worldComponent(world, index))
        *component = value;
    worldCanvas.SetWorldPort(world);
}
