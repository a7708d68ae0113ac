// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Drawing of the orbit view: the background picture (black field, axes, orbit tracks with
// their normal arrows) into an off-screen bitmap, and each frame (the background, then the
// star, the planets and their velocity arrows) onto the view's paint box. Both go through
// the paint box's world canvas for the mapping from the view's world to pixels.
//
// Colours: field black; axes and their letters white; star yellow; planets white; velocity
// arrows lime; a planet's track and its normal arrow in the planet's colour. Lines are
// antialiased.

#include "dimension.h"

#include <QRect>
#include <vector>

class oWorldCanvas;
class oWorldPortPaintBox;
class TBitmap;
class TCanvas;
class TOrbitView;
class TSimulationModel;

namespace orbitdrawing {

// Redraws the background into the canvas that wp's world canvas draws on, at the view's
// current zoom and angles; the canvas's font (italic, white) letters the axes. Tracks and
// normal arrows are drawn for the visible planets when showTracks is set.
void DrawBackground(oWorldPortPaintBox& wp, const TOrbitView& view, const TSimulationModel& sim,
                    bool showTracks);

// Draws the star and the visible planets, with their velocity arrows when showVelocity is
// set, over background on wp's own canvas. `drawn` is where the canvas differs from the
// background: what the last frame drew, or the whole view when the background or the
// canvas is new. Only that and what this frame draws are copied from the background; on
// return `drawn` holds what this frame drew. The rectangles may overlap.
void DrawFrame(oWorldPortPaintBox& wp, const TBitmap& background, const TOrbitView& view,
               const TSimulationModel& sim, bool showVelocity, std::vector<QRect>& drawn);

// The view as wp shows it, drawn afresh onto `canvas` (a printed page, an SVG drawing) in
// wp's pixels: the background and the bodies over it, lines and letters drawn as lines and
// text. The canvas's font letters the axes.
void DrawPicture(TCanvas& canvas, const oWorldPortPaintBox& wp, const TOrbitView& view,
                 const TSimulationModel& sim, bool showTracks, bool showVelocity);

// Fills wp's own canvas with the view's black field and nothing on it: the view of a
// simulation whose animation is hidden.
void DrawBlank(oWorldPortPaintBox& wp);

// A line with the canvas's current pen between two world points mapped by world, with a
// head of two barbs at `to` reaching 7.5 pixels back and 3.75 to each side. An arrow of no
// length has no head.
void DrawArrow(TCanvas& canvas, const oWorldCanvas& world, const oRealPoint& from,
               const oRealPoint& to);

} // namespace orbitdrawing
