// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A file the student asked the book to write (work, measurements, a fit, a picture, a
// printout), written whole or not at all through WriteRegularFile.

#include "AnsiString.h"

#include <QByteArray>
#include <QString>
#include <string_view>

// Writes bytes to path; the reason it failed as a clause to follow "was not saved: " ("no
// space left on device"), or an empty text when the file was written.
QString SaveWholeFile(const QString& path, std::string_view bytes);
QString SaveWholeFile(const QString& path, const QByteArray& bytes);
// A cause as the system words it ("No space left on device.") as a clause of a sentence.
QString CauseClause(const AnsiString& cause);
