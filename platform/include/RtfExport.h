// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Writes paragraphs and runs as RTF: a font table of plain "{\fN\fcharsetC Name;}"
// entries, a colour table, then the text with character formats as changes from run to
// run. Heights and offsets go out in half-points; when a value is not a whole half-point
// the exact twips follow in the private words \fstw, \uptw and \dntw, which other readers
// ignore. Everything past ASCII is escaped. Qt-free.

#include "RtfDocument.h"

#include <string>

namespace rtf {

std::string write(const Document& document);

} // namespace rtf
