// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TColor.h"

#include <QApplication>
#include <QPalette>

TColor ColorToRGB(TColor c) {
    if (!isSystemColor(c))
        return c & 0xFFFFFF;
    const QPalette pal = QApplication::palette();
    QColor q;
    switch (c & 0xFF) {
    case 5:
        q = pal.color(QPalette::Active, QPalette::Base);
        break;
    case 6:
        q = pal.color(QPalette::Active, QPalette::Shadow);
        break;
    case 8:
        q = pal.color(QPalette::Active, QPalette::Text);
        break;
    case 13:
        q = pal.color(QPalette::Active, QPalette::Highlight);
        break;
    case 14:
        q = pal.color(QPalette::Active, QPalette::HighlightedText);
        break;
    case 15:
        q = pal.color(QPalette::Active, QPalette::Button);
        break;
    default:
        q = pal.color(QPalette::Active, QPalette::Window);
        break;
    }
    return fromQColor(q);
}

QColor toQColor(TColor c) {
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor fromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }
