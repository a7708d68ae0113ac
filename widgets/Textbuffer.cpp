// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Textbuffer.h"

void oTextBuffer::reset() {
    str(AnsiString());
    clear();
}

std::ostream& operator<<(std::ostream& out, oTextBuffer& buffer) {
    buffer.clear();
    buffer.seekg(0);
    // Inserting an empty stream buffer would mark the target stream as failed.
    if (buffer.rdbuf()->in_avail() > 0)
        out << buffer.rdbuf();
    return out;
}
