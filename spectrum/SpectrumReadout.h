// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The spectrum window's readouts and caption in the book's language: each a whole sentence
// for the translator, its numbers to three significant figures in a unit that keeps them
// readable (m/s or km/s; fm, pm or nm), written in the language's convention, signs spelt
// out ("+12.4 m/s (moving away)").

#include <QString>

namespace spectrumreadout {

// |x| to three significant figures, without exponent ("12.4", "0.00657"); x finite, not 0.
QString Figures(double x);
// "+12.4 m/s", "−1.24 km/s", "0 m/s".
QString VelocityText(double v_mps);
// A signed wavelength shift: "+0.0271 pm", "−2.71 fm", "+1.24 nm"; fm below 0.01 pm, nm
// from 1000 pm on; "0 pm" for none.
QString ShiftText(double shift_nm);

// "+12.4 m/s (moving away)".
QString VelocityReadout(double v_mps);
// "+0.0271 pm (to the red) at Hα".
QString ShiftReadout(double shift_nm, const char* lineName);
// "λ/R = 6.56 pm at R = 100 000; the shift is 1/242 of it", for a line at rest_nm and a
// star at v_mps.
QString ResolutionReadout(double rest_nm, double v_mps);
// What the student sees at radial velocity v (m/s).
QString CaptionText(double v_mps);

} // namespace spectrumreadout
