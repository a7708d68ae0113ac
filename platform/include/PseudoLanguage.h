// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A made-up language for testing a translation before any translator has made one: every text
// that goes through Qt's translation comes back about 40 % longer, as German or French often
// is, with its vowels doubled and accented ("Fit to screen" -> "Fíít töö scréééén"), so that a
// window laid out for English shows where a longer language will not fit, and an English word
// left on screen is one that never went through translation. Placeholders (%1, %n, %L1),
// mnemonics (&&), markup (<b>) and entities (&amp;) are kept as they are.

#include <QString>
#include <QTranslator>

QString PseudoTranslation(const QString& english);

// Whether a text shows a word of four or more unaccented letters, a vowel among them, that
// the pseudo-language would have changed: English that did not go through translation.
// ("Ctrl" has no vowel to change and is not found.)
bool HasUntranslatedWord(const QString& text);

class TPseudoTranslator final : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};
