// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oRTFParser.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <limits>
#include <new>

namespace {

// Property indices: where a property keyword's value goes (see the property table).
enum Prop {
    ipBold,
    ipItalic,
    ipUnderline,
    ipStrikeOut,
    ipFont,
    ipFontSize,
    ipSubscript,
    ipSuperscript,
    ipRaise,
    ipLower,
    ipLeftIndent,
    ipRightIndent,
    ipFirstIndent,
    ipColumns,
    ipPageNumberX,
    ipPageNumberY,
    ipPageWidth,
    ipPageHeight,
    ipLeftMargin,
    ipRightMargin,
    ipTopMargin,
    ipBottomMargin,
    ipFirstPageNumber,
    ipBreakKind,
    ipPageNumberFormat,
    ipFacingPages,
    ipLandscape,
    ipJustification,
    ipParagraphReset,
    ipCharacterReset,
    ipSectionReset,
};

// Destination indices; every destination is skipped, the font table's text is collected.
enum Dest { idPicture = 0, idSkip = 1, idFontTable = 2 };

// Special keyword indices.
enum Special { sfBinary, sfHex, sfSkipDest };

// Markers enclose their name in the delimiter byte 0xAC (octal 254).
constexpr std::string_view markerBold = "\254b\254";
constexpr std::string_view markerItalic = "\254i\254";
constexpr std::string_view markerUnderline = "\254u\254";
constexpr std::string_view markerStrikeOut = "\254strike\254";
constexpr std::string_view markerSuperscript = "\254super\254";
constexpr std::string_view markerSubscript = "\254sub\254";
constexpr std::string_view markerSymbol = "\254symbol\254";

bool isLetter(unsigned char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

bool isDigit(unsigned char ch) { return ch >= '0' && ch <= '9'; }

// White space of the C locale, whatever the process locale is.
bool isWhiteSpace(unsigned char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }

int hexDigitValue(unsigned char ch) {
    if (isDigit(ch))
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

} // namespace

// Defined as constexpr so that the checks below run at compile time.
constexpr oRTFParser::KeywordEntry oRTFParser::keywordTable[86] = {
    {"b", 1, false, KeywordKind::property, ipBold},
    {"u", 1, false, KeywordKind::property, ipUnderline},
    {"ul", 1, false, KeywordKind::property, ipUnderline},
    {"i", 1, false, KeywordKind::property, ipItalic},
    {"strike", 1, false, KeywordKind::property, ipStrikeOut},
    {"f", 1, false, KeywordKind::property, ipFont},
    {"fs", 20, false, KeywordKind::property, ipFontSize},
    {"sub", 1, false, KeywordKind::property, ipSubscript},
    {"super", 1, false, KeywordKind::property, ipSuperscript},
    {"up", 0, false, KeywordKind::property, ipRaise},
    {"dn", 0, false, KeywordKind::property, ipLower},
    {"li", 0, false, KeywordKind::property, ipLeftIndent},
    {"ri", 0, false, KeywordKind::property, ipRightIndent},
    {"fi", 0, false, KeywordKind::property, ipFirstIndent},
    {"cols", 1, false, KeywordKind::property, ipColumns},
    {"pgnx", 0, false, KeywordKind::property, ipPageNumberX},
    {"pgny", 0, false, KeywordKind::property, ipPageNumberY},
    {"paperw", 12240, false, KeywordKind::property, ipPageWidth},
    {"paperh", 15480, false, KeywordKind::property, ipPageHeight},
    {"margl", 1800, false, KeywordKind::property, ipLeftMargin},
    {"margr", 1800, false, KeywordKind::property, ipRightMargin},
    {"margt", 1440, false, KeywordKind::property, ipTopMargin},
    {"margb", 1440, false, KeywordKind::property, ipBottomMargin},
    {"sbknone", 0, true, KeywordKind::property, ipBreakKind},
    {"sbkcol", 1, true, KeywordKind::property, ipBreakKind},
    {"sbkeven", 2, true, KeywordKind::property, ipBreakKind},
    {"sbkodd", 3, true, KeywordKind::property, ipBreakKind},
    {"sbkpage", 4, true, KeywordKind::property, ipBreakKind},
    {"pgndec", 0, true, KeywordKind::property, ipPageNumberFormat},
    {"pgnucrm", 1, true, KeywordKind::property, ipPageNumberFormat},
    {"pgnlcrm", 2, true, KeywordKind::property, ipPageNumberFormat},
    {"pgnucltr", 3, true, KeywordKind::property, ipPageNumberFormat},
    {"pgnlcltr", 4, true, KeywordKind::property, ipPageNumberFormat},
    {"ql", 0, true, KeywordKind::property, ipJustification},
    {"qr", 1, true, KeywordKind::property, ipJustification},
    {"qc", 2, true, KeywordKind::property, ipJustification},
    {"qj", 3, true, KeywordKind::property, ipJustification},
    {"pgnstart", 1, true, KeywordKind::property, ipFirstPageNumber},
    {"facingp", 1, true, KeywordKind::property, ipFacingPages},
    {"landscape", 1, true, KeywordKind::property, ipLandscape},
    {"plain", 0, true, KeywordKind::property, ipCharacterReset},
    {"par", 0, false, KeywordKind::character, '\n'},
    {"\n", 0, false, KeywordKind::character, '\n'},
    {"\r", 0, false, KeywordKind::character, '\n'},
    {"tab", 0, false, KeywordKind::character, '\t'},
    {"ldblquote", 0, false, KeywordKind::character, '"'},
    {"rdblquote", 0, false, KeywordKind::character, '"'},
    {"{", 0, false, KeywordKind::character, '{'},
    {"}", 0, false, KeywordKind::character, '}'},
    {"\\", 0, false, KeywordKind::character, '\\'},
    {"bin", 0, false, KeywordKind::special, sfBinary},
    {"'", 0, false, KeywordKind::special, sfHex},
    {"*", 0, false, KeywordKind::special, sfSkipDest},
    {"author", 0, false, KeywordKind::destination, idSkip},
    {"buptim", 0, false, KeywordKind::destination, idSkip},
    {"colortbl", 0, false, KeywordKind::destination, idSkip},
    {"comment", 0, false, KeywordKind::destination, idSkip},
    {"creatim", 0, false, KeywordKind::destination, idSkip},
    {"doccomm", 0, false, KeywordKind::destination, idSkip},
    {"footer", 0, false, KeywordKind::destination, idSkip},
    {"footerf", 0, false, KeywordKind::destination, idSkip},
    {"footerl", 0, false, KeywordKind::destination, idSkip},
    {"footerr", 0, false, KeywordKind::destination, idSkip},
    {"footnote", 0, false, KeywordKind::destination, idSkip},
    {"ftncn", 0, false, KeywordKind::destination, idSkip},
    {"ftnsep", 0, false, KeywordKind::destination, idSkip},
    {"ftnsepc", 0, false, KeywordKind::destination, idSkip},
    {"header", 0, false, KeywordKind::destination, idSkip},
    {"headerf", 0, false, KeywordKind::destination, idSkip},
    {"headerl", 0, false, KeywordKind::destination, idSkip},
    {"headerr", 0, false, KeywordKind::destination, idSkip},
    {"info", 0, false, KeywordKind::destination, idSkip},
    {"keywords", 0, false, KeywordKind::destination, idSkip},
    {"operator", 0, false, KeywordKind::destination, idSkip},
    {"pict", 0, false, KeywordKind::destination, idPicture},
    {"printim", 0, false, KeywordKind::destination, idSkip},
    {"private1", 0, false, KeywordKind::destination, idSkip},
    {"revtim", 0, false, KeywordKind::destination, idSkip},
    {"rxe", 0, false, KeywordKind::destination, idSkip},
    {"stylesheet", 0, false, KeywordKind::destination, idSkip},
    {"subject", 0, false, KeywordKind::destination, idSkip},
    {"tc", 0, false, KeywordKind::destination, idSkip},
    {"title", 0, false, KeywordKind::destination, idSkip},
    {"txe", 0, false, KeywordKind::destination, idSkip},
    {"xe", 0, false, KeywordKind::destination, idSkip},
    {"fonttbl", 0, false, KeywordKind::destination, idFontTable},
};

constexpr oRTFParser::PropertyEntry oRTFParser::propertyTable[31] = {
    {PropStorage::byte, PropRecord::character, offsetof(CharProps, bold)},
    {PropStorage::byte, PropRecord::character, offsetof(CharProps, italic)},
    {PropStorage::byte, PropRecord::character, offsetof(CharProps, underline)},
    {PropStorage::byte, PropRecord::character, offsetof(CharProps, strikeOut)},
    {PropStorage::int32, PropRecord::character, offsetof(CharProps, font)},
    {PropStorage::int32, PropRecord::character, offsetof(CharProps, fontSize_halfPoints)},
    {PropStorage::byte, PropRecord::character, offsetof(CharProps, subscript)},
    {PropStorage::byte, PropRecord::character, offsetof(CharProps, superscript)},
    {PropStorage::special, PropRecord::special, 0},
    {PropStorage::special, PropRecord::special, 0},
    {PropStorage::int32, PropRecord::paragraph, offsetof(ParaProps, leftIndent_twips)},
    {PropStorage::int32, PropRecord::paragraph, offsetof(ParaProps, rightIndent_twips)},
    {PropStorage::int32, PropRecord::paragraph, offsetof(ParaProps, firstIndent_twips)},
    {PropStorage::int32, PropRecord::section, offsetof(SectionProps, columns)},
    {PropStorage::int32, PropRecord::section, offsetof(SectionProps, pageNumberX_twips)},
    {PropStorage::int32, PropRecord::section, offsetof(SectionProps, pageNumberY_twips)},
    {PropStorage::int32, PropRecord::document, offsetof(DocProps, pageWidth_twips)},
    {PropStorage::int32, PropRecord::document, offsetof(DocProps, pageHeight_twips)},
    {PropStorage::int32, PropRecord::document, offsetof(DocProps, leftMargin_twips)},
    {PropStorage::int32, PropRecord::document, offsetof(DocProps, rightMargin_twips)},
    {PropStorage::int32, PropRecord::document, offsetof(DocProps, topMargin_twips)},
    {PropStorage::int32, PropRecord::document, offsetof(DocProps, bottomMargin_twips)},
    {PropStorage::int32, PropRecord::document, offsetof(DocProps, firstPageNumber)},
    {PropStorage::byte, PropRecord::section, offsetof(SectionProps, breakKind)},
    {PropStorage::byte, PropRecord::section, offsetof(SectionProps, pageNumberFormat)},
    {PropStorage::byte, PropRecord::document, offsetof(DocProps, facingPages)},
    {PropStorage::byte, PropRecord::document, offsetof(DocProps, landscape)},
    {PropStorage::byte, PropRecord::paragraph, offsetof(ParaProps, justification)},
    {PropStorage::special, PropRecord::special, 0},
    {PropStorage::special, PropRecord::special, 0},
    {PropStorage::special, PropRecord::special, 0},
};

namespace {

// The scanner keeps at most this many letters of a keyword (see ecParseRtfKeyword).
constexpr std::size_t maxKeywordLetters = 31;

} // namespace

// Keywords are unique. Every table keyword is shorter than a truncated keyword, so an over-long
// keyword in the input can never match one; every property entry fits its record, so a store
// through the table stays inside it.
constexpr bool oRTFParser::tablesAreConsistent() {
    for (const auto& entry : keywordTable) {
        if (entry.keyword.empty() || entry.keyword.size() >= maxKeywordLetters)
            return false;
        for (const auto& other : keywordTable)
            if (&other != &entry && other.keyword == entry.keyword)
                return false;
    }
    const std::size_t recordSizes[] = {sizeof(CharProps), sizeof(ParaProps), sizeof(SectionProps),
                                       sizeof(DocProps)};
    for (const auto& entry : propertyTable) {
        if (entry.record == PropRecord::special || entry.storage == PropStorage::special)
            continue;
        const std::size_t width = entry.storage == PropStorage::byte ? 1 : 4;
        if (entry.offset + width > recordSizes[static_cast<int>(entry.record)])
            return false;
    }
    return true;
}

oRTFParser::oRTFParser()
    : markerOptions_((1u << mkSubscript) | (1u << mkSuperscript) | (1u << mkSymbol)) {
    static_assert(sizeof(CharProps) == 24 && sizeof(ParaProps) == 16 &&
                  sizeof(SectionProps) == 20 && sizeof(DocProps) == 32);
    static_assert(tablesAreConsistent());
}

AnsiString oRTFParser::Parse(const AnsiString& text) {
    lastResult_ = ecParse(text);
    pos_ = end_ = nullptr;
    // Trim bytes up to and including the space: white space and control characters.
    const auto visible = [](char ch) { return static_cast<unsigned char>(ch) > ' '; };
    std::size_t first = 0;
    while (first < output_.size() && !visible(output_[first]))
        ++first;
    std::size_t last = output_.size();
    while (last > first && !visible(output_[last - 1]))
        --last;
    output_.erase(last);
    output_.erase(0, first);
    return output_;
}

void oRTFParser::ClearFontTable() {
    fontTable_.clear();
    symbolCacheValid_ = false;
}

const oRTFParser::FontEntry* oRTFParser::GetFontItem(std::int32_t number) const {
    const auto found = fontTable_.find(number);
    return found == fontTable_.end() ? nullptr : &found->second;
}

AnsiString oRTFParser::FontFaceName(std::int32_t number) const {
    const FontEntry* entry = GetFontItem(number);
    return entry ? entry->FaceName : AnsiString();
}

// Binary search over the table's entries in keyword order; keywords are unique, so this finds
// the one entry a scan of the table would.
const oRTFParser::KeywordEntry* oRTFParser::findKeyword(std::string_view keyword) {
    static constexpr auto order = [] {
        std::array<std::uint8_t, std::size(keywordTable)> indices{};
        for (std::size_t i = 0; i < indices.size(); ++i)
            indices[i] = static_cast<std::uint8_t>(i);
        std::sort(indices.begin(), indices.end(), [](std::uint8_t a, std::uint8_t b) {
            return keywordTable[a].keyword < keywordTable[b].keyword;
        });
        return indices;
    }();
    const auto found = std::lower_bound(
        order.begin(), order.end(), keyword,
        [](std::uint8_t index, std::string_view key) { return keywordTable[index].keyword < key; });
    if (found == order.end() || keywordTable[*found].keyword != keyword)
        return nullptr;
    return &keywordTable[*found];
}

// The whole length of text is read: a NUL is an ordinary byte, so binary data after \bin may
// hold NULs and nothing after a stray NUL is lost.
int oRTFParser::ecParse(const AnsiString& text) {
    ClearFontTable();
    output_.clear();
    depth_ = 0;
    rds_ = Destination::normal;
    ris_ = InternalState::normal;
    chp_ = {};
    pap_ = {};
    sep_ = {};
    dop_ = {};
    savedStates_.clear();
    binaryBytesLeft_ = 0;
    lastParam_ = 0;
    skipUnknownDest_ = false;
    inFontTable_ = false;
    hexValue_ = 0;
    hexDigits_ = 0;

    pos_ = reinterpret_cast<const unsigned char*>(text.data());
    end_ = pos_ + text.size();
    while (pos_ != end_) {
        const unsigned char ch = *pos_++;
        int result = rcOk;
        if (ris_ == InternalState::binary) {
            result = ecParseChar(ch);
        } else {
            switch (ch) {
            case '{':
                result = ecPushRtfState();
                break;
            case '}':
                result = ecPopRtfState();
                break;
            case '\\':
                result = ecParseRtfKeyword();
                break;
            case '\r':
            case '\n':
                break;
            default:
                if (ris_ == InternalState::normal)
                    result = ecParseChar(ch);
                else if (ris_ == InternalState::hex)
                    result = ecParseHexDigit(ch);
                else
                    result = rcBadState;
            }
        }
        if (result != rcOk)
            return result;
    }
    return depth_ > 0 ? rcOpenGroupAtEnd : rcOk;
}

int oRTFParser::ecPushRtfState() {
    try {
        savedStates_.push_back({chp_, pap_, sep_, dop_, rds_, ris_, inFontTable_});
    } catch (const std::bad_alloc&) {
        return rcNoMemory;
    }
    ris_ = InternalState::normal;
    ++depth_;
    return rcOk;
}

int oRTFParser::ecPopRtfState() {
    if (savedStates_.empty())
        return rcUnmatchedClose;
    const SavedState& saved = savedStates_.back();
    chp_ = saved.chp;
    pap_ = saved.pap;
    sep_ = saved.sep;
    dop_ = saved.dop;
    rds_ = saved.rds;
    ris_ = saved.ris;
    inFontTable_ = saved.inFontTable;
    savedStates_.pop_back();
    --depth_;
    return rcOk;
}

// Input that breaks the keyword syntax is cut safely:
// - letters past the 31st are consumed and dropped; no table keyword is that long, so an
//   over-long keyword is an unknown one;
// - every digit of a parameter is consumed, and its value saturates at 2147483647 (the sign
//   applied afterwards), so a parameter of any length neither overflows nor ends the keyword;
// - any byte that is not an ASCII letter, 0x80 and above included, makes a one-byte keyword.
int oRTFParser::ecParseRtfKeyword() {
    if (pos_ == end_)
        return rcEndAfterBackslash;
    const unsigned char first = *pos_++;
    if (!isLetter(first)) {
        const char symbol = static_cast<char>(first);
        return ecTranslateKeyword(std::string_view(&symbol, 1), 0, false);
    }

    char letters[maxKeywordLetters];
    std::size_t length = 0;
    letters[length++] = static_cast<char>(first);
    for (; pos_ != end_ && isLetter(*pos_); ++pos_)
        if (length < maxKeywordLetters)
            letters[length++] = static_cast<char>(*pos_);

    bool negative = false;
    if (pos_ != end_ && *pos_ == '-') {
        negative = true;
        if (++pos_ == end_)
            return rcEndAfterBackslash;
    }
    constexpr std::int32_t maxParam = std::numeric_limits<std::int32_t>::max();
    bool hasParam = false;
    std::int32_t magnitude = 0;
    for (; pos_ != end_ && isDigit(*pos_); ++pos_) {
        hasParam = true;
        const int digit = *pos_ - '0';
        magnitude = magnitude > (maxParam - digit) / 10 ? maxParam : magnitude * 10 + digit;
    }
    // Only \bin reads this, and a \bin without digits means no data rather than the count of
    // whatever keyword came before it.
    lastParam_ = magnitude;
    if (pos_ != end_ && *pos_ == ' ')
        ++pos_;
    return ecTranslateKeyword(std::string_view(letters, length), negative ? -magnitude : magnitude,
                              hasParam);
}

int oRTFParser::ecTranslateKeyword(std::string_view keyword, std::int32_t param, bool hasParam) {
    const KeywordEntry* entry = findKeyword(keyword);
    if (!entry) {
        if (skipUnknownDest_)
            rds_ = Destination::skip;
        skipUnknownDest_ = false;
        return rcOk;
    }
    skipUnknownDest_ = false;
    switch (entry->kind) {
    case KeywordKind::character:
        return ecParseChar(static_cast<unsigned char>(entry->index));
    case KeywordKind::destination:
        return ecChangeDest(entry->index);
    case KeywordKind::property:
        return ecApplyPropChange(entry->index,
                                 entry->alwaysDefault || !hasParam ? entry->defaultValue : param);
    case KeywordKind::special:
        return ecParseSpecialKeyword(entry->index);
    }
    return rcBadTable;
}

int oRTFParser::ecParseHexDigit(unsigned char ch) {
    const int value = hexDigitValue(ch);
    if (value < 0)
        return rcInvalidHex;
    hexValue_ = static_cast<std::uint8_t>(hexValue_ * 16 + value);
    if (++hexDigits_ < 2)
        return rcOk;
    ris_ = InternalState::normal;
    return ecParseChar(hexValue_);
}

int oRTFParser::ecParseChar(unsigned char ch) {
    if (ris_ == InternalState::binary && --binaryBytesLeft_ <= 0)
        ris_ = InternalState::normal;
    if (rds_ == Destination::normal)
        return ecPrintChar(ch);
    if (inFontTable_) {
        FontEntry& entry =
            fontTable_.try_emplace(chp_.font, FontEntry{chp_.font, {}}).first->second;
        if (ch != ';')
            entry.FaceName += static_cast<char>(ch);
        symbolCacheValid_ = false;
    }
    return rcOk;
}

bool oRTFParser::currentFontIsSymbol() {
    if (!symbolCacheValid_ || symbolCacheFont_ != chp_.font) {
        const FontEntry* entry = GetFontItem(chp_.font);
        symbolCacheFont_ = chp_.font;
        symbolCacheIsSymbol_ = entry && entry->FaceName == "Symbol";
        symbolCacheValid_ = true;
    }
    return symbolCacheIsSymbol_;
}

int oRTFParser::ecPrintChar(unsigned char ch) {
    if (isWhiteSpace(ch)) {
        if (!skipWhiteSpace_)
            output_ += static_cast<char>(ch);
        return rcOk;
    }
    if (markerOptions_[mkBold] && chp_.bold)
        output_ += markerBold;
    if (markerOptions_[mkItalic] && chp_.italic)
        output_ += markerItalic;
    if (markerOptions_[mkUnderline] && chp_.underline)
        output_ += markerUnderline;
    if (markerOptions_[mkStrikeOut] && chp_.strikeOut)
        output_ += markerStrikeOut;
    if (markerOptions_[mkSuperscript] && (chp_.superscript || chp_.raise != 0))
        output_ += markerSuperscript;
    if (markerOptions_[mkSubscript] && (chp_.subscript || chp_.lower != 0))
        output_ += markerSubscript;
    if (markerOptions_[mkSymbol] && currentFontIsSymbol())
        output_ += markerSymbol;
    output_ += static_cast<char>(ch);
    return rcOk;
}

int oRTFParser::ecApplyPropChange(int iprop, std::int32_t value) {
    if (inFontTable_)
        chp_.font = value;
    if (rds_ == Destination::skip)
        return rcOk;
    const PropertyEntry& prop = propertyTable[iprop];
    unsigned char* record = nullptr;
    switch (prop.record) {
    case PropRecord::character:
        record = reinterpret_cast<unsigned char*>(&chp_);
        break;
    case PropRecord::paragraph:
        record = reinterpret_cast<unsigned char*>(&pap_);
        break;
    case PropRecord::section:
        record = reinterpret_cast<unsigned char*>(&sep_);
        break;
    case PropRecord::document:
        record = reinterpret_cast<unsigned char*>(&dop_);
        break;
    case PropRecord::special:
        return ecParseSpecialProperty(iprop, value);
    }
    switch (prop.storage) {
    case PropStorage::byte:
        record[prop.offset] = static_cast<std::uint8_t>(value);
        return rcOk;
    case PropStorage::int32:
        std::memcpy(record + prop.offset, &value, sizeof value);
        return rcOk;
    case PropStorage::special:
        break;
    }
    return rcBadTable;
}

int oRTFParser::ecParseSpecialProperty(int iprop, std::int32_t value) {
    switch (iprop) {
    case ipRaise:
        chp_.raise = value;
        chp_.lower = 0;
        return rcOk;
    case ipLower:
        chp_.raise = 0;
        chp_.lower = value;
        return rcOk;
    case ipParagraphReset:
        pap_ = {};
        return rcOk;
    case ipCharacterReset:
        chp_ = {};
        return rcOk;
    case ipSectionReset:
        sep_ = {};
        return rcOk;
    }
    return rcBadTable;
}

int oRTFParser::ecChangeDest(int idest) {
    if (rds_ == Destination::skip) {
        // A destination nested in the font table holds no face name text.
        inFontTable_ = false;
        return rcOk;
    }
    if (idest == idFontTable)
        inFontTable_ = true;
    rds_ = Destination::skip;
    return rcOk;
}

int oRTFParser::ecParseSpecialKeyword(int ipfn) {
    if (rds_ == Destination::skip && ipfn != sfBinary) {
        // The font table is skipped too, but what follows \* there is a destination of its
        // own ({\*\panose ...}), not face name text.
        if (ipfn == sfSkipDest)
            inFontTable_ = false;
        return rcOk;
    }
    switch (ipfn) {
    case sfBinary:
        // A count of zero means no data; it must not leave the scanner in binary state.
        binaryBytesLeft_ = lastParam_;
        if (binaryBytesLeft_ > 0)
            ris_ = InternalState::binary;
        return rcOk;
    case sfHex:
        ris_ = InternalState::hex;
        hexValue_ = 0;
        hexDigits_ = 0;
        return rcOk;
    case sfSkipDest:
        skipUnknownDest_ = true;
        return rcOk;
    }
    return rcBadTable;
}
