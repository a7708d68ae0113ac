// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A run's character format as one record, the way the rich edit exchanges it: effects,
// height and vertical offset in twips, colour, character set, pitch and family, face name,
// and a mask saying which members apply.

#include "AnsiString.h"
#include "TColor.h"
#include "TFont.h"

#include <cstdint>

// Mask bits: which members of a TCharFormat apply.
constexpr std::uint32_t CFM_BOLD = 0x00000001;
constexpr std::uint32_t CFM_ITALIC = 0x00000002;
constexpr std::uint32_t CFM_UNDERLINE = 0x00000004;
constexpr std::uint32_t CFM_STRIKEOUT = 0x00000008;
constexpr std::uint32_t CFM_CHARSET = 0x08000000;
constexpr std::uint32_t CFM_OFFSET = 0x10000000;
constexpr std::uint32_t CFM_FACE = 0x20000000; // the face name with pitch and family
constexpr std::uint32_t CFM_COLOR = 0x40000000;
constexpr std::uint32_t CFM_SIZE = 0x80000000;
constexpr std::uint32_t CFM_EFFECTS = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
constexpr std::uint32_t CFM_ALL = 0xFFFFFFFF;

// Effect bits; bit n is TFontStyle member n.
constexpr std::uint32_t CFE_BOLD = 0x0001;
constexpr std::uint32_t CFE_ITALIC = 0x0002;
constexpr std::uint32_t CFE_UNDERLINE = 0x0004;
constexpr std::uint32_t CFE_STRIKEOUT = 0x0008;

// Pitch in the low bits of PitchAndFamily.
constexpr std::uint8_t DEFAULT_PITCH = 0;
constexpr std::uint8_t FIXED_PITCH = 1;
constexpr std::uint8_t VARIABLE_PITCH = 2;

struct TCharFormat {
    std::uint32_t Mask = 0;
    std::uint32_t Effects = 0;
    int Height_twips = 0;
    int Offset_twips = 0;        // positive raises the text
    TColor Color = clWindowText; // clWindowText: the automatic text colour
    std::uint8_t CharSet = ANSI_CHARSET;
    std::uint8_t PitchAndFamily = DEFAULT_PITCH;
    AnsiString FaceName;
    bool operator==(const TCharFormat&) const = default;
};

// The format that shows text in the font: colour, face, character set, style, size in
// whole points and pitch, with their mask bits; the offset is left alone.
TCharFormat CharFormatOfFont(const TFont& font);
