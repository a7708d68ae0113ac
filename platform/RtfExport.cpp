// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "RtfExport.h"

#include "TextCodec.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace rtf {

namespace {

struct FontKey {
    std::string face;
    std::uint8_t charset;
    std::uint8_t pitchAndFamily;
    bool operator==(const FontKey&) const = default;
};

FontKey fontKey(const CharFormat& f) { return {f.face, f.charset, f.pitchAndFamily}; }

const char* const kFamilyWords[] = {"",          "\\froman",  "\\fswiss",
                                    "\\fmodern", "\\fscript", "\\fdecor"};

class Writer {
public:
    explicit Writer(const Document& doc) : doc_(doc) { collectTables(); }

    std::string run() {
        out_ = "{\\rtf1\\ansi";
        if (useDefaultFont_)
            word("\\deff", 0);
        fontTable();
        colorTable();
        out_ += '\n';
        current_ = plainState();
        for (std::size_t i = 0; i < doc_.paragraphs.size(); ++i) {
            const Paragraph& p = doc_.paragraphs[i];
            paragraphFormat(p.format);
            for (const Run& r : p.runs) {
                charFormat(r.format);
                text(r.text, isSymbolFont(r.format.face, r.format.charset));
            }
            charFormat(p.mark);
            if (i + 1 < doc_.paragraphs.size()) {
                word("\\par");
                out_ += '\n';
                delimit_ = false;
            }
        }
        out_ += '}';
        return std::move(out_);
    }

private:
    const Document& doc_;
    std::vector<FontKey> fonts_;
    std::vector<std::uint32_t> colors_;
    bool useDefaultFont_ = false;
    std::string out_;
    bool delimit_ = false; // the last output was a control word that text must not continue
    CharFormat current_;

    void collectTables() {
        bool allFaces = true;
        const auto note = [&](const CharFormat& f) {
            if (f.face.empty())
                allFaces = false;
            else if (std::find(fonts_.begin(), fonts_.end(), fontKey(f)) == fonts_.end())
                fonts_.push_back(fontKey(f));
            if (f.color_rgb &&
                std::find(colors_.begin(), colors_.end(), *f.color_rgb) == colors_.end())
                colors_.push_back(*f.color_rgb);
        };
        for (const Paragraph& p : doc_.paragraphs) {
            for (const Run& r : p.runs)
                note(r.format);
            note(p.mark);
        }
        // Text without a face must not fall back to the first font.
        useDefaultFont_ = allFaces && !fonts_.empty();
    }

    // What the reader assumes at the start and after \plain.
    CharFormat plainState() const {
        CharFormat f;
        if (useDefaultFont_) {
            f.face = fonts_[0].face;
            f.charset = fonts_[0].charset;
            f.pitchAndFamily = fonts_[0].pitchAndFamily;
        }
        return f;
    }

    void word(const char* w) {
        out_ += w;
        delimit_ = true;
    }

    void word(const char* w, long value) {
        out_ += w;
        out_ += std::to_string(value);
        delimit_ = true;
    }

    void literal(char c) {
        const bool wordChar = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                              (c >= '0' && c <= '9') || c == ' ' || c == '-';
        if (delimit_ && wordChar)
            out_ += ' ';
        out_ += c;
        delimit_ = false;
    }

    void hexByte(int byte) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\'%02x", byte & 0xFF);
        out_ += buf;
        delimit_ = false;
    }

    void text(const std::string& utf8, bool symbol, bool fontName = false) {
        for (std::size_t pos = 0; pos < utf8.size();) {
            long decoded = textcodec::decodeUtf8(utf8, pos);
            if (decoded < 0) {
                decoded = 0xFFFD;
                ++pos;
            }
            character(char32_t(decoded), symbol, fontName);
        }
    }

    void character(char32_t c, bool symbol, bool fontName) {
        if (c == '\\' || c == '{' || c == '}') {
            out_ += '\\';
            out_ += char(c);
            delimit_ = false;
        } else if (c == ';' && fontName) {
            // A face name ends at the semicolon; it cannot hold one.
        } else if (c == '\t' && !fontName) {
            word("\\tab");
        } else if (c == 0x2028 && !fontName) {
            word("\\line");
        } else if (c >= 0x20 && c < 0x7F) {
            literal(char(c));
        } else if (c < 0x80 || (symbol && c <= 0xFF)) {
            hexByte(int(c));
        } else if (const int byte = symbol ? -1 : textcodec::toCp1252(c); byte >= 0) {
            hexByte(byte);
        } else {
            // In a group of its own, so that readers that take \u for underline stop there.
            out_ += '{';
            if (c > 0xFFFF) {
                unicodeWord(0xD800 + ((c - 0x10000) >> 10));
                unicodeWord(0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                unicodeWord(c);
            }
            out_ += '}';
            delimit_ = false;
        }
    }

    void unicodeWord(char32_t unit) {
        word("\\u", unit > 0x7FFF ? long(unit) - 0x10000 : long(unit));
        out_ += '?';
    }

    void fontTable() {
        out_ += "{\\fonttbl";
        for (std::size_t i = 0; i < fonts_.size(); ++i) {
            const FontKey& f = fonts_[i];
            out_ += '{';
            word("\\f", long(i));
            word("\\fcharset", f.charset);
            if (f.pitchAndFamily >> 4 > 0 && f.pitchAndFamily >> 4 <= 5)
                word(kFamilyWords[f.pitchAndFamily >> 4]);
            if ((f.pitchAndFamily & 3) != 0)
                word("\\fprq", f.pitchAndFamily & 3);
            out_ += ' ';
            delimit_ = false;
            text(f.face, false, true);
            out_ += ";}";
            delimit_ = false;
        }
        out_ += '}';
    }

    void colorTable() {
        out_ += "{\\colortbl;";
        for (const std::uint32_t rgb : colors_) {
            word("\\red", rgb & 0xFF);
            word("\\green", (rgb >> 8) & 0xFF);
            word("\\blue", (rgb >> 16) & 0xFF);
            out_ += ';';
        }
        out_ += '}';
        delimit_ = false;
    }

    void paragraphFormat(const ParaFormat& p) {
        word("\\pard");
        switch (p.align) {
        case Align::Left:
            break;
        case Align::Right:
            word("\\qr");
            break;
        case Align::Centre:
            word("\\qc");
            break;
        case Align::Justify:
            word("\\qj");
            break;
        }
        const std::tuple<const char*, int> indents[] = {{"\\li", p.left_twips},
                                                        {"\\ri", p.right_twips},
                                                        {"\\fi", p.firstLine_twips},
                                                        {"\\sb", p.spaceBefore_twips},
                                                        {"\\sa", p.spaceAfter_twips}};
        for (const auto& [name, value] : indents)
            if (value != 0)
                word(name, value);
        if (p.bullet) {
            out_ += "{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}";
            delimit_ = false;
        }
    }

    static long halfPoints(int twips) { return std::max(1L, (long(twips) + 5) / 10); }

    void charFormat(const CharFormat& f) {
        // Only \plain brings back a face or height that is not given.
        if ((f.face.empty() && !current_.face.empty()) ||
            (f.height_twips == 0 && current_.height_twips != 0)) {
            word("\\plain");
            current_ = plainState();
        }
        if (fontKey(f) != fontKey(current_) && !f.face.empty())
            word("\\f", long(std::find(fonts_.begin(), fonts_.end(), fontKey(f)) - fonts_.begin()));
        if (f.height_twips != current_.height_twips) {
            word("\\fs", halfPoints(f.height_twips));
            if (f.height_twips % 10 != 0)
                word("\\fstw", f.height_twips);
        }
        if (f.script != current_.script)
            word(f.script == Script::Super ? "\\super"
                 : f.script == Script::Sub ? "\\sub"
                                           : "\\nosupersub");
        if (f.offset_twips != current_.offset_twips) {
            const long magnitude = std::abs(long(f.offset_twips));
            word(f.offset_twips < 0 ? "\\dn" : "\\up", (magnitude + 5) / 10);
            if (magnitude % 10 != 0)
                word(f.offset_twips < 0 ? "\\dntw" : "\\uptw", magnitude);
        }
        if (f.bold != current_.bold)
            word(f.bold ? "\\b" : "\\b0");
        if (f.italic != current_.italic)
            word(f.italic ? "\\i" : "\\i0");
        if (f.underline != current_.underline)
            word(f.underline ? "\\ul" : "\\ulnone");
        if (f.strike != current_.strike)
            word(f.strike ? "\\strike" : "\\strike0");
        if (f.color_rgb != current_.color_rgb)
            word("\\cf", f.color_rgb
                             ? long(std::find(colors_.begin(), colors_.end(), *f.color_rgb) -
                                    colors_.begin() + 1)
                             : 0L);
        current_ = f;
    }
};

} // namespace

std::string write(const Document& document) { return Writer(document).run(); }

} // namespace rtf
