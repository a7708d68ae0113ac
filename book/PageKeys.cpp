// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "PageKeys.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QScrollBar>

TPageTurn PageTurnOf(const QKeyEvent& e) {
    const Qt::KeyboardModifiers modifiers = e.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        if (e.key() == Qt::Key_PageDown)
            return TPageTurn::Forward;
        if (e.key() == Qt::Key_PageUp)
            return TPageTurn::Back;
    } else if (modifiers == Qt::AltModifier) {
        if (e.key() == Qt::Key_Right)
            return TPageTurn::Forward;
        if (e.key() == Qt::Key_Left)
            return TPageTurn::Back;
    }
    return TPageTurn::None;
}

bool WouldTakeKey(QWidget& focus, const QKeyEvent& e) {
    QKeyEvent asked(QEvent::ShortcutOverride, e.key(), e.modifiers(), e.text());
    asked.ignore();
    QApplication::sendEvent(&focus, &asked);
    if (asked.isAccepted())
        return true;
    if (e.key() != Qt::Key_PageUp && e.key() != Qt::Key_PageDown)
        return false;
    if (qobject_cast<QAbstractSlider*>(&focus) || qobject_cast<QAbstractSpinBox*>(&focus) ||
        qobject_cast<QComboBox*>(&focus))
        return true;
    const auto* area = qobject_cast<QAbstractScrollArea*>(&focus);
    return area && area->verticalScrollBar()->maximum() > area->verticalScrollBar()->minimum();
}
