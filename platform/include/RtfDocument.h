// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Rich text as the RTF import produces it and the RTF export consumes it: paragraphs of
// runs of UTF-8 text, each with its character format. Qt-free; the rich edit control
// converts between this and its text document.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rtf {

enum class Align : std::uint8_t { Left, Right, Centre, Justify };

struct ParaFormat {
    Align align = Align::Left;
    int left_twips = 0;
    int right_twips = 0;
    int firstLine_twips = 0; // relative to the left indent
    int spaceBefore_twips = 0;
    int spaceAfter_twips = 0;
    bool bullet = false;
    bool operator==(const ParaFormat&) const = default;
};

// Word-style sub/superscript, which sizes and places the text relative to its height.
enum class Script : std::uint8_t { None, Super, Sub };

// A character format. Members left at their "not given" value take the rich edit's
// default format: an empty face, a zero height, no colour.
struct CharFormat {
    std::string face;
    std::uint8_t charset = 0;
    std::uint8_t pitchAndFamily = 0;
    int height_twips = 0;
    int offset_twips = 0; // positive raises the text
    Script script = Script::None;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    std::optional<std::uint32_t> color_rgb; // r + 256 g + 65536 b
    bool operator==(const CharFormat&) const = default;
};

struct Run {
    CharFormat format;
    std::string text; // UTF-8; tab as '\t', a line break inside the paragraph as U+2028
    bool operator==(const Run&) const = default;
};

struct Paragraph {
    ParaFormat format;
    std::vector<Run> runs;
    CharFormat mark; // the format of the paragraph's end, which an empty paragraph shows
    bool operator==(const Paragraph&) const = default;
};

struct Document {
    std::vector<Paragraph> paragraphs;
    bool operator==(const Document&) const = default;
};

// Text in a font of the symbol character set keeps the font's own byte values.
bool isSymbolFont(const std::string& face, std::uint8_t charset);

} // namespace rtf
