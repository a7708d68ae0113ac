// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Three-dimensional button edges drawn with a canvas, in the system's classic scheme:
// an outer and an inner one-pixel border, raised or sunken, on chosen sides.

#include "TCanvas.h"

namespace edges {

enum Border : unsigned {
    RaisedOuter = 0x1,
    SunkenOuter = 0x2,
    RaisedInner = 0x4,
    SunkenInner = 0x8,
};
constexpr unsigned EdgeSunken = SunkenOuter | SunkenInner;

enum Flags : unsigned {
    Left = 0x1,
    Top = 0x2,
    Right = 0x4,
    Bottom = 0x8,
    Rect = 0xF,
    Adjust = 0x2000, // shrink the rectangle by the borders drawn
    Flat = 0x4000,   // borders in the shadow colour all round
    Mono = 0x8000,   // borders in the frame colour all round
};

// Draws the borders inside `r`; with Adjust, `r` becomes the area inside them.
void DrawEdge(TCanvas& canvas, QRect& r, unsigned borders, unsigned flags);

} // namespace edges
