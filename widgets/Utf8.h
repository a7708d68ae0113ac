// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Stepping through UTF-8 text by whole characters, so that measuring, chunking and line
// breaking never cut a character's bytes apart. Works on char and const char alike.

namespace utf8 {

// The second and later bytes of a multi-byte character.
inline bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// `p` if a character starts there, else the start of the next character; never past `end`.
template <class Char> Char* CharacterStart(Char* p, Char* end) {
    while (p < end && IsContinuation(*p))
        ++p;
    return p;
}

// The start of the character after the one at `p`; never past `end`.
template <class Char> Char* Next(Char* p, Char* end) { return CharacterStart(p + 1, end); }

// The start of the character before `p`; never before `begin`.
template <class Char> Char* Previous(Char* p, Char* begin) {
    --p;
    while (p > begin && IsContinuation(*p))
        --p;
    return p;
}

} // namespace utf8
