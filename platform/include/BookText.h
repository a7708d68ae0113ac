// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A text in the book's language (BookLanguage.h): Qt's translation of `english` in `context`,
// the English itself where the language has none. The translation tool knows BookText as it
// knows QCoreApplication::translate, so every call with literal texts is offered to
// translators: `context` groups a window's texts, `note` tells a translator which sense of an
// ambiguous word is meant (a "period" of an orbit), and `n` picks the plural form of a text
// with %n.

#include <QCoreApplication>
#include <QString>

inline QString BookText(const char* context, const char* english, const char* note = nullptr,
                        int n = -1) {
    return QCoreApplication::translate(context, english, note, n);
}
