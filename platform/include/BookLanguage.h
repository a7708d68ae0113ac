// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The language the book speaks: Qt's translator for the book's own texts (each language's
// messages compiled from i18n/doppler_<code>.ts into the resources at :/i18n), Qt's translator
// for its own dialogs (qtbase_<code>.qm from Qt's translations folder) and the locale every
// number is written in, so that a page never mixes two conventions. English is the language
// the texts are written in and needs no translation. A language is chosen before any window
// is made: windows take their texts and their locale when they are made.

#include <QString>
#include <span>

struct TBookLanguage {
    const char* code; // ISO 639-1, "de"
    const char* name; // in the language itself, "Deutsch"
};

// The languages the View menu offers: English first, then each whose translation is whole.
std::span<const TBookLanguage> BookLanguages();
const TBookLanguage* FindBookLanguage(const QString& code);

// The language of the system's locale where the book offers it; English otherwise.
QString SystemBookLanguage();

// Whether the book can speak `code`: a language it offers, one whose translation the
// resources hold though it is not yet whole, or PseudoLanguageCode.
bool BookLanguageAvailable(const QString& code);

// The test language: English lengthened and accented (PseudoLanguage.h).
inline constexpr const char* PseudoLanguageCode = "pseudo";

// Makes `code` the language of every text and number made from now on; needs the
// application object and an available language. The pseudo-language writes its numbers as
// German does, so that a number written without the locale shows too.
void UseBookLanguage(const QString& code);
// The language in use; "en" until one is chosen.
QString CurrentBookLanguage();
