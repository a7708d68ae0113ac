// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Rounding a number to significant figures, as the book writes its readouts.

// x rounded (nearest = true) or truncated (nearest = false) to the given number of
// significant figures, 1 to 308. Magnitudes of exactly 10^figures keep figures + 1 digits.
// Infinities are returned unchanged; a value that is not a number stops the program.
double RoundToFigures(double x, int figures, bool nearest);
