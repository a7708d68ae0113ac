// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Moves imported rich text into a Qt text document and takes it back out for export.
// Formats not given by the rich text take the rich edit's default format; bullets become
// disc lists; indents go from twips to the document's pixels (15 twips each).

#include "RtfDocument.h"
#include "TCharFormat.h"

class QTextDocument;

namespace rtf {

// Replaces the document's content.
void load(QTextDocument& target, const Document& content, const TCharFormat& defaults);

// The document's content with every format complete.
Document save(const QTextDocument& source, const TCharFormat& defaults);

} // namespace rtf
