// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A text colour for the stream writers (the rich edit writer and the text port). TColor
// itself is an integer, which a writer prints as a number.

#include "TColor.h"

struct TextColor {
    TColor color;
};
