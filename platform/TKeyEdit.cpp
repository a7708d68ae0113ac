// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TKeyEdit.h"

#include <QKeyEvent>

namespace {

constexpr char Backspace = 8;
constexpr char Enter = 13;
constexpr char Escape = 27;

// The character a key press types, or 0 for a key that types none.
char TypedCharacter(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Escape:
        return Escape;
    default:
        break;
    }
    const QString text = e.text();
    if (text.size() != 1 || text[0].unicode() < 0x20 || text[0].unicode() > 0xFF ||
        text[0].unicode() == 0x7F)
        return 0;
    return static_cast<char>(text[0].unicode());
}

} // namespace

TKeyEdit::TKeyEdit(QWidget* parent) : QLineEdit(parent) {}

void TKeyEdit::keyPressEvent(QKeyEvent* e) {
    const char typed = TypedCharacter(*e);
    if (!OnKeyPress || typed == 0 || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    char key = typed;
    OnKeyPress(this, key);
    if (key == 0) {
        e->accept();
        return;
    }
    if (key == typed) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    // The handler typed another character in place of this one.
    const QString text = key == Backspace || key == Enter || key == Escape
                             ? QString()
                             : QString(QChar(static_cast<unsigned char>(key)));
    const int code = key == Backspace ? Qt::Key_Backspace
                     : key == Enter   ? Qt::Key_Return
                     : key == Escape  ? Qt::Key_Escape
                                      : 0;
    QKeyEvent replaced(QEvent::KeyPress, code, Qt::NoModifier, text);
    QLineEdit::keyPressEvent(&replaced);
}
