// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A font as the forms describe it: face name, height (negative = pixel height of the
// characters, positive = cell height), style set, colour, character set and pitch.

#include "AnsiString.h"
#include "TColor.h"

#include <QFont>
#include <cstdint>

enum TFontStyle : std::uint8_t { fsBold = 0, fsItalic = 1, fsUnderline = 2, fsStrikeOut = 3 };

// A style set is one byte with bit n for member n.
struct TFontStyles {
    std::uint8_t bits = 0;
    constexpr bool contains(TFontStyle s) const { return s <= fsStrikeOut && (bits >> s) & 1; }
    constexpr TFontStyles with(TFontStyle s) const {
        return s <= fsStrikeOut ? TFontStyles{std::uint8_t(bits | (1u << s))} : *this;
    }
    constexpr TFontStyles without(TFontStyle s) const {
        return s <= fsStrikeOut ? TFontStyles{std::uint8_t(bits & ~(1u << s))} : *this;
    }
    constexpr bool operator==(const TFontStyles&) const = default;
};

enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };
constexpr std::uint8_t ANSI_CHARSET = 0;
constexpr std::uint8_t DEFAULT_CHARSET = 1;
constexpr std::uint8_t SYMBOL_CHARSET = 2;

class TFont {
public:
    AnsiString Name = "MS Sans Serif";
    int Height = -11;
    TFontStyles Style;
    TColor Color = clWindowText;
    std::uint8_t Charset = DEFAULT_CHARSET;
    TFontPitch Pitch = fpDefault;

    TFont() = default;
    TFont(AnsiString name, int height, TColor color = clWindowText, TFontStyles style = {})
        : Name(std::move(name)), Height(height), Style(style), Color(color) {}

    // Size in points at 96 dots per inch, as the rich edit and printers use it.
    int pointSize() const;
    QFont toQFont() const;
    bool operator==(const TFont&) const = default;
};
