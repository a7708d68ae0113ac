// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A picture that can sit in a line of text: it measures itself on the canvas it will be
// drawn on, and says how much of its height hangs below the text's baseline. The text
// port lays such pictures out inline.

#include "TGraphic.h"

class TCanvas;

class oGraphic : public TGraphic {
public:
    oGraphic() = default;

    // A graphic always has something to show once measured.
    bool Empty() const { return false; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetWidth(int width) { width_ = width; }
    void SetHeight(int height) { height_ = height; }

    // Sets Width and Height from the content as it would appear on the canvas; a bare
    // graphic has no content and keeps its size.
    virtual void Measure(TCanvas& canvas);

    // Share of the height below the text baseline when placed in a line of text.
    double DescentRatio = 0.0;

private:
    int width_ = 0;
    int height_ = 0;
};
