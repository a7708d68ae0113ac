// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The application's style, drawing with palettes whose cache keys stay the same for the same
// colours. The style keeps pictures of sliders, scroll bars and buttons in Qt's pixmap cache
// under names that include the palette's cache key, and every widget that gets a palette of
// its own gets a new key, even for colours seen before. Each window opened again therefore
// added new names, and the pixmap cache keeps every name it was ever given (clearing it or
// evicting a picture does not drop the name): the book grew by tens of kilobytes with every
// chapter opened. Drawing with one palette per set of colours keeps the names to a few.

#include <QPalette>
#include <QProxyStyle>
#include <deque>

class StablePaletteStyle : public QProxyStyle {
public:
    // Wraps `base`, or the platform's default style when it is null; takes ownership.
    explicit StablePaletteStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

    // The palette kept for p's colours: p's first equal seen, whose cache key never changes.
    const QPalette& Stable(const QPalette& p) const;

    // More sets of colours than the book uses; beyond it the oldest is forgotten.
    static constexpr std::size_t MaxPalettes = 64;

private:
    mutable std::deque<QPalette> palettes_;
};
