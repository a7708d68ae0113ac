// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Pictures for the picture-skinned controls' tabs, painted in code in the book's colours:
// pale green-grey pages, pale yellow notes, dark blue ink.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class QPainter;

class TMskBtnImgLst;
class oBitmapTrackBar;

namespace skinart {

extern const QColor Page;
extern const QColor Note;
extern const QColor Ink;

enum class Glyph { Play, Stop, Reset };

// Twelve images of a round button, one per state of a list that allows all five state
// bits, in the list's image order; the list must be sized to the button first.
void AddRoundButtonImages(TMskBtnImgLst& list, Glyph glyph);
// The caption of an image role, such as "checked + rolled".
QString RoleName(int role);

// The 48 x 48 source of a picture frame with a 16-pixel border: ornamented corners, a
// beaded edge repeating every 16 pixels and a plain middle.
QImage FrameSource();

// The bar picture for a track bar at its present size and settings: a rounded plate
// with a sunken groove where the bar's channel lies; greyed for the disabled picture.
QImage TrackBarPicture(const oBitmapTrackBar& bar, bool disabled);
// A round thumb knob of the given size.
QImage TrackBarThumb(QSize size);

// The still background of the moving-body picture: a night sky, an orbit and its star.
void PaintOrbitBackground(QPainter& p, QSize size);
// The orbiting body at `angle` (radians) on the orbit of PaintOrbitBackground.
void PaintOrbitingBody(QPainter& p, QSize size, double angle);

} // namespace skinart
