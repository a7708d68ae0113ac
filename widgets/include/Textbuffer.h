// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// An in-memory character stream: text is written into it with <<, read back as one string
// and emptied with reset(). Writing a buffer into another stream replays its whole text,
// which is how the text port's paint boxes repeat what they were given. (An AnsiString
// goes into a stream with the standard insertion.) Qt-free.

#include "AnsiString.h"

#include <ostream>
#include <sstream>

class oTextBuffer : public std::stringstream {
public:
    oTextBuffer() = default;

    // Empties the buffer; writing and reading both start again at the beginning.
    void reset();
    // Everything written since the last reset.
    operator AnsiString() const { return str(); }
};

// Rewinds the buffer's read position and copies every character to the stream.
std::ostream& operator<<(std::ostream& out, oTextBuffer& buffer);
