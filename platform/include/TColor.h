// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Colours as 24-bit values r + 256*g + 65536*b, plus the system colours, which are
// resolved through the application palette when drawn.

#include <QColor>
#include <cstdint>

using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b) {
    return TColor((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clMaroon = RGB(128, 0, 0);
constexpr TColor clGreen = RGB(0, 128, 0);
constexpr TColor clOlive = RGB(128, 128, 0);
constexpr TColor clNavy = RGB(0, 0, 128);
constexpr TColor clPurple = RGB(128, 0, 128);
constexpr TColor clTeal = RGB(0, 128, 128);
constexpr TColor clGray = RGB(128, 128, 128);
constexpr TColor clSilver = RGB(192, 192, 192);
constexpr TColor clRed = RGB(255, 0, 0);
constexpr TColor clLime = RGB(0, 255, 0);
constexpr TColor clYellow = RGB(255, 255, 0);
constexpr TColor clBlue = RGB(0, 0, 255);
constexpr TColor clFuchsia = RGB(255, 0, 255);
constexpr TColor clAqua = RGB(0, 255, 255);
constexpr TColor clWhite = RGB(255, 255, 255);

// System colours carry the top byte 0xFF and a palette role in the low byte.
constexpr TColor clSystemColor = TColor(0xFF000000u);
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clNone = TColor(0x1FFFFFFF);

constexpr bool isSystemColor(TColor c) { return (c & clSystemColor) == clSystemColor; }

// The plain RGB value of a colour, system colours looked up in the application palette.
TColor ColorToRGB(TColor c);
QColor toQColor(TColor c);
TColor fromQColor(const QColor& c);
