// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What the book remembers between starts, in a settings file of its own: the zoom ("Fit to
// screen" or a level the reader chose), the language the reader chose (none: the system's)
// and whether it draws in the system's colours. The
// screen reader option is not kept: on a shared account it would stay on for the next user,
// and the book ticks it itself whenever a screen reader runs. A value that does not read (a
// hand-edited file) counts as never written.

#include <QString>
#include <optional>

struct TBookSettings {
    // A zoom level in percent the reader chose; none: "Fit to screen".
    std::optional<int> Zoom;
    bool SystemColours = false;
    // A language the reader chose in View, Language (BookLanguage.h); none: the system's.
    std::optional<QString> Language;

    bool operator==(const TBookSettings&) const = default;
};

// The book's settings file: doppler-spectroscopy/doppler-spectroscopy.conf in the user's
// configuration folder.
QString BookSettingsFile();

// Reads only a regular file, without waiting (a pipe at the path cannot hold the start); any
// other entry, or none, counts as never written.
TBookSettings ReadBookSettings(const QString& file);
// Written whole or not at all, never through a symbolic link nor over anything but a regular
// file; the reason it was not written, or an empty text.
QString WriteBookSettings(const QString& file, const TBookSettings& settings);
// Removes the file (a link at the path, not what it points to); the reason it is still there,
// or an empty text.
QString ForgetBookSettings(const QString& file);
