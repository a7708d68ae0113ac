// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The velocity graph's empty axes as last drawn, kept so that a new sweep on the same axes
// copies them back instead of drawing the grid and lettering every number again: the
// lettering costs a running simulation more than all its ticks between two sweeps.

#include "TFont.h"
#include "simulation/VelocityGraph.h"

#include <QImage>
#include <QSize>
#include <array>

class TBitmap;
class oWorldPortPaintBox;

class TGraphAxesPicture {
public:
    // Puts the axes of graphdrawing::DrawGraphAxes onto `bitmap`, which box's world canvas
    // draws on: copied from the kept picture when nothing they are drawn from has changed
    // since, else drawn and kept. The canvas is left as drawing them leaves it.
    void Draw(oWorldPortPaintBox& box, TBitmap& bitmap, const TVelocityGraph& graph);

private:
    // What the axes are drawn from: the box's world, the velocity ticks and scale, the
    // lettering's font, and the bitmap's size and resolution.
    struct Key {
        std::array<double, 4> world{};
        QSize size;
        int exponent = 0;
        double step = 0.0;
        int count = 0;
        double velocityScale = 0.0;
        TFont font;
        qreal ratio = 0.0;
        bool operator==(const Key&) const = default;
    };

    Key key_;
    QImage picture_;
};
