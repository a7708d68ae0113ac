// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "PseudoLanguage.h"

namespace {

QChar Accented(QChar c) {
    static const QString plain = "aeiouyAEIOUY";
    static const QString accented = QString::fromUtf8("áéíöüýÅÉÍÖÜÝ");
    const qsizetype i = plain.indexOf(c);
    return i < 0 ? QChar() : accented[i];
}

// The length of a run at `i` that must stay as it is: a placeholder, a tag, an entity or a
// doubled ampersand; 0 where none starts.
qsizetype KeptRun(const QString& text, qsizetype i) {
    const auto at = [&](qsizetype k) { return k < text.size() ? text[k] : QChar(); };
    if (text[i] == '%') {
        qsizetype k = i + 1;
        if (at(k) == 'L')
            ++k;
        if (at(k) == 'n')
            return k + 1 - i;
        while (at(k).isDigit())
            ++k;
        return k > i + 1 && at(k - 1).isDigit() ? k - i : 0;
    }
    if (text[i] == '<') {
        const qsizetype end = text.indexOf('>', i);
        return end < 0 ? 0 : end + 1 - i;
    }
    if (text[i] == '&') {
        if (at(i + 1) == '&')
            return 2;
        qsizetype k = i + 1;
        while (at(k).isLetterOrNumber() || at(k) == '#')
            ++k;
        return at(k) == ';' && k > i + 1 ? k + 1 - i : 0;
    }
    return 0;
}

} // namespace

QString PseudoTranslation(const QString& english) {
    QString out;
    out.reserve(english.size() * 3 / 2);
    for (qsizetype i = 0; i < english.size();) {
        if (const qsizetype kept = KeptRun(english, i)) {
            out += english.mid(i, kept);
            i += kept;
            continue;
        }
        const QChar accented = Accented(english[i]);
        if (accented.isNull()) {
            out += english[i];
        } else {
            out += accented;
            out += accented.toLower();
        }
        ++i;
    }
    return out;
}

bool HasUntranslatedWord(const QString& text) {
    qsizetype run = 0;
    bool plain = true;   // no letter of the word is accented
    bool vowel = false;  // the pseudo-language would have accented one
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const QChar c = i < text.size() ? text[i] : QChar(' ');
        if (c.isLetter()) {
            plain = plain && c.unicode() < 128;
            vowel = vowel || !Accented(c).isNull();
            ++run;
            continue;
        }
        if (plain && vowel && run >= 4)
            return true;
        run = 0;
        plain = true;
        vowel = false;
    }
    return false;
}

QString TPseudoTranslator::translate(const char*, const char* source, const char*, int) const {
    return source ? PseudoTranslation(QString::fromUtf8(source)) : QString();
}
