// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Conversions between the byte strings the system exchanges (Windows-1252 or UTF-8)
// and Unicode code points. Qt-free, so that the RTF import and export can be fuzzed alone.

#include <string>
#include <string_view>

namespace textcodec {

// The code point of a Windows-1252 byte; undefined bytes map to their Latin-1 code point.
char32_t fromCp1252(unsigned char byte);
// The Windows-1252 byte of a code point, or -1 when the code page has none.
int toCp1252(char32_t code);

// Appends the UTF-8 encoding of a code point (surrogates and values past U+10FFFF as U+FFFD).
void appendUtf8(std::string& out, char32_t code);
// Decodes one UTF-8 sequence at text[pos] and advances pos past it; returns -1 and leaves
// pos unchanged when no complete, well-formed sequence starts there.
long decodeUtf8(std::string_view text, std::size_t& pos);
bool isValidUtf8(std::string_view text);

// A byte string as UTF-8: kept when it is valid UTF-8, else read as Windows-1252.
std::string ansiToUtf8(std::string_view bytes);

} // namespace textcodec
