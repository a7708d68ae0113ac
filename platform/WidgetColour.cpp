// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "WidgetColour.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

double RelativeLuminance(const QColor& c) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lightest shade of `hue` (its channels scaled down alike) that reads on `background`.
QColor ReadableShade(const QColor& hue, const QColor& background) {
    for (int k = 255; k > 0; --k) {
        const QColor shade(hue.red() * k / 255, hue.green() * k / 255, hue.blue() * k / 255);
        if (Contrast(shade, background) >= MinimumTextContrast)
            return shade;
    }
    return Qt::black;
}

} // namespace

void SetWidgetColour(QWidget& widget, TColor colour) {
    QPalette pal = widget.palette();
    const QColor c = toQColor(colour);
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::Base, c);
    widget.setPalette(pal);
    widget.setAutoFillBackground(true);
    widget.update();
}

TColor WidgetColour(const QWidget& widget) {
    return fromQColor(widget.palette().color(QPalette::Window));
}

void SetWidgetTextColour(QWidget& widget, TColor colour) {
    QPalette pal = widget.palette();
    const QColor c = toQColor(colour);
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    widget.setPalette(pal);
}

double ContrastRatio(TColor a, TColor b) { return Contrast(toQColor(a), toQColor(b)); }

double ContrastRatio(const QColor& a, const QColor& b) { return Contrast(a, b); }

void SetColouredControl(QWidget& widget, TColor colour) {
    const QColor swatch = toQColor(colour);
    const QColor faded((swatch.red() + 255) / 2, (swatch.green() + 255) / 2,
                       (swatch.blue() + 255) / 2);
    const QColor text =
        Contrast(Qt::black, swatch) >= Contrast(Qt::white, swatch) ? Qt::black : Qt::white;
    const QColor dimmed = ReadableShade(swatch, faded);
    QPalette pal = widget.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            pal.setColor(group, role, disabled ? faded : swatch);
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            pal.setColor(group, role, disabled ? dimmed : text);
    }
    widget.setPalette(pal);
    widget.setAutoFillBackground(true);
    widget.update();
}
