// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The text port's font measures. Style changes every few words would otherwise build a Qt
// font and its metrics for every run; the ruler keeps the few faces in use, each with the
// advances of the ASCII characters, so that measuring plain text is a sum of table entries.
// Kerning is off in these faces, so a run is drawn exactly as wide as it was measured.

#include "TFont.h"

#include <QFont>
#include <QFontMetricsF>
#include <array>
#include <memory>
#include <vector>

class oTextRuler {
public:
    struct Face {
        TFont key; // the font, colour aside
        QFont font;
        QFontMetricsF metrics;
        int ascent;
        int descent;
        int height;
        std::array<double, 128> ascii;
    };

    const Face& Of(const TFont& font);
    // Width of UTF-8 text, summed over chunks of 120 bytes; stops once the sum exceeds
    // `limit`, returning that (too large) sum.
    static int Width(const Face& face, const char* from, const char* to, int limit);

private:
    std::vector<std::unique_ptr<Face>> faces_; // most recently used first
};
