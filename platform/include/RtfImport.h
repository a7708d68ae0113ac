// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Reads Rich Text Format into paragraphs and runs: the common hand-written subset
// (font and colour tables, character and paragraph properties, escapes, Unicode,
// bullets), skipping destinations it does not show. Malformed input is read as far as it
// makes sense; nesting, table sizes and values are bounded. Qt-free.

#include "RtfDocument.h"

#include <optional>
#include <string_view>

namespace rtf {

// True when the bytes start, after white space or a UTF-8 byte order mark, with "{\rtf".
bool looksLikeRtf(std::string_view bytes);

// The document held by the bytes, or nothing when they are not RTF.
std::optional<Document> parse(std::string_view bytes);

} // namespace rtf
