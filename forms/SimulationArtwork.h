// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The small pictures beside the orbit view's two rotation sliders, painted in the book's
// ink on a transparent ground: a tilting arrow for the tilt slider and a turning arrow for
// the turn slider.

#include <QImage>

namespace artwork {

// 15 x 39: an arrow swinging up and down about a horizontal axis.
QImage TiltPicture();
// 39 x 14: an arrow turning round a vertical axis, seen slightly from above.
QImage TurnPicture();

} // namespace artwork
