// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/SpectrumText.h"

#include "model/RoundToFigures.h"

#include <cmath>
#include <cstdio>

namespace spectrum {

namespace {

// |x| to three significant figures, without exponent; x must be finite and non-zero.
std::string Figures(double x) {
    const double rounded = RoundToFigures(std::fabs(x), 3, true);
    const int exponent = int(std::floor(std::log10(rounded)));
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", exponent < 2 ? 2 - exponent : 0, rounded);
    return text;
}

std::string Sign(double x) { return x < 0.0 ? "\u2212" : "+"; }

bool Nothing(double x) { return x == 0.0 || !std::isfinite(x); }

// |length| in fm, pm or nm, whichever keeps three figures short.
std::string Length(double length_nm) {
    const double pm = std::fabs(length_nm) * 1e3;
    if (RoundToFigures(pm, 3, true) < 0.01)
        return Figures(pm * 1e3) + " fm";
    if (RoundToFigures(pm, 3, true) < 1000.0)
        return Figures(pm) + " pm";
    return Figures(pm * 1e-3) + " nm";
}

} // namespace

std::string VelocityText(double v_mps) {
    if (Nothing(v_mps))
        return "0 m/s";
    if (RoundToFigures(std::fabs(v_mps), 3, true) < 1000.0)
        return Sign(v_mps) + Figures(v_mps) + " m/s";
    return Sign(v_mps) + Figures(v_mps * 1e-3) + " km/s";
}

std::string ShiftText(double shift_nm) {
    if (Nothing(shift_nm))
        return "0 pm";
    return Sign(shift_nm) + Length(shift_nm);
}

std::string LengthText(double length_nm) {
    if (Nothing(length_nm))
        return "0 pm";
    return Length(length_nm);
}

std::string RatioText(double elements) {
    if (Nothing(elements))
        return "zero";
    const double size = std::fabs(elements);
    if (RoundToFigures(size, 3, true) >= 1.0)
        return Figures(size) + " times it";
    return "1/" + Figures(1.0 / size) + " of it";
}

std::string GroupedText(double whole) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.0f", std::fabs(whole));
    const std::string plain = digits;
    std::string grouped;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (i > 0 && (plain.size() - i) % 3 == 0)
            grouped += "\u2009";
        grouped += plain[i];
    }
    return grouped;
}

std::string MagnificationText(double magnification) {
    return GroupedText(magnification) + "\u00d7";
}

std::string CaptionText(double v_mps) {
    if (Nothing(v_mps))
        return "The star moves neither towards us nor away from us just now, so every line "
               "lies at its rest wavelength.";
    const bool receding = v_mps > 0.0;
    return std::string(receding ? "The star is moving away from us, so its light is stretched: "
                                  "every line lies to the red of its rest wavelength"
                                : "The star is moving towards us, so its light is squeezed: "
                                  "every line lies to the blue of its rest wavelength") +
           ", each by the same fraction v/c of its wavelength. As the planet swings the star "
           "to and fro, the lines swing with it, in step with the velocity graph.";
}

} // namespace spectrum
