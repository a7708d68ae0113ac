// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A bitmap filled white, for tests that read what was drawn on it.

#include "TBitmap.h"

inline TBitmap Paper(int width, int height, qreal devicePixelRatio = 1.0) {
    TBitmap bitmap(width, height, devicePixelRatio);
    bitmap.Canvas().Brush.Color = clWhite;
    bitmap.Canvas().FillRect(QRect(0, 0, width, height));
    return bitmap;
}
