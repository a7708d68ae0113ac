// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The spectrum window's readouts and caption as text (UTF-8): numbers to three significant
// figures in a unit that keeps them readable, signs spelt out, and the sentence that says
// what the student sees.

#include <string>

namespace spectrum {

// "+12.4 m/s", "-1.24 km/s", "0 m/s".
std::string VelocityText(double v_mps);
// A signed wavelength shift: "+0.0271 pm", "-2.71 fm", "+1.24 nm"; fm below 0.01 pm, nm
// from 1000 pm on; "0 pm" for none.
std::string ShiftText(double shift_nm);
// A length without sign in the same units: "6.56 pm".
std::string LengthText(double length_nm);
// How a shift compares with one resolution element, from their ratio: "1/242 of it",
// "2.42 times it", "zero".
std::string RatioText(double elements);
// A whole number with its digits grouped by threes: "100 000".
std::string GroupedText(double whole);
// A magnification with its digits grouped by threes: "100 000×".
std::string MagnificationText(double magnification);
// What the student sees at radial velocity v (m/s).
std::string CaptionText(double v_mps);

} // namespace spectrum
