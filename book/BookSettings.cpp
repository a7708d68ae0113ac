// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookSettings.h"

#include "BookLanguage.h"
#include "BookText.h"
#include "RegularFile.h"
#include "SavedFile.h"
#include "Zoom.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QStringList>
#include <map>

namespace {

const char* const ZoomKey = "View/Zoom";
const char* const FitValue = "fit";
const char* const LanguageKey = "View/Language";
const char* const SystemColoursKey = "Accessibility/SystemColours";
// Far more than the few lines the book writes; a larger file is not the book's.
constexpr std::size_t MaxSettingsBytes = 64 * 1024;

// The values of an INI file by "Section/Key", as the book writes them.
std::map<QString, QString> IniValues(const QString& text) {
    std::map<QString, QString> values;
    QString section;
    for (QString line : text.split(QRegularExpression("\r\n|\r|\n"))) {
        line = line.trimmed();
        if (line.startsWith('[') && line.endsWith(']'))
            section = line.mid(1, line.size() - 2).trimmed();
        else if (const qsizetype equals = line.indexOf('='); equals > 0 && !line.startsWith(';'))
            values[section + '/' + line.left(equals).trimmed()] = line.mid(equals + 1).trimmed();
    }
    return values;
}

} // namespace

QString BookSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/doppler-spectroscopy/doppler-spectroscopy.conf";
}

TBookSettings ReadBookSettings(const QString& file) {
    TBookSettings settings;
    AnsiString bytes;
    try {
        bytes = ReadRegularFile(QFile::encodeName(file).toStdString(), MaxSettingsBytes);
    } catch (const EFOpenError&) {
        return settings; // none, or not one the book can have written
    }
    const std::map<QString, QString> stored =
        IniValues(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())));
    const auto value = [&stored](const char* key) {
        const auto found = stored.find(key);
        return found == stored.end() ? QString() : found->second;
    };
    bool ok = false;
    const int percent = value(ZoomKey).toInt(&ok);
    if (ok && percent >= zoom::ArgumentSmallest && percent <= zoom::ArgumentLargest)
        settings.Zoom = percent;
    settings.SystemColours = value(SystemColoursKey) == "true";
    if (const QString language = value(LanguageKey); BookLanguageAvailable(language))
        settings.Language = language;
    return settings;
}

QString WriteBookSettings(const QString& file, const TBookSettings& settings) {
    const QString text =
        QString("[View]\nZoom=%1\n%2\n[Accessibility]\nSystemColours=%3\n")
            .arg(settings.Zoom ? QString::number(*settings.Zoom) : QString(FitValue),
                 settings.Language ? "Language=" + *settings.Language + "\n" : QString(),
                 settings.SystemColours ? "true" : "false");
    QDir().mkpath(QFileInfo(file).absolutePath());
    const AnsiString cause = WriteRegularFile(QFile::encodeName(file).toStdString(),
                                              text.toStdString(), TLinkRule::Refuse);
    if (cause.empty())
        return {};
    return BookText("Book window", "The book's settings were not saved: %1.")
        .arg(CauseClause(cause));
}

QString ForgetBookSettings(const QString& file) {
    QFile settings(file);
    if (!QFileInfo(file).isSymLink() && !settings.exists())
        return {};
    if (settings.remove())
        return {};
    return BookText("Book window", "The book's settings were not forgotten: %1.")
        .arg(settings.errorString());
}
