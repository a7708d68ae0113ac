// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "spectrum/SpectrumReadout.h"

#include "model/spectrum/Spectrum.h"
#include "model/spectrum/SpectrumText.h"
#include "model/text/RoundToFigures.h"

#include "BookText.h"
#include "NumberText.h"

#include <cmath>

namespace spectrumreadout {

namespace {

QString Sign(double x) { return x < 0.0 ? QString(QChar(0x2212)) : QString("+"); }

bool Nothing(double x) { return x == 0.0 || !std::isfinite(x); }

// |length| in fm, pm or nm, whichever keeps three figures short.
QString Length(double length_nm) {
    const double pm = std::fabs(length_nm) * 1e3;
    if (RoundToFigures(pm, 3, true) < 0.01)
        return Figures(pm * 1e3) + " fm";
    if (RoundToFigures(pm, 3, true) < 1000.0)
        return Figures(pm) + " pm";
    return Figures(pm * 1e-3) + " nm";
}

} // namespace

QString Figures(double x) {
    const double rounded = RoundToFigures(std::fabs(x), 3, true);
    const int exponent = int(std::floor(std::log10(rounded)));
    return FixedText(rounded, exponent < 2 ? 2 - exponent : 0);
}

QString VelocityText(double v_mps) {
    if (Nothing(v_mps))
        return "0 m/s";
    if (RoundToFigures(std::fabs(v_mps), 3, true) < 1000.0)
        return Sign(v_mps) + Figures(v_mps) + " m/s";
    return Sign(v_mps) + Figures(v_mps * 1e-3) + " km/s";
}

QString ShiftText(double shift_nm) {
    if (Nothing(shift_nm))
        return "0 pm";
    return Sign(shift_nm) + Length(shift_nm);
}

QString VelocityReadout(double v_mps) {
    const QString v = VelocityText(v_mps);
    if (v_mps > 0.0)
        return BookText("Spectrum window", "%1 (moving away)", "the star's radial velocity").arg(v);
    if (v_mps < 0.0)
        return BookText("Spectrum window", "%1 (approaching)", "the star's radial velocity").arg(v);
    return v;
}

QString ShiftReadout(double shift_nm, const char* lineName) {
    const QString shift = ShiftText(shift_nm);
    const QString line = QString::fromUtf8(lineName);
    if (shift_nm > 0.0)
        return BookText("Spectrum window", "%1 (to the red) at %2", "a line's shift, and the line")
            .arg(shift, line);
    if (shift_nm < 0.0)
        return BookText("Spectrum window", "%1 (to the blue) at %2", "a line's shift, and the line")
            .arg(shift, line);
    return BookText("Spectrum window", "%1 at %2", "a line's shift, and the line").arg(shift, line);
}

QString ResolutionReadout(double rest_nm, double v_mps) {
    using namespace spectrum;
    const QString element = Nothing(ResolutionElement_nm(rest_nm))
                                ? QString("0 pm")
                                : Length(ResolutionElement_nm(rest_nm));
    const QString power = QString::fromStdString(GroupedText(ResolvingPower));
    const double elements = ShiftInResolutionElements(v_mps);
    if (Nothing(elements))
        return BookText("Spectrum window", "λ/R = %1 at R = %2; the shift is zero",
                        "the resolution element at the spectrograph's resolving power R")
            .arg(element, power);
    const double size = std::fabs(elements);
    if (RoundToFigures(size, 3, true) >= 1.0)
        return BookText("Spectrum window", "λ/R = %1 at R = %2; the shift is %3 times it",
                        "the resolution element at the spectrograph's resolving power R")
            .arg(element, power, Figures(size));
    return BookText("Spectrum window", "λ/R = %1 at R = %2; the shift is 1/%3 of it",
                    "the resolution element at the spectrograph's resolving power R")
        .arg(element, power, Figures(1.0 / size));
}

QString CaptionText(double v_mps) {
    if (Nothing(v_mps))
        return BookText("Spectrum window",
                        "The star moves neither towards us nor away from us just now, "
                        "so every line lies at its rest wavelength.");
    if (v_mps > 0.0)
        return BookText("Spectrum window",
                        "The star is moving away from us, so its light is stretched: every line "
                        "lies to the red of its rest wavelength, each by the same fraction v/c "
                        "of its wavelength. As the planet swings the star to and fro, the lines "
                        "swing with it, in step with the velocity graph.");
    return BookText("Spectrum window",
                    "The star is moving towards us, so its light is squeezed: every line lies "
                    "to the blue of its rest wavelength, each by the same fraction v/c of its "
                    "wavelength. As the planet swings the star to and fro, the lines swing with "
                    "it, in step with the velocity graph.");
}

} // namespace spectrumreadout
