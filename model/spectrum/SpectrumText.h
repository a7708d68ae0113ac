// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The spectrum's large whole numbers as text (UTF-8), the digits grouped by threes with thin
// spaces; the readouts in the book's language are spectrum/SpectrumReadout.h's.

#include <string>

namespace spectrum {

// A whole number with its digits grouped by threes: "100 000".
std::string GroupedText(double whole);
// A magnification with its digits grouped by threes: "100 000×".
std::string MagnificationText(double magnification);

} // namespace spectrum
