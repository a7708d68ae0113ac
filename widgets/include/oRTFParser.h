// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// oRTFParser reduces a Rich Text Format document held in memory to its match string: the plain
// text in which every visible character that carries one of a chosen set of character properties
// is preceded by markers naming them. Two pieces of rich text with equal match strings have the
// same characters with the same sub/superscript and Symbol-font formatting. The reader is a
// table-driven single-pass scanner: a keyword table, a property table, a stack of saved property
// states for groups, and destinations that are skipped. It takes any bytes: malformed input ends
// the scan with a result code, never with a read past the input.

#include "AnsiString.h"

#include <bitset>
#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

class oRTFParser {
public:
    // The markers a match string can carry; each is one bit of the marker options.
    enum Marker {
        mkBold,
        mkItalic,
        mkUnderline,
        mkStrikeOut,
        mkSubscript,
        mkSuperscript,
        mkSymbol
    };
    using MarkerSet = std::bitset<7>;

    // Result codes of a parse; the scan stops at the first one that is not rcOk.
    enum ResultCode {
        rcOk = 0,
        rcUnmatchedClose = 1,    // a "}" without an open group
        rcNoMemory = 2,          // no memory to save the state of a group
        rcOpenGroupAtEnd = 3,    // the input ends inside an open group
        rcInvalidHex = 4,        // a character after \' that is no hex digit
        rcBadTable = 5,          // an inconsistent keyword or property table entry
        rcBadState = 6,          // an impossible internal state
        rcEndAfterBackslash = 7, // the input ends directly after a backslash or a "-"
    };

    // One entry of the document's font table.
    struct FontEntry {
        std::int32_t Number = 0;
        AnsiString FaceName;
    };

    // Separates a marker's name from the text around it ("¬super¬").
    static constexpr char MarkerDelimiter = '\xAC';

    // Writes the subscript, superscript and Symbol markers and keeps white space.
    oRTFParser();

    // Reads the whole of text (embedded NULs included) and returns its match string, trimmed of
    // white space and control characters at both ends. The result code is kept in LastResult.
    AnsiString Parse(const AnsiString& text);
    // The result code of the last Parse (a ResultCode value).
    int LastResult() const { return lastResult_; }

    MarkerSet MarkerOptions() const { return markerOptions_; }
    void SetMarkerOptions(MarkerSet markers) { markerOptions_ = markers; }
    // When true, white-space characters are left out of the match string.
    bool SkipWhiteSpace() const { return skipWhiteSpace_; }
    void SetSkipWhiteSpace(bool skip) { skipWhiteSpace_ = skip; }

    // Frees the font table that the last parse built.
    void ClearFontTable();
    // The entry with that font number, or null.
    const FontEntry* GetFontItem(std::int32_t number) const;
    // That entry's face name, or an empty string.
    AnsiString FontFaceName(std::int32_t number) const;

private:
    enum class Destination : std::uint8_t { normal, skip };
    enum class InternalState : std::uint8_t { normal, binary, hex };

    struct CharProps {
        std::uint8_t bold, underline, italic, strikeOut, superscript, subscript;
        std::int32_t font, fontSize_halfPoints, raise, lower;
    };
    struct ParaProps {
        std::int32_t leftIndent_twips, rightIndent_twips, firstIndent_twips;
        std::uint8_t justification; // 0 left, 1 right, 2 centre, 3 justified
    };
    struct SectionProps {
        std::int32_t columns;
        std::uint8_t breakKind; // 0 none, 1 column, 2 even page, 3 odd page, 4 page
        std::int32_t pageNumberX_twips, pageNumberY_twips;
        std::uint8_t pageNumberFormat; // 0 decimal, 1/2 upper/lower roman, 3/4 upper/lower letter
    };
    struct DocProps {
        std::int32_t pageWidth_twips, pageHeight_twips, leftMargin_twips, topMargin_twips,
            rightMargin_twips, bottomMargin_twips, firstPageNumber;
        std::uint8_t facingPages, landscape;
    };
    struct SavedState {
        CharProps chp;
        ParaProps pap;
        SectionProps sep;
        DocProps dop;
        Destination rds;
        InternalState ris;
        bool inFontTable;
    };

    enum class KeywordKind : std::uint8_t { character, destination, property, special };
    enum class PropRecord : std::uint8_t { character, paragraph, section, document, special };
    enum class PropStorage : std::uint8_t { byte, int32, special };
    struct KeywordEntry {
        std::string_view keyword;
        std::int32_t defaultValue;
        bool alwaysDefault;
        KeywordKind kind;
        int index;
    };
    struct PropertyEntry {
        PropStorage storage;
        PropRecord record;
        std::size_t offset;
    };
    static const KeywordEntry keywordTable[86];
    static const PropertyEntry propertyTable[31];
    static const KeywordEntry* findKeyword(std::string_view keyword);
    static constexpr bool tablesAreConsistent();

    int ecParse(const AnsiString& text);
    int ecPushRtfState();
    int ecPopRtfState();
    int ecParseRtfKeyword();
    int ecTranslateKeyword(std::string_view keyword, std::int32_t param, bool hasParam);
    int ecParseHexDigit(unsigned char ch);
    int ecParseChar(unsigned char ch);
    int ecPrintChar(unsigned char ch);
    int ecApplyPropChange(int iprop, std::int32_t value);
    int ecParseSpecialProperty(int iprop, std::int32_t value);
    int ecChangeDest(int idest);
    int ecParseSpecialKeyword(int ipfn);
    bool currentFontIsSymbol();

    MarkerSet markerOptions_;
    bool skipWhiteSpace_ = false;
    std::int32_t lastResult_ = rcOk;
    AnsiString output_;
    const unsigned char* pos_ = nullptr; // input position; valid only during a parse
    const unsigned char* end_ = nullptr;
    std::int32_t depth_ = 0;
    Destination rds_ = Destination::normal;
    InternalState ris_ = InternalState::normal;
    CharProps chp_{};
    ParaProps pap_{};
    SectionProps sep_{};
    DocProps dop_{};
    std::vector<SavedState> savedStates_;
    std::int32_t binaryBytesLeft_ = 0;
    std::int32_t lastParam_ = 0;
    bool skipUnknownDest_ = false;
    std::map<std::int32_t, FontEntry> fontTable_;
    bool inFontTable_ = false;
    std::uint8_t hexValue_ = 0;
    int hexDigits_ = 0;
    // Whether font symbolCacheFont_ is the Symbol font, until the font table changes.
    bool symbolCacheValid_ = false;
    std::int32_t symbolCacheFont_ = 0;
    bool symbolCacheIsSymbol_ = false;
};
