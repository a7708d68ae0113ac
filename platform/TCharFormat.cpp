// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TCharFormat.h"

TCharFormat CharFormatOfFont(const TFont& font) {
    TCharFormat f;
    f.Mask = CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_EFFECTS | CFM_SIZE;
    f.Color = font.Color;
    f.FaceName = font.Name;
    f.CharSet = font.Charset;
    f.Effects = font.Style.bits & CFM_EFFECTS;
    f.Height_twips = font.pointSize() * 20;
    f.PitchAndFamily = font.Pitch == fpFixed      ? FIXED_PITCH
                       : font.Pitch == fpVariable ? VARIABLE_PITCH
                                                  : DEFAULT_PITCH;
    return f;
}
