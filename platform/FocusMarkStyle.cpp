// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "FocusMarkStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace {

void DrawMark(const QStyleOption& option, QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(option.palette.color(QPalette::WindowText));
    const QRect r = option.rect;
    const int w = FocusMarkStyle::Width;
    painter.drawRect(r.left(), r.top(), r.width(), w);
    painter.drawRect(r.left(), r.bottom() - w + 1, r.width(), w);
    painter.drawRect(r.left(), r.top() + w, w, r.height() - 2 * w);
    painter.drawRect(r.right() - w + 1, r.top() + w, w, r.height() - 2 * w);
    painter.restore();
}

bool Focused(const QStyleOption* option) {
    return option && (option->state & QStyle::State_HasFocus) && (option->state & QStyle::State_Enabled);
}

} // namespace

FocusMarkStyle::FocusMarkStyle(QStyle* base) : QProxyStyle(base) {}

void FocusMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameFocusRect) {
        if (option)
            DrawMark(*option, *painter);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // A text field draws its focus as its frame's colour alone.
    if (element == PE_FrameLineEdit && Focused(option))
        DrawMark(*option, *painter);
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && Focused(option))
        DrawMark(*option, *painter);
}

void FocusMarkStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if ((control == CC_Slider || control == CC_ComboBox || control == CC_SpinBox) && Focused(option))
        DrawMark(*option, *painter);
}
