// Line fitting: how much of the pending text, from a given start, fits into the space left
// on the current line, and where the next piece starts.

#include "Precondition.h"
#include "textport.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Characters measured for the first estimate of how many fit.
constexpr std::ptrdiff_t EstimateBytes = 20;

// Break positions are the first spaces of runs of spaces: the prefix before one leaves
// the spaces out.
bool isBreak(const char* runStart, const char* p) {
    return *p == ' ' && (p == runStart || p[-1] != ' ');
}

char* nextBreak(char* runStart, char* from, char* runEnd) {
    for (char* p = from; p < runEnd; ++p)
        if (isBreak(runStart, p))
            return p;
    return nullptr;
}

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
    oTextPortSpacer spacer;
    // Where the piece may end if a later run does not fit: after a run that ended in
    // spaces (before those spaces), or after a picture.
    char* candidate = nullptr;
    oTextPortSpacer atCandidate;
    char* p = start;
    for (;;) {
        char* runEnd = runEndFrom(p, end);
        if (runEnd > p) {
            const int width = MeasureText(p, runEnd, space);
            if (width > space)
                return Wrap(p, runEnd, end, space, spacer, candidate, atCandidate);
            if (runEnd[-1] == ' ') {
                char* spaces = runEnd;
                while (spaces > p && spaces[-1] == ' ')
                    --spaces;
                if (spaces > p) {
                    candidate = spaces;
                    atCandidate = spacer;
                    atCandidate.Merge(RunSpacer(MeasureText(p, spaces, width)));
                }
            } else {
                candidate = nullptr;
            }
            spacer.Merge(RunSpacer(width));
            space -= width;
            p = runEnd;
        }
        if (p == end || *p == '\n')
            return Piece{p, p, spacer, false};
        const int used = HandleEscape(p + 1, end);
        if (used > 0 && p[1] == tpPicture && graphic_.width > 0) {
            const int g = graphic_.width;
            if (g > space && g <= portMax)
                return Piece{p, p, spacer, true};
            spacer.Merge(graphic_);
            space -= g;
            candidate = p + 1 + used;
            atCandidate = spacer;
        }
        p += 1 + used;
    }
}

oTextPort::Piece oTextPort::Wrap(char* runStart, char* runEnd, char* end, int space,
                                 const oTextPortSpacer& before, char* candidate,
                                 const oTextPortSpacer& atCandidate) {
    const std::ptrdiff_t length = runEnd - runStart;
    const std::ptrdiff_t sample = std::min(EstimateBytes, length);
    const int sampleWidth = MeasureText(runStart, runStart + sample, space);
    std::ptrdiff_t estimate =
        sampleWidth > 0 ? std::ptrdiff_t(double(sample) * space / sampleWidth) : length;
    estimate = std::clamp<std::ptrdiff_t>(estimate, 0, length - 1);
    char* guess = runStart + estimate;

    // The longest prefix ending at a break position that fits, searched from the guess.
    char* best = nullptr;
    int bestWidth = 0;
    auto fits = [&](char* at) {
        const int width = MeasureText(runStart, at, space);
        if (width > space)
            return false;
        best = at;
        bestWidth = width;
        return true;
    };
    auto searchForward = [&](char* from) {
        for (char* b = nextBreak(runStart, from, runEnd); b && fits(b);
             b = nextBreak(runStart, b + 1, runEnd)) {
        }
    };
    if (char* b = previousBreak(runStart, guess)) {
        if (fits(b)) {
            searchForward(b + 1);
        } else {
            for (b = previousBreak(runStart, b - 1); b && !fits(b); b = previousBreak(runStart, b - 1)) {
            }
        }
    } else {
        searchForward(guess);
    }

    Piece piece;
    piece.newline = true;
    piece.spacer = before;
    char* breakAt = nullptr;
    if (best && !(best == runStart && candidate)) {
        breakAt = best;
        piece.spacer.Merge(RunSpacer(bestWidth));
    } else if (candidate && (best || space != frame_.size().x)) {
        breakAt = candidate;
        piece.spacer = atCandidate;
    } else if (space == frame_.size().x) {
        // Nothing is on the line yet: the word is broken between characters, keeping at
        // least one character so that every line makes progress.
        char* cut = runStart + std::max<std::ptrdiff_t>(estimate, 1);
        while (cut < runEnd && continuationByte(*cut))
            ++cut;
        auto nextChar = [&](char* c) {
            ++c;
            while (c < runEnd && continuationByte(*c))
                ++c;
            return c;
        };
        auto previousChar = [&](char* c) {
            --c;
            while (c > runStart && continuationByte(*c))
                --c;
            return c;
        };
        int width = MeasureText(runStart, cut, space);
        while (width > space && previousChar(cut) > runStart) {
            cut = previousChar(cut);
            width = MeasureText(runStart, cut, space);
        }
        while (width <= space && cut < runEnd) {
            char* longer = nextChar(cut);
            const int longerWidth = MeasureText(runStart, longer, space);
            if (longerWidth > space)
                break;
            cut = longer;
            width = longerWidth;
        }
        piece.spacer.Merge(RunSpacer(width));
        // A cut just before spaces would otherwise start the next line with a blank piece.
        piece.end = piece.next = cut;
        if (cut < end && *cut == ' ')
            piece.next = SkipBreakSpaces(cut, end, &piece.end);
        return piece;
    } else {
        piece.end = piece.next = runStart;
        return piece;
    }
    piece.next = SkipBreakSpaces(breakAt, end, &piece.end);
    return piece;
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
