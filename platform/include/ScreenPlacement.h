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
// A control the reader uses next (a button the page asks for, the page arrows, the menus) is
// `Never` covered where any place avoids it: a place touching controls of less weight wins
// over any place covering less of the rest.
struct TKeepClear {
    QRect Area;
    int Weight = 1;
    bool Never = false;
};

// The window's frame on the screen, title bar and borders included. Until the window
// manager has framed it, the frame its owner window has is expected.
QRect ExpectedFrame(const QWidget& window);

// Where the widget stands on the screen.
QRect ScreenArea(const QWidget& widget);

// The frame moved, as little as it can, to lie within `available`; a frame larger than the
// area keeps its top-left corner on the area.
QRect FitOnScreen(const QRect& frame, const QRect& available);

// What a frame covers: the weights of the controls never to be covered that it touches
// (a control half covered is as lost as a whole one), then the weighted pixels of the rest;
// compared in that order.
struct TCover {
    long long Never = 0;
    long long Weighted = 0;
    auto operator<=>(const TCover&) const = default;
};

TCover Covered(const QRect& frame, const std::vector<TKeepClear>& keep);

// The top-left corner for a frame of `size` within `available` that covers least of `keep`:
// first the least sum of the weights of the controls never to be covered that it touches,
// then the least sum of each other area covered times its weight; among equal places, the
// one nearest to the right of the first area, top edges aligned.
QPoint LeastCoveringPlace(QSize size, const QRect& available, const std::vector<TKeepClear>& keep);

// The area of a control on the screen, never to be covered by a window opening over it,
// with its weight among such controls; nothing while it is hidden.
std::vector<TKeepClear> NeverCover(const QWidget& widget, int weight);

// Moves the window, by its frame (title bar and borders included), wholly onto the available
// area of its screen.
void KeepOnScreen(QWidget& window);

// Moves the window, by its frame, to the least covering place on its owner's screen.
void PlaceWindow(QWidget& window, const std::vector<TKeepClear>& keep);
