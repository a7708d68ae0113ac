// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Between the rich edit's format record and Qt's character format. The offset in twips,
// the character set and the pitch travel in properties of their own so that they read back
// exactly; Qt shows the offset through the baseline offset, a percentage of the height.

#include "TCharFormat.h"

#include <QTextCharFormat>
#include <string>

namespace charformat {

// UTF-8 to text; unlike QString::fromUtf8 this keeps a leading U+FEFF, which is a character
// of a run or a face name here, not a byte order mark.
QString fromUtf8(const std::string& utf8);

// The complete format of text with the Qt format; members it leaves unset come from defaults.
TCharFormat fromQt(const QTextCharFormat& format, const TCharFormat& defaults);

// Writes the members that cf's mask names into the Qt format.
void applyToQt(const TCharFormat& cf, QTextCharFormat& format, const TCharFormat& defaults);

// The mask bits whose members differ between two complete formats.
std::uint32_t differences(const TCharFormat& a, const TCharFormat& b);

} // namespace charformat
