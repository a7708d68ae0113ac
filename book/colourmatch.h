// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The colour the display really shows for a design colour. On a true-colour display
// this is the triple itself; on a display with fewer colours, the colour it would use.

#include "TColor.h"

// At the primary screen's depth.
TColor DisplayColour(int red, int green, int blue);
// On a display of `depth` bits per pixel: 24 and more show every colour, 16 and 15 keep
// 5 or 6 bits a component, a palette display (fewer bits) about 4.
TColor DisplayColourAtDepth(int red, int green, int blue, int depth);
