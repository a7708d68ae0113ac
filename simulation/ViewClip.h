// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Lines cut to what a view can show. At the smallest zoom a planet's velocity arrow or its
// orbit track may end hundreds of millions of pixels outside the view; the painter's own
// clipping of such a line costs hundreds of milliseconds. Cut to the view and a wide margin
// first, a line keeps its pixels inside the view: a cut end is the pixel nearest the line
// among a few hundred at the cut, which moves the line by a few thousandths of a pixel.

#include <QPoint>
#include <QPointF>
#include <QPolygon>
#include <QRect>
#include <QRectF>
#include <optional>
#include <utility>
#include <vector>

namespace viewclip {

// How far beyond the view lines reach after cutting, in pixels.
constexpr int Margin = 8192;

// The view's rectangle grown by Margin on every side.
QRect ClipRect(const QRect& view);

// The part of the segment from a to b inside r (edges included), a cut end at the pixel
// nearest the line within a few hundred pixels inwards of the cut; nothing when the segment
// misses r. An end inside r stays exactly as it is.
std::optional<std::pair<QPoint, QPoint>> ClipSegment(const QPoint& a, const QPoint& b,
                                                     const QRect& r);

// The part of the segment from a to b inside r, exactly, for drawing in logical coordinates;
// the ends must be finite. Nothing when the segment misses r.
std::optional<std::pair<QPointF, QPointF>> ClipSegment(const QPointF& a, const QPointF& b,
                                                       const QRectF& r);

// The runs of a polyline inside r: every segment cut as ClipSegment cuts it, segments that
// miss r left out, and the polyline broken where one is left out or leaves r.
std::vector<QPolygon> ClipPolyline(const QPolygon& points, const QRect& r);

} // namespace viewclip
