// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/orbit/planetname.h"

TPlanetName& TPlanetName::assign(std::string_view text) {
    std::size_t length = text.size();
    if (length > MaxLength) {
        length = MaxLength;
        // A continuation byte at the cut means a character straddles it: drop that character.
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            --length;
    }
    text_.assign(text.data(), length);
    return *this;
}
