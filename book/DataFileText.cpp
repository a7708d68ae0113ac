// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DataFileText.h"

#include "BookLanguage.h"
#include "BookText.h"
#include "DataFile.h"
#include "TRichEditControl.h"

namespace {

// "Access.de.rtf" for "Access.rtf" in German, where the book has it; the English file
// otherwise.
AnsiString InBookLanguage(const AnsiString& name) {
    const AnsiString language = CurrentBookLanguage().toStdString();
    const std::size_t dot = name.rfind('.');
    if (language == "en" || dot == AnsiString::npos)
        return name;
    const AnsiString translated = name.substr(0, dot) + "." + language + name.substr(dot);
    try {
        FindDataFile(translated);
        return translated;
    } catch (const EFOpenError&) {
        return name;
    }
}

} // namespace

void StreamInDataFile(TRichEditControl& box, const AnsiString& name) {
    const AnsiString file = InBookLanguage(name);
    const AnsiString content = ReadDataFile(file);
    if (content.find_first_not_of(" \t\r\n") == AnsiString::npos)
        box.setPlainText(BookText("Data files", "The file \"%1\" is empty.")
                             .arg(QString::fromStdString(file)));
    else
        box.StreamIn(content);
}
