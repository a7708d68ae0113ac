// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "colourmatch.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

namespace {

// The pixel format that stands for a display of `depth` bits per pixel; a palette display
// is taken as 12-bit colour, the nearest a paletted picture can promise.
QImage::Format DisplayFormat(int depth) {
    if (depth >= 24)
        return QImage::Format_RGB32;
    if (depth >= 16)
        return QImage::Format_RGB16;
    if (depth == 15)
        return QImage::Format_RGB555;
    return QImage::Format_RGB444;
}

} // namespace

TColor DisplayColourAtDepth(int red, int green, int blue, int depth) {
    QImage source(1, 1, QImage::Format_RGB888);
    source.setPixelColor(0, 0, QColor(red & 0xFF, green & 0xFF, blue & 0xFF));
    QImage display(1, 1, DisplayFormat(depth));
    {
        QPainter p(&display);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, source);
    }
    return fromQColor(display.pixelColor(0, 0));
}

TColor DisplayColour(int red, int green, int blue) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return DisplayColourAtDepth(red, green, blue, screen ? screen->depth() : 32);
}
