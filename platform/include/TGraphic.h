// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Something a canvas can draw at a rectangle: bitmaps, pictures painted in code.

#include <QRect>

class TCanvas;

class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Draws the graphic scaled into the rectangle.
    virtual void Draw(TCanvas& canvas, const QRect& r) const = 0;
};
