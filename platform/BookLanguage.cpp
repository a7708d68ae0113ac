// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookLanguage.h"

#include "Precondition.h"
#include "PseudoLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <memory>

namespace {

// Each whole: the test translation_files_are_finished fails while one has an unfinished text.
constexpr std::array<TBookLanguage, 4> Languages{
    {{"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}}};

QString BookTranslationFile(const QString& code) { return ":/i18n/doppler_" + code + ".qm"; }

// The translators in use, replaced by the next choice.
std::unique_ptr<QTranslator> bookTranslator;
std::unique_ptr<QTranslator> qtTranslator;
QString current = "en";

QLocale NumberLocale(const QString& code) {
    QLocale locale(code == PseudoLanguageCode ? QString("de") : code);
    // "1234.5", not "1,234.5": the book writes no thousands separators, as its spin boxes do not.
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

std::span<const TBookLanguage> BookLanguages() { return Languages; }

const TBookLanguage* FindBookLanguage(const QString& code) {
    for (const TBookLanguage& language : Languages)
        if (code == language.code)
            return &language;
    return nullptr;
}

QString SystemBookLanguage() {
    const QString code = QLocale::languageToCode(QLocale::system().language());
    return FindBookLanguage(code) ? code : QString("en");
}

bool BookLanguageAvailable(const QString& code) {
    return FindBookLanguage(code) || code == PseudoLanguageCode ||
           (!code.isEmpty() && QFile::exists(BookTranslationFile(code)));
}

void UseBookLanguage(const QString& code) {
    PRECONDITION(QCoreApplication::instance() && BookLanguageAvailable(code));
    for (std::unique_ptr<QTranslator>* t : {&bookTranslator, &qtTranslator})
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    if (code == PseudoLanguageCode) {
        bookTranslator = std::make_unique<TPseudoTranslator>();
    } else if (code != "en") {
        bookTranslator = std::make_unique<QTranslator>();
        if (!bookTranslator->load(BookTranslationFile(code)))
            bookTranslator.reset();
        qtTranslator = std::make_unique<QTranslator>();
        if (!qtTranslator->load("qtbase_" + code,
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qtTranslator.reset();
    }
    if (bookTranslator)
        QCoreApplication::installTranslator(bookTranslator.get());
    if (qtTranslator)
        QCoreApplication::installTranslator(qtTranslator.get());
    QLocale::setDefault(NumberLocale(code));
    current = code;
}

QString CurrentBookLanguage() { return current; }
