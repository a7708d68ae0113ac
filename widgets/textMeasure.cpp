// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Line fitting: how much of the pending text, from a given start, fits into the space left
// on the current line, and where the next piece starts.

#include "Precondition.h"
#include "Utf8.h"
#include "textport.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Bytes measured for the first estimate of how much fits.
constexpr std::ptrdiff_t EstimateBytes = 20;

// Break positions are the first spaces of runs of spaces: the prefix before one leaves
// the spaces out.
bool isBreak(const char* runStart, const char* p) {
    return *p == ' ' && (p == runStart || p[-1] != ' ');
}

// The first break position at or after `from`, or null.
char* nextBreak(char* runStart, char* from, char* runEnd) {
    for (char* p = from; p < runEnd; ++p)
        if (isBreak(runStart, p))
            return p;
    return nullptr;
}

// The last break position at or before `from`, or null.
char* previousBreak(char* runStart, char* from) {
    for (char* p = from; p >= runStart; --p)
        if (isBreak(runStart, p))
            return p;
    return nullptr;
}

char* runEndFrom(char* p, char* end) {
    while (p < end && *p != '\n' && *p != '\0')
        ++p;
    return p;
}

} // namespace

oTextPort::Piece oTextPort::textMeasure(char* start, char* end, int space) {
    PRECONDITION(start <= end);
    const int portMax = frame_.size().x;
    PRECONDITION(space <= portMax);
    Line line;
    line.space = space;
    char* p = start;
    for (;;) {
        const Run run{p, runEndFrom(p, end)};
        if (run.end > run.start) {
            const int width = MeasureText(run.start, run.end, line.space);
            if (width > line.space)
                return Wrap(run, end, line);
            TakeRun(run, width, line);
            p = run.end;
        }
        if (p == end || *p == '\n')
            return Piece{p, p, line.spacer, false};
        const int used = HandleEscape(p + 1, end);
        if (used > 0 && p[1] == tpPicture && graphic_.width > 0) {
            const int g = graphic_.width;
            if (g > line.space && g <= portMax)
                return Piece{p, p, line.spacer, true};
            line.spacer.Merge(graphic_);
            line.space -= g;
            line.candidate = p + 1 + used;
            line.atCandidate = line.spacer;
        }
        p += 1 + used;
    }
}

void oTextPort::TakeRun(const Run& run, int width, Line& line) {
    if (run.end[-1] == ' ') {
        char* spaces = run.end;
        while (spaces > run.start && spaces[-1] == ' ')
            --spaces;
        // A run of spaces only leaves the candidate where it was.
        if (spaces > run.start) {
            line.candidate = spaces;
            line.atCandidate = line.spacer;
            line.atCandidate.Merge(RunSpacer(MeasureText(run.start, spaces, width)));
        }
    } else {
        line.candidate = nullptr;
    }
    line.spacer.Merge(RunSpacer(width));
    line.space -= width;
}

oTextPort::Piece oTextPort::Wrap(const Run& run, char* end, const Line& line) {
    char* guess = GuessFit(run, line.space);
    const Break atSpace = LastSpaceThatFits(run, line.space, guess);
    Piece piece;
    piece.newline = true;
    piece.spacer = line.spacer;
    switch (ChooseLineEnd(run, line, atSpace)) {
    case LineEnd::AtSpace:
        piece.spacer.Merge(RunSpacer(atSpace.width));
        piece.next = SkipBreakSpaces(atSpace.at, end, &piece.end);
        break;
    case LineEnd::AtCandidate:
        piece.spacer = line.atCandidate;
        piece.next = SkipBreakSpaces(line.candidate, end, &piece.end);
        break;
    case LineEnd::InsideWord: {
        const Break cut = BreakInsideWord(run, line.space, guess);
        piece.spacer.Merge(RunSpacer(cut.width));
        piece.end = piece.next = cut.at;
        // A cut just before spaces would otherwise start the next line with a blank piece.
        if (cut.at < end && *cut.at == ' ')
            piece.next = SkipBreakSpaces(cut.at, end, &piece.end);
        break;
    }
    case LineEnd::BeforeRun:
        piece.end = piece.next = run.start;
        break;
    }
    return piece;
}

oTextPort::LineEnd oTextPort::ChooseLineEnd(const Run& run, const Line& line,
                                            const Break& atSpace) const {
    if (atSpace.at) {
        // A space at the very start of the run would leave nothing of it on the line; the
        // line's own end before the run, which leaves out the spaces there, does the same.
        return atSpace.at == run.start && line.candidate ? LineEnd::AtCandidate
                                                         : LineEnd::AtSpace;
    }
    // Nothing on the line yet: only breaking the word makes progress.
    if (line.space == frame_.size().x)
        return LineEnd::InsideWord;
    return line.candidate ? LineEnd::AtCandidate : LineEnd::BeforeRun;
}

char* oTextPort::GuessFit(const Run& run, int space) {
    const std::ptrdiff_t length = run.end - run.start;
    char* sampleEnd = utf8::CharacterStart(run.start + std::min(EstimateBytes, length), run.end);
    const std::ptrdiff_t sample = sampleEnd - run.start;
    const int sampleWidth = MeasureText(run.start, sampleEnd, space);
    const std::ptrdiff_t estimate =
        sampleWidth > 0 ? std::ptrdiff_t(double(sample) * space / sampleWidth) : length;
    return run.start + std::clamp<std::ptrdiff_t>(estimate, 0, length - 1);
}

oTextPort::Break oTextPort::LastSpaceThatFits(const Run& run, int space, char* guess) {
    char* b = previousBreak(run.start, guess);
    if (!b)
        return ExtendWhileFits(run, space, guess, Break{});
    const int width = MeasureText(run.start, b, space);
    if (width <= space)
        return ExtendWhileFits(run, space, b + 1, Break{b, width});
    // The guess was too long: the first break back from it that fits.
    while (b > run.start && (b = previousBreak(run.start, b - 1))) {
        const int shorter = MeasureText(run.start, b, space);
        if (shorter <= space)
            return Break{b, shorter};
    }
    return Break{};
}

// The last break position from `from` on whose prefix still fits; `fitting` if none does.
oTextPort::Break oTextPort::ExtendWhileFits(const Run& run, int space, char* from,
                                            Break fitting) {
    for (char* b = nextBreak(run.start, from, run.end); b; b = nextBreak(run.start, b + 1, run.end)) {
        const int width = MeasureText(run.start, b, space);
        if (width > space)
            break;
        fitting = Break{b, width};
    }
    return fitting;
}

oTextPort::Break oTextPort::BreakInsideWord(const Run& run, int space, char* guess) {
    char* cut = utf8::CharacterStart(std::max(guess, run.start + 1), run.end);
    int width = MeasureText(run.start, cut, space);
    while (width > space) {
        char* shorter = utf8::Previous(cut, run.start);
        if (shorter == run.start)
            break;
        cut = shorter;
        width = MeasureText(run.start, cut, space);
    }
    while (width <= space && cut < run.end) {
        char* longer = utf8::Next(cut, run.end);
        const int longerWidth = MeasureText(run.start, longer, space);
        if (longerWidth > space)
            break;
        cut = longer;
        width = longerWidth;
    }
    return Break{cut, width};
}

char* oTextPort::SkipBreakSpaces(char* at, char* end, char** pieceEnd) {
    // The spaces after a break are not drawn, but actions among them must still act: they
    // are moved in front of the spaces, into the piece. Pictures are content and stop it.
    char* p = at;
    std::vector<char> actions;
    std::ptrdiff_t spaces = 0;
    while (p < end) {
        if (*p == ' ') {
            ++spaces;
            ++p;
            continue;
        }
        if (*p != '\0' || p + 1 >= end || p[1] == tpPicture)
            break;
        const int used = ActionLength(p + 1, end);
        if (used == 0)
            break;
        actions.insert(actions.end(), p, p + 1 + used);
        p += 1 + used;
    }
    if (!actions.empty()) {
        std::memcpy(at, actions.data(), actions.size());
        std::memset(at + actions.size(), ' ', std::size_t(spaces));
    }
    *pieceEnd = at + actions.size();
    return p;
}
