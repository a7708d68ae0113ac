// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The text port: an output stream that sets formatted text on a canvas. Text, line feeds
// and in-band actions (style, size, colour, font, sub- and superscript, baseline shift,
// pitch, invisible text, inline pictures, position queries) collect in the port's buffer;
// flushing the stream breaks them into lines that fit the frame's width (at spaces, or
// between characters for a word longer than a line), gives each line the ascent and descent
// of the fonts and pictures on it and draws it on one baseline, left, right or centre
// aligned. The pen stays where the text ended, so text can be written in several flushes:
//
//     port.Stream() << "E = mc" << power("2") << ", " << tpBoldOn << "bold" << tpBoldOff
//                   << std::flush;
//
// Text is UTF-8. The frame's height takes no part: text below it is still drawn. A pen left
// of the frame (SetAt takes any position) still fits at most a frame's width on its line.
// A flush tells the canvas's OnChange where the text it drew lies.
//
// An action is a zero byte and a letter, some followed by a raw argument: a 32-bit value,
// or the address of a font, picture or position record, which must live until the text
// that names it has been flushed. Only writers in this process may produce actions.

#include "AnsiString.h"
#include "TCanvas.h"
#include "TextColor.h"
#include "TFont.h"
#include "dimension.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>

class TGraphic;
class oTextRuler;

// Measures of a piece of a line: the largest ascent and descent and the summed width.
struct oTextPortSpacer {
    int ascent = 0;
    int descent = 0;
    int width = 0;

    void Clear() { *this = oTextPortSpacer{}; }
    oTextPortSpacer& Merge(const oTextPortSpacer& other);
};

// Where a position query stood, frame-relative: the pen (the top of the line), the point
// on the baseline below it and the bottom of the line.
struct oTextPortPosition {
    oPoint pen;
    oPoint baseline;
    oPoint bottom;
};

// The actions without an argument, written with <<.
enum oTextPortActions : char {
    tpBoldOn = 'A',
    tpBoldOff = 'B',
    tpItalicOn = 'C',
    tpItalicOff = 'D',
    tpUnderlineOn = 'E',
    tpUnderlineOff = 'F',
    tpSubscriptOn = 'G',
    tpSuperscriptOn = 'H',
    tpSubscriptOff = 'I',
    tpSuperscriptOff = 'J',
    tpFixedPitch = 'K',
    tpVariablePitch = 'L',
    tpDrawOn = 'M',
    tpDrawOff = 'N',
};

// Letters of the actions with an argument.
enum oTextPortArgumentActions : char {
    tpColour = 'O',
    tpFont = 'P',
    tpHeight = 'R',
    tpShift = 'S',
    tpWhereat = 'T',
    tpPicture = 'U',
};

class oTextPort : public std::stringbuf {
public:
    // Binds the canvas (not owned) and the frame, in canvas pixels. The size is a buffer
    // size request, which the growing buffer does not need.
    oTextPort(TCanvas* canvas, const oRect& frame, int size = 0);
    ~oTextPort() override;
    oTextPort(const oTextPort&) = delete;
    oTextPort& operator=(const oTextPort&) = delete;

    // Starts afresh: Arial 16, pen at the top left, every setting at its default, no text.
    void Init(TCanvas* canvas, const oRect& frame, int size = 0);

    // The stream to write to; flushing it lays out and draws the text.
    std::ostream& Stream() { return out_; }

    void SetFrame(const oRect& frame) { frame_ = frame; }
    const oRect& Frame() const { return frame_; }
    // Extra pixels between lines.
    void SetLeading(int leading) { leading_ = leading; }
    // Flushes what is pending, then moves the pen (frame-relative).
    void SetAt(const oVector& at);
    const oVector& At() const { return at_; }
    const TFont& Font() const { return font_; }
    int Shift() const { return shift_; }
    bool Drawing() const { return draw_; }
    // Draws a rectangle with the canvas's pen and brush one pixel outside the frame.
    void Box();

    // Text background: transparent, or opaque in the canvas's brush colour.
    bool Transparent = true;
    // 0 left, 1 right, 2 centre.
    std::uint8_t Alignment = 0;
    // Font height factor and baseline shift (a share of the normal height) of sub- and
    // superscripts.
    double IndexScale = 0.75;
    double IndexShift = 0.25;

protected:
    int sync() override;

    // A line piece as the line fitting found it: the text up to `end` is drawn, the next
    // piece starts at `next`, and a line break follows when `newline` is set.
    struct Piece {
        char* end = nullptr;
        char* next = nullptr;
        oTextPortSpacer spacer;
        bool newline = false;
    };
    // Fits the longest piece starting at `start` into `space` pixels (textMeasure.cpp).
    Piece textMeasure(char* start, char* end, int space);

    void NewLine();
    void Deliver(const oTextPortSpacer& spacer, char* from, char* to, bool newline);
    // Draws the characters up to the next action or `end`; returns where it stopped.
    char* PutText(char* text, char* end);
    // Executes the action whose letter `letter` points at; returns the bytes it used after
    // the zero byte (the letter and its argument), or 0 when the letter is no action.
    int HandleEscape(const char* letter, const char* end);
    // Bytes an action uses after its zero byte, as HandleEscape would, without executing it.
    static int ActionLength(const char* letter, const char* end);
    void ProcessGraphic(TGraphic* graphic);
    void SetWhereat(oTextPortPosition& position) const;
    // Ascent and descent of the canvas's current font; width 0.
    oTextPortSpacer fontMetrics();

private:
    struct ActionState;
    ActionState SaveActionState() const;
    void RestoreActionState(const ActionState& state);
    // Width of the text in the port's font, summed over chunks, stopping past `limit`.
    int MeasureText(const char* from, const char* to, int limit);
    oTextPortSpacer RunSpacer(int width);
    // A frame without width sets no text; line feeds and actions still take effect.
    void ApplyActionsOnly(const char* from, const char* end);
    char* SkipBreakSpaces(char* at, char* end, char** pieceEnd);

    // The steps of line fitting (textMeasure.cpp). A run is text between actions and line
    // feeds; the line holds what the fitting has taken so far.
    struct Run {
        char* start;
        char* end;
    };
    struct Line {
        oTextPortSpacer spacer;
        // Pixels still free.
        int space = 0;
        // Where the line may end if the run being fitted does not fit: after an earlier run
        // that ended in spaces (before those spaces), or after a picture; with the measures
        // of the line up to there.
        char* candidate = nullptr;
        oTextPortSpacer atCandidate;
    };
    // The text of a run before `at` and its width.
    struct Break {
        char* at = nullptr;
        int width = 0;
    };
    enum class LineEnd { AtSpace, AtCandidate, InsideWord, BeforeRun };
    // Puts a run that fits on the line, and notes where the line could end after it.
    void TakeRun(const Run& run, int width, Line& line);
    // Ends the line inside a run that does not fit into the space left.
    Piece Wrap(const Run& run, char* end, const Line& line);
    // Where in the run the text that fits is likely to end, from the width of its start.
    char* GuessFit(const Run& run, int space);
    // The longest prefix of the run that ends before a space and fits, or none.
    Break LastSpaceThatFits(const Run& run, int space, char* guess);
    Break ExtendWhileFits(const Run& run, int space, char* from, Break fitting);
    // The longest prefix of whole characters that fits, and at least one character.
    Break BreakInsideWord(const Run& run, int space, char* guess);
    // The rule: at the last space that fits, unless it leaves nothing of the run on a line
    // that could end earlier; failing a space, a line with nothing on it breaks the word,
    // any other ends where it could end earlier, or else before the run.
    LineEnd ChooseLineEnd(const Run& run, const Line& line, const Break& atSpace) const;

    std::ostream out_;
    std::unique_ptr<oTextRuler> ruler_;
    TFont font_;
    TCanvas* canvas_ = nullptr;
    oRect frame_;
    int leading_ = 0;
    oVector at_;
    bool draw_ = true;
    int shift_ = 0;
    int lineAscent_ = 0;
    int lineHeight_ = 0;
    // The height that sub- and superscripts restore; per port, so ports cannot disturb
    // each other's fonts. Sub- and superscripts therefore do not nest.
    int indexHeight_ = 0;
    oTextPortSpacer graphic_;
    bool measuring_ = false;
    // What the text of the flush in progress covers; the canvas reports pictures itself.
    QRect touched_;
};

// Manipulators. Each writes one action into any stream, so that text for a port can also
// be composed in a buffer and copied into the port later.
struct oTextPortHeight {
    int height;
};
struct oTextPortShift {
    int pixels;
};
struct oTextPortWhereat {
    oTextPortPosition* position;
};
struct oTextPortIndex {
    AnsiString text;
    bool superscript;
};

// Font height (the font's height convention: negative means pixels).
oTextPortHeight size(int height);
// Baseline shift in pixels, positive downwards.
oTextPortShift drop(int pixels);
// Filled with the pen position when the text up to here is flushed.
oTextPortWhereat whereat(oTextPortPosition& position);
// Superscript and subscript text.
oTextPortIndex power(const AnsiString& text);
oTextPortIndex index(const AnsiString& text);

std::ostream& operator<<(std::ostream& out, oTextPortActions action);
std::ostream& operator<<(std::ostream& out, oTextPortHeight height);
std::ostream& operator<<(std::ostream& out, oTextPortShift shift);
std::ostream& operator<<(std::ostream& out, oTextPortWhereat where);
std::ostream& operator<<(std::ostream& out, const oTextPortIndex& text);
std::ostream& operator<<(std::ostream& out, TextColor colour);
// The font (face, size, style, colour) is copied into the port's font when flushed.
std::ostream& operator<<(std::ostream& out, const TFont& font);
// The picture is drawn inline; an oGraphic is measured on the port's canvas first.
std::ostream& operator<<(std::ostream& out, TGraphic& picture);
// Copies every character of the input stream, actions included.
std::ostream& operator<<(std::ostream& out, std::istream& in);

// Standard formatted printing into one shared buffer of BUFFER_LENGTH characters, which
// each call overwrites; a result that does not fit is a programming error.
constexpr int BUFFER_LENGTH = 80;
const char* stringf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Formatted printing into the caller's buffer, which must be large enough.
char* sstringf(char* buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));
