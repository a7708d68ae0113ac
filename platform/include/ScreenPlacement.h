// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Where a window opens: always wholly within the screen's available area, and, for a
// dialog, where it covers least of what the reader is looking at, beside its owner when
// there is room.

#include <QPoint>
#include <QRect>
#include <vector>

class QWidget;

// A part of the screen that a window opening should leave uncovered, and how much it matters.
struct TKeepClear {
    QRect Area;
    int Weight = 1;
};

// Where the widget stands on the screen.
QRect ScreenArea(const QWidget& widget);

// The frame moved, as little as it can, to lie within `available`; a frame larger than the
// area keeps its top-left corner on the area.
QRect FitOnScreen(const QRect& frame, const QRect& available);

// The top-left corner for a frame of `size` within `available` that covers least of `keep`
// (the sum of each area covered times its weight); among equal places, the one nearest to
// the right of the first area, top edges aligned.
QPoint LeastCoveringPlace(QSize size, const QRect& available, const std::vector<TKeepClear>& keep);

// Moves the window wholly onto the available area of its screen.
void KeepOnScreen(QWidget& window);

// Moves the window, by its frame, to the least covering place on its owner's screen.
void PlaceWindow(QWidget& window, const std::vector<TKeepClear>& keep);
