// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "RtfDocument.h"

namespace rtf {

bool isSymbolFont(const std::string& face, std::uint8_t charset) {
    constexpr std::uint8_t kSymbolCharset = 2;
    return charset == kSymbolCharset || face == "Symbol";
}

} // namespace rtf
