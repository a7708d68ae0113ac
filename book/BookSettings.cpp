// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookSettings.h"

#include "Zoom.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

const char* const ZoomKey = "View/Zoom";
const char* const FitValue = "fit";
const char* const SystemColoursKey = "Accessibility/SystemColours";
const char* const ScreenReaderKey = "Accessibility/ScreenReader";

} // namespace

QString BookSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/doppler-spectroscopy/doppler-spectroscopy.conf";
}

TBookSettings ReadBookSettings(const QString& file) {
    const QSettings stored(file, QSettings::IniFormat);
    TBookSettings settings;
    bool ok = false;
    const int percent = stored.value(ZoomKey).toString().toInt(&ok);
    if (ok && percent >= zoom::ArgumentSmallest && percent <= zoom::ArgumentLargest)
        settings.Zoom = percent;
    settings.SystemColours = stored.value(SystemColoursKey).toString() == "true";
    settings.ScreenReader = stored.value(ScreenReaderKey).toString() == "true";
    return settings;
}

void WriteBookSettings(const QString& file, const TBookSettings& settings) {
    QSettings stored(file, QSettings::IniFormat);
    stored.setValue(ZoomKey, settings.Zoom ? QString::number(*settings.Zoom) : QString(FitValue));
    stored.setValue(SystemColoursKey, settings.SystemColours ? "true" : "false");
    stored.setValue(ScreenReaderKey, settings.ScreenReader ? "true" : "false");
}
