// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TextCodec.h"

namespace textcodec {

namespace {

// Code points of the bytes 0x80..0x9F; zero marks a byte the code page leaves undefined.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

char32_t fromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0 && kCp1252High[byte - 0x80] != 0)
        return kCp1252High[byte - 0x80];
    return byte;
}

int toCp1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return int(code);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] != 0 && kCp1252High[i] == code)
            return 0x80 + i;
    // The undefined bytes travel as their Latin-1 code points.
    if (code >= 0x80 && code < 0xA0 && kCp1252High[code - 0x80] == 0)
        return int(code);
    return -1;
}

void appendUtf8(std::string& out, char32_t code) {
    if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        code = 0xFFFD;
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

long decodeUtf8(std::string_view text, std::size_t& pos) {
    if (pos >= text.size())
        return -1;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length;
    char32_t code;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return -1;
    }
    if (pos + length > text.size())
        return -1;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return -1;
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not UTF-8.
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return -1;
    pos += length;
    return long(code);
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();)
        if (decodeUtf8(text, pos) < 0)
            return false;
    return true;
}

std::string ansiToUtf8(std::string_view bytes) {
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes)
        appendUtf8(out, fromCp1252(static_cast<unsigned char>(c)));
    return out;
}

} // namespace textcodec
