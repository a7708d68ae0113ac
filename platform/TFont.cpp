// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TFont.h"

#include <cmath>
#include <cstdlib>

int TFont::pointSize() const {
    // A negative height is the character height in pixels; 96 pixels make 72 points.
    return int(std::lround(std::abs(Height) * 72.0 / 96.0));
}

QFont TFont::toQFont() const {
    QFont f(QString::fromStdString(Name));
    // Positive heights include the internal leading; take the usual 1/8 off.
    const int px = Height < 0 ? -Height : std::max(1, Height - Height / 8);
    f.setPixelSize(std::max(1, px));
    f.setBold(Style.contains(fsBold));
    f.setItalic(Style.contains(fsItalic));
    f.setUnderline(Style.contains(fsUnderline));
    f.setStrikeOut(Style.contains(fsStrikeOut));
    if (Pitch == fpFixed)
        f.setFixedPitch(true);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
