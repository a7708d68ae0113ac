// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A paint box that draws in world coordinates: it owns an oWorldCanvas whose view port is
// always the box's client area, and publishes the world rectangle as WorldLeft, WorldTop,
// WorldWidth and WorldHeight. The world canvas starts on the box's own canvas; an owner may
// point it at another surface of the box's size (an off-screen bitmap it copies to the box)
// and the mapping keeps following the box.

#include "TPaintBox.h"
#include "oWorldCanvas.h"

class oWorldPortPaintBox : public TPaintBox {
public:
    // Indices of the world rectangle's components for GetWorld and SetWorld.
    enum WorldIndex { WorldX = 0, WorldY = 1, WorldW = 2, WorldH = 3 };

    explicit oWorldPortPaintBox(QWidget* owner = nullptr);

    oWorldCanvas worldCanvas;

    // Moves and sizes the box; the view port follows. Does not repaint.
    void SetBounds(int left, int top, int width, int height);

    // Component index (0 x, 1 y, 2 width, 3 height) of the world rectangle; 0 for any other.
    double GetWorld(int index) const;
    // Replaces component index (any other index replaces nothing) and rescales. Does not
    // repaint.
    void SetWorld(int index, double value);

    double WorldLeft() const { return GetWorld(WorldX); }
    void SetWorldLeft(double v) { SetWorld(WorldX, v); }
    double WorldTop() const { return GetWorld(WorldY); }
    void SetWorldTop(double v) { SetWorld(WorldY, v); }
    double WorldWidth() const { return GetWorld(WorldW); }
    void SetWorldWidth(double v) { SetWorld(WorldW, v); }
    double WorldHeight() const { return GetWorld(WorldH); }
    void SetWorldHeight(double v) { SetWorld(WorldH, v); }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    // After a size change: the view port takes the client area and, if the world canvas
    // draws on the box's own canvas, it follows that canvas onto the new surface.
    void followSize();

    TCanvas* ownCanvas_ = nullptr;
};
