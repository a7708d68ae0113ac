// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "RtfImport.h"

#include "TextCodec.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace rtf {

namespace {

// Bounds that keep hostile input from costing more than its own size.
constexpr std::size_t kMaxDepth = 200;
constexpr std::size_t kMaxFonts = 1000;
constexpr std::size_t kMaxColors = 1000;
constexpr std::size_t kMaxFaceBytes = 200;
constexpr int kMaxIndent_twips = 31680; // 22 inches, the largest RTF page
// 144 pt: more than any heading a page of the book can use. Larger letters gain nothing and
// make the text layout take minutes over a few kilobytes of words wider than the page.
constexpr int kMaxHeight_twips = 2880;
constexpr int kMaxOffset_twips = 32767;
constexpr int kMaxWordLetters = 32;

enum class Dest : std::uint8_t { Text, Skip, FontTable, ColorTable, Numbering };

// Character properties as the groups carry them; fonts and colours are table numbers.
struct CharState {
    int font = -1; // -1: the document's default font
    int height_twips = 0;
    int offset_twips = 0;
    Script script = Script::None;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int color = 0; // 0: automatic
    bool operator==(const CharState&) const = default;
};

struct State {
    Dest dest = Dest::Text;
    CharState chr;
    ParaFormat para;
    int unicodeSkip = 1; // \uc: fallback characters after each \u
    bool numberingBullet = true;
};

struct FontEntry {
    std::string name;
    std::uint8_t charset = 0;
    std::uint8_t pitchAndFamily = 0;
    bool nameDone = false;
};

enum class Kw : std::uint8_t {
    // text
    Par,
    Line,
    Tab,
    Char,
    Unicode,
    UnicodeSkip,
    Bin,
    // character properties
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Font,
    FontSize,
    FontSizeTwips,
    Color,
    Up,
    Down,
    UpTwips,
    DownTwips,
    Super,
    Sub,
    NoSuperSub,
    Plain,
    Hidden,
    // paragraph properties
    Pard,
    AlignLeft,
    AlignRight,
    AlignCentre,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    // document, tables and numbering
    DefaultFont,
    FontTable,
    ColorTable,
    Charset,
    Pitch,
    Family,
    Red,
    Green,
    Blue,
    Numbering,
    NumberingBullet,
    NumberingContinue,
    SkipDest
};

struct KeywordInfo {
    Kw kind;
    int value = 0; // the character of Kw::Char, the family of Kw::Family
};

const std::unordered_map<std::string_view, KeywordInfo>& keywords() {
    static const std::unordered_map<std::string_view, KeywordInfo> table = [] {
        std::unordered_map<std::string_view, KeywordInfo> t = {
            {"par", {Kw::Par}},
            {"sect", {Kw::Par}},
            {"page", {Kw::Par}},
            {"row", {Kw::Par}},
            {"line", {Kw::Line}},
            {"tab", {Kw::Tab}},
            {"cell", {Kw::Tab}},
            {"emdash", {Kw::Char, 0x2014}},
            {"endash", {Kw::Char, 0x2013}},
            {"emspace", {Kw::Char, 0x2003}},
            {"enspace", {Kw::Char, 0x2002}},
            {"qmspace", {Kw::Char, 0x2005}},
            {"bullet", {Kw::Char, 0x2022}},
            {"lquote", {Kw::Char, 0x2018}},
            {"rquote", {Kw::Char, 0x2019}},
            {"ldblquote", {Kw::Char, 0x201C}},
            {"rdblquote", {Kw::Char, 0x201D}},
            {"u", {Kw::Unicode}},
            {"uc", {Kw::UnicodeSkip}},
            {"bin", {Kw::Bin}},
            {"b", {Kw::Bold}},
            {"i", {Kw::Italic}},
            {"ul", {Kw::Underline}},
            {"uld", {Kw::Underline}},
            {"uldb", {Kw::Underline}},
            {"uldash", {Kw::Underline}},
            {"uldashd", {Kw::Underline}},
            {"uldashdd", {Kw::Underline}},
            {"ulw", {Kw::Underline}},
            {"ulth", {Kw::Underline}},
            {"ulwave", {Kw::Underline}},
            {"ulnone", {Kw::UnderlineNone}},
            {"strike", {Kw::Strike}},
            {"striked", {Kw::Strike}},
            {"f", {Kw::Font}},
            {"fs", {Kw::FontSize}},
            {"fstw", {Kw::FontSizeTwips}},
            {"cf", {Kw::Color}},
            {"up", {Kw::Up}},
            {"dn", {Kw::Down}},
            {"uptw", {Kw::UpTwips}},
            {"dntw", {Kw::DownTwips}},
            {"super", {Kw::Super}},
            {"sub", {Kw::Sub}},
            {"nosupersub", {Kw::NoSuperSub}},
            {"plain", {Kw::Plain}},
            {"v", {Kw::Hidden}},
            {"pard", {Kw::Pard}},
            {"ql", {Kw::AlignLeft}},
            {"qr", {Kw::AlignRight}},
            {"qc", {Kw::AlignCentre}},
            {"qj", {Kw::AlignJustify}},
            {"li", {Kw::LeftIndent}},
            {"ri", {Kw::RightIndent}},
            {"fi", {Kw::FirstIndent}},
            {"sb", {Kw::SpaceBefore}},
            {"sa", {Kw::SpaceAfter}},
            {"deff", {Kw::DefaultFont}},
            {"fonttbl", {Kw::FontTable}},
            {"colortbl", {Kw::ColorTable}},
            {"fcharset", {Kw::Charset}},
            {"fprq", {Kw::Pitch}},
            {"fnil", {Kw::Family, 0}},
            {"froman", {Kw::Family, 1}},
            {"fswiss", {Kw::Family, 2}},
            {"fmodern", {Kw::Family, 3}},
            {"fscript", {Kw::Family, 4}},
            {"fdecor", {Kw::Family, 5}},
            {"ftech", {Kw::Family, 5}},
            {"fbidi", {Kw::Family, 0}},
            {"red", {Kw::Red}},
            {"green", {Kw::Green}},
            {"blue", {Kw::Blue}},
            {"pn", {Kw::Numbering}},
            {"pnlvlblt", {Kw::NumberingBullet}},
            {"pnlvlbody", {Kw::NumberingBullet}},
            {"pnlvlcont", {Kw::NumberingContinue}},
        };
        // Destinations whose content is not shown.
        for (std::string_view name : {"author",       "buptim",
                                      "comment",      "creatim",
                                      "doccomm",      "footer",
                                      "footerf",      "footerl",
                                      "footerr",      "footnote",
                                      "ftncn",        "ftnsep",
                                      "ftnsepc",      "header",
                                      "headerf",      "headerl",
                                      "headerr",      "info",
                                      "keywords",     "operator",
                                      "pict",         "printim",
                                      "private",      "revtim",
                                      "rxe",          "stylesheet",
                                      "subject",      "tc",
                                      "title",        "txe",
                                      "xe",           "object",
                                      "filetbl",      "revtbl",
                                      "listtable",    "listoverridetable",
                                      "pntext",       "pntxta",
                                      "pntxtb",       "annotation",
                                      "atnid",        "atnauthor",
                                      "fldinst",      "generator",
                                      "themedata",    "colorschememapping",
                                      "latentstyles", "datastore",
                                      "xmlnstbl",     "rsidtbl"})
            t.emplace(name, KeywordInfo{Kw::SkipDest});
        return t;
    }();
    return table;
}

int clampTo(long long value, int limit) { return int(std::clamp<long long>(value, -limit, limit)); }

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Characters that a text document takes for paragraph or frame boundaries, and NUL.
bool breaksParagraph(char32_t code) {
    return code == 0 || code == '\n' || code == '\r' || code == 0x2029 || code == 0xFDD0 ||
           code == 0xFDD1;
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Importer {
public:
    explicit Importer(std::string_view in, std::size_t start) : in_(in), pos_(start) {}

    Document run() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') {
                beginGroup();
            } else if (c == '}') {
                if (!endGroup())
                    return finish();
            } else if (c == '\\') {
                controlWord();
            } else if (c != '\r' && c != '\n') {
                textByte(c);
            }
        }
        // Unclosed groups: the text read so far stands.
        return finish();
    }

private:
    std::string_view in_;
    std::size_t pos_;
    State st_;
    std::vector<State> stack_;
    std::size_t overflowDepth_ = 0;
    bool starred_ = false;
    int fallbackToSkip_ = 0;
    char32_t highSurrogate_ = 0;
    std::map<int, FontEntry> fonts_;
    FontEntry* tableFont_ = nullptr;
    int defaultFont_ = -1;
    std::vector<std::optional<std::uint32_t>> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;
    Document doc_;
    Paragraph para_;
    std::string runText_;
    CharState runState_;

    void beginGroup() {
        fallbackToSkip_ = 0;
        if (stack_.size() >= kMaxDepth) {
            ++overflowDepth_;
            return;
        }
        stack_.push_back(st_);
    }

    // False when the group that holds the whole document has closed.
    bool endGroup() {
        fallbackToSkip_ = 0;
        starred_ = false;
        if (overflowDepth_ > 0) {
            --overflowDepth_;
            return true;
        }
        if (stack_.size() <= 1)
            return false;
        const State inner = st_;
        st_ = stack_.back();
        stack_.pop_back();
        // A numbering group describes the paragraph it stands in.
        if (inner.dest == Dest::Numbering && st_.dest == Dest::Text)
            st_.para.bullet = inner.numberingBullet;
        return true;
    }

    Document finish() {
        endParagraph();
        return std::move(doc_);
    }

    void controlWord() {
        if (pos_ >= in_.size())
            return;
        const char first = in_[pos_];
        if (!isLetter(first)) {
            ++pos_;
            controlSymbol(first);
            return;
        }
        const std::size_t nameStart = pos_;
        while (pos_ < in_.size() && isLetter(in_[pos_]))
            ++pos_;
        const std::string_view name =
            in_.substr(nameStart, std::min<std::size_t>(pos_ - nameStart, kMaxWordLetters));
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            hasParam = true;
            param = std::min<long long>(param * 10 + (in_[pos_] - '0'), INT32_MAX);
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;
        keyword(name, hasParam, negative ? -param : param);
    }

    void controlSymbol(char c) {
        starred_ = false;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            textChar(char32_t(c));
            break;
        case '\'':
            hexByte();
            break;
        case '*':
            starred_ = true;
            break;
        case '~':
            textChar(0x00A0);
            break;
        case '_':
            textChar(0x2011);
            break;
        case '\t':
            textChar('\t');
            break;
        case '\r':
        case '\n':
            paragraphEnd();
            break;
        default:
            break; // optional hyphen, index and formula marks
        }
    }

    void hexByte() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < in_.size() && hexValue(in_[pos_]) >= 0) {
            value = value * 16 + hexValue(in_[pos_++]);
            ++digits;
        }
        if (digits > 0)
            byteChar(static_cast<unsigned char>(value));
    }

    void keyword(std::string_view name, bool hasParam, long long param) {
        const bool starred = std::exchange(starred_, false);
        if (st_.dest == Dest::Skip) {
            if (name == "bin")
                skipBinary(param);
            return;
        }
        const auto& table = keywords();
        const auto found = table.find(name);
        if (found == table.end()) {
            if (starred)
                st_.dest = Dest::Skip;
            return;
        }
        const KeywordInfo info = found->second;
        if (starred && info.kind != Kw::Numbering && info.kind != Kw::FontTable &&
            info.kind != Kw::ColorTable && info.kind != Kw::SkipDest) {
            st_.dest = Dest::Skip;
            return;
        }
        // The fallback text of a \u counts control words as characters.
        if (fallbackToSkip_ > 0 && info.kind != Kw::Bin) {
            --fallbackToSkip_;
            return;
        }
        const auto onOff = [&] { return !hasParam || param != 0; };
        CharState& chr = st_.chr;
        ParaFormat& para = st_.para;
        switch (info.kind) {
        case Kw::Par:
            paragraphEnd();
            break;
        case Kw::Line:
            textChar(0x2028);
            break;
        case Kw::Tab:
            textChar('\t');
            break;
        case Kw::Char:
            textChar(char32_t(info.value));
            break;
        case Kw::Unicode:
            unicodeChar(param);
            break;
        case Kw::UnicodeSkip:
            st_.unicodeSkip = int(std::clamp<long long>(param, 0, 16));
            break;
        case Kw::Bin:
            skipBinary(param);
            break;
        case Kw::Bold:
            chr.bold = onOff();
            break;
        case Kw::Italic:
            chr.italic = onOff();
            break;
        case Kw::Underline:
            chr.underline = onOff();
            break;
        case Kw::UnderlineNone:
            chr.underline = false;
            break;
        case Kw::Strike:
            chr.strike = onOff();
            break;
        case Kw::Font:
            font(param);
            break;
        case Kw::FontSize:
            if (!hasParam)
                chr.height_twips = 240;
            else if (param > 0)
                chr.height_twips = int(std::min<long long>(param, kMaxHeight_twips / 10) * 10);
            break;
        case Kw::FontSizeTwips:
            if (param > 0)
                chr.height_twips = int(std::min<long long>(param, kMaxHeight_twips));
            break;
        case Kw::Color:
            chr.color = int(std::clamp<long long>(param, 0, kMaxColors));
            break;
        case Kw::Up:
            chr.offset_twips = clampTo((hasParam ? param : 6) * 10, kMaxOffset_twips);
            break;
        case Kw::Down:
            chr.offset_twips = clampTo(-(hasParam ? param : 6) * 10, kMaxOffset_twips);
            break;
        case Kw::UpTwips:
            chr.offset_twips = clampTo(param, kMaxOffset_twips);
            break;
        case Kw::DownTwips:
            chr.offset_twips = clampTo(-param, kMaxOffset_twips);
            break;
        case Kw::Super:
            chr.script = Script::Super;
            break;
        case Kw::Sub:
            chr.script = Script::Sub;
            break;
        case Kw::NoSuperSub:
            chr.script = Script::None;
            break;
        case Kw::Plain:
            chr = CharState{};
            break;
        case Kw::Hidden:
            chr.hidden = onOff();
            break;
        case Kw::Pard:
            para = ParaFormat{};
            break;
        case Kw::AlignLeft:
            para.align = Align::Left;
            break;
        case Kw::AlignRight:
            para.align = Align::Right;
            break;
        case Kw::AlignCentre:
            para.align = Align::Centre;
            break;
        case Kw::AlignJustify:
            para.align = Align::Justify;
            break;
        case Kw::LeftIndent:
            para.left_twips = clampTo(param, kMaxIndent_twips);
            break;
        case Kw::RightIndent:
            para.right_twips = clampTo(param, kMaxIndent_twips);
            break;
        case Kw::FirstIndent:
            para.firstLine_twips = clampTo(param, kMaxIndent_twips);
            break;
        case Kw::SpaceBefore:
            para.spaceBefore_twips = clampTo(param, kMaxIndent_twips);
            break;
        case Kw::SpaceAfter:
            para.spaceAfter_twips = clampTo(param, kMaxIndent_twips);
            break;
        case Kw::DefaultFont:
            defaultFont_ = int(param);
            break;
        case Kw::FontTable:
            changeDest(Dest::FontTable);
            break;
        case Kw::ColorTable:
            changeDest(Dest::ColorTable);
            break;
        case Kw::Charset:
            if (inFontTable())
                tableFont_->charset = std::uint8_t(std::clamp<long long>(param, 0, 255));
            break;
        case Kw::Pitch:
            if (inFontTable())
                tableFont_->pitchAndFamily = std::uint8_t((tableFont_->pitchAndFamily & 0xF0) |
                                                          (std::max<long long>(param, 0) & 3));
            break;
        case Kw::Family:
            if (inFontTable())
                tableFont_->pitchAndFamily =
                    std::uint8_t((tableFont_->pitchAndFamily & 0x0F) | (info.value << 4));
            break;
        case Kw::Red:
            red_ = int(std::clamp<long long>(param, 0, 255)), colorGiven_ = true;
            break;
        case Kw::Green:
            green_ = int(std::clamp<long long>(param, 0, 255)), colorGiven_ = true;
            break;
        case Kw::Blue:
            blue_ = int(std::clamp<long long>(param, 0, 255)), colorGiven_ = true;
            break;
        case Kw::Numbering:
            changeDest(Dest::Numbering);
            st_.numberingBullet = true;
            break;
        case Kw::NumberingBullet:
            st_.numberingBullet = true;
            break;
        case Kw::NumberingContinue:
            st_.numberingBullet = false;
            break;
        case Kw::SkipDest:
            st_.dest = Dest::Skip;
            break;
        }
    }

    bool inFontTable() const { return st_.dest == Dest::FontTable && tableFont_ != nullptr; }

    void changeDest(Dest dest) {
        // Tables and numbering belong to the document; elsewhere they are not shown.
        st_.dest = st_.dest == Dest::Text ? dest : Dest::Skip;
        if (dest == Dest::FontTable)
            tableFont_ = nullptr;
    }

    void font(long long number) {
        if (number < 0)
            return;
        if (st_.dest == Dest::FontTable) {
            if (fonts_.size() >= kMaxFonts && !fonts_.count(int(number))) {
                tableFont_ = nullptr;
                return;
            }
            tableFont_ = &fonts_[int(number)];
            *tableFont_ = FontEntry{};
            return;
        }
        st_.chr.font = int(number);
    }

    void skipBinary(long long count) {
        pos_ += std::size_t(std::clamp<long long>(count, 0, (long long)(in_.size() - pos_)));
    }

    void unicodeChar(long long param) {
        const long long value = param < 0 ? param + 65536 : param;
        const char32_t code = value >= 0 && value <= 0xFFFF ? char32_t(value) : 0xFFFD;
        if (code >= 0xD800 && code <= 0xDBFF) {
            highSurrogate_ = code;
        } else if (code >= 0xDC00 && code <= 0xDFFF) {
            textChar(highSurrogate_ ? 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (code - 0xDC00)
                                    : 0xFFFD);
            highSurrogate_ = 0;
        } else {
            if (highSurrogate_)
                textChar(0xFFFD);
            highSurrogate_ = 0;
            textChar(code);
        }
        fallbackToSkip_ = st_.unicodeSkip;
    }

    // A byte of the text outside escapes: UTF-8 when it starts a sequence, else the font's
    // own code page.
    void textByte(char c) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            std::size_t p = pos_ - 1;
            const long code = textcodec::decodeUtf8(in_, p);
            if (code >= 0) {
                pos_ = p;
                textChar(char32_t(code));
                return;
            }
            byteChar(byte);
        } else if (byte == '\t' || byte >= 0x20) {
            textChar(byte);
        }
    }

    void byteChar(unsigned char byte) {
        if (st_.dest == Dest::Text && currentFontIsSymbol())
            textChar(byte);
        else
            textChar(textcodec::fromCp1252(byte));
    }

    bool currentFontIsSymbol() const {
        const auto it = fonts_.find(st_.chr.font >= 0 ? st_.chr.font : defaultFont_);
        return it != fonts_.end() && isSymbolFont(trimmed(it->second.name), it->second.charset);
    }

    void textChar(char32_t code) {
        if (fallbackToSkip_ > 0) {
            --fallbackToSkip_;
            return;
        }
        switch (st_.dest) {
        case Dest::Text:
            if (st_.chr.hidden || breaksParagraph(code))
                return;
            if (!(st_.chr == runState_)) {
                flushRun();
                runState_ = st_.chr;
            }
            textcodec::appendUtf8(runText_, code);
            break;
        case Dest::FontTable:
            if (!tableFont_ || tableFont_->nameDone)
                return;
            if (code == ';')
                tableFont_->nameDone = true;
            else if (tableFont_->name.size() < kMaxFaceBytes)
                textcodec::appendUtf8(tableFont_->name, code);
            break;
        case Dest::ColorTable:
            if (code == ';') {
                if (colors_.size() < kMaxColors)
                    colors_.push_back(colorGiven_ ? std::optional<std::uint32_t>(
                                                        red_ | (green_ << 8) | (blue_ << 16))
                                                  : std::nullopt);
                red_ = green_ = blue_ = 0;
                colorGiven_ = false;
            }
            break;
        default:
            break;
        }
    }

    CharFormat resolve(const CharState& s) const {
        CharFormat f;
        const auto font = fonts_.find(s.font >= 0 ? s.font : defaultFont_);
        if (font != fonts_.end()) {
            f.face = trimmed(font->second.name);
            if (!f.face.empty()) {
                f.charset = font->second.charset;
                f.pitchAndFamily = font->second.pitchAndFamily;
            }
        }
        f.height_twips = s.height_twips;
        f.offset_twips = s.offset_twips;
        f.script = s.script;
        f.bold = s.bold;
        f.italic = s.italic;
        f.underline = s.underline;
        f.strike = s.strike;
        if (s.color > 0 && std::size_t(s.color) < colors_.size())
            f.color_rgb = colors_[std::size_t(s.color)];
        return f;
    }

    void flushRun() {
        if (runText_.empty())
            return;
        CharFormat format = resolve(runState_);
        if (!para_.runs.empty() && para_.runs.back().format == format)
            para_.runs.back().text += runText_;
        else
            para_.runs.push_back(Run{std::move(format), runText_});
        runText_.clear();
    }

    void paragraphEnd() {
        if (st_.dest != Dest::Text)
            return;
        if (fallbackToSkip_ > 0) {
            --fallbackToSkip_;
            return;
        }
        endParagraph();
    }

    void endParagraph() {
        flushRun();
        para_.format = st_.para;
        para_.mark = resolve(st_.chr);
        doc_.paragraphs.push_back(std::move(para_));
        para_ = Paragraph{};
    }
};

std::size_t rtfStart(std::string_view bytes) {
    std::size_t pos = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        pos = 3;
    while (pos < bytes.size() &&
           (bytes[pos] == ' ' || bytes[pos] == '\t' || bytes[pos] == '\r' || bytes[pos] == '\n'))
        ++pos;
    return bytes.substr(pos, 5) == "{\\rtf" ? pos : std::string_view::npos;
}

} // namespace

bool looksLikeRtf(std::string_view bytes) { return rtfStart(bytes) != std::string_view::npos; }

std::optional<Document> parse(std::string_view bytes) {
    const std::size_t start = rtfStart(bytes);
    if (start == std::string_view::npos)
        return std::nullopt;
    return Importer(bytes, start).run();
}

} // namespace rtf
