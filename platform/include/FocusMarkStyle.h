// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The application's focus mark: a solid frame two pixels wide in the palette's text colour
// (black on the book's pages, at least 3:1 against any page a colour scheme gives, whose text
// must read on it) around the control with the keyboard focus, in place of the base style's
// thin or dotted one, so that it shows from the back of a classroom.

#include <QProxyStyle>

class FocusMarkStyle : public QProxyStyle {
public:
    static constexpr int Width = 2;

    // Wraps `base`, or the platform's default style when it is null; takes ownership.
    explicit FocusMarkStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};
