// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Fuzzes the text port: the input chooses a frame (0 to 2000 pixels wide), the port's
// settings and a well-formed sequence of writes (text with spaces, long words, line feeds,
// UTF-8 letters, every action with valid arguments, pictures and tables of any size, pen
// moves inside and outside the frame, flushes). Every flush must end (the run's timeout
// catches one that does not) and leave the pen within bounds that the written text can
// explain.

#include "TBitmap.h"
#include "fuzz/ByteReader.h"
#include "fuzz/LeaksIgnored.h"
#include "oFraction.h"
#include "textport.h"

#include <QApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

namespace {

QApplication* application = nullptr;

// Widest picture the harness writes, and a generous bound on any line's height.
constexpr int MaxPicture = 2500;
constexpr int MaxLineHeight = 1200;

void check(bool condition, const char* what, long value) {
    if (condition)
        return;
    std::fprintf(stderr, "%s (%ld)\n", what, value);
    std::abort();
}

// A picture of a given size that draws a filled rectangle.
class Block : public TGraphic {
public:
    Block(int width, int height) : width_(width), height_(height) {}
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Draw(TCanvas& canvas, const QRect& r) const override { canvas.FillRect(r); }

private:
    int width_;
    int height_;
};

std::string Letters(ByteReader& in, std::size_t length, bool spaces) {
    std::string text;
    for (std::size_t i = 0; i < length && in.remaining_bytes() > 0; ++i) {
        const auto c = in.ConsumeIntegralInRange<int>(0, spaces ? 30 : 25);
        text += c < 26 ? char('a' + c) : ' ';
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application = new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Fontconfig and Qt's font caches keep what they allocate for each new face and size;
    // this harness looks for memory errors, undefined behaviour and hangs, not for leaks.
    LeaksIgnored cachesGrow;
    ByteReader in(data, size);
    TBitmap page(320, 240);
    const int frameWidth = in.ConsumeIntegralInRange<int>(0, 2000);
    oTextPort port(&page.Canvas(), oRect(4, 4, frameWidth, 200));
    port.Alignment = in.ConsumeIntegralInRange<std::uint8_t>(0, 2);
    port.Transparent = in.ConsumeBool();
    const int leading = in.ConsumeIntegralInRange<int>(0, 20);
    port.SetLeading(leading);

    // Everything the stream refers to lives until the port is gone.
    std::deque<TFont> fonts;
    std::deque<Block> blocks;
    std::deque<oFraction> fractions;
    std::deque<oTable> tables;
    std::deque<oTextPortPosition> positions;
    std::ostream& out = port.Stream();
    long written = 0; // bytes flushed so far
    long pictureWidths = 0; // every picture written, as if all went on one line

    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange<int>(0, 15)) {
        case 0:
            out << Letters(in, in.ConsumeIntegralInRange<std::size_t>(0, 40), true);
            break;
        case 1:
            out << Letters(in, in.ConsumeIntegralInRange<std::size_t>(20, 400), false);
            break;
        case 2:
            out << '\n';
            break;
        case 3:
            out << oTextPortActions(in.ConsumeIntegralInRange<char>(tpBoldOn, tpDrawOff));
            break;
        case 4:
            out << TextColor{RGB(in.ConsumeIntegral<std::uint8_t>(), 0, 128)};
            break;
        case 5:
            fonts.emplace_back(in.ConsumeBool() ? "Arial" : "Symbol",
                               in.ConsumeIntegralInRange<int>(-80, 80), clNavy);
            out << fonts.back();
            break;
        case 6:
            out << ::size(in.ConsumeIntegralInRange<int>(-80, 80));
            break;
        case 7:
            out << drop(in.ConsumeIntegralInRange<int>(-50, 50));
            break;
        case 8:
            positions.emplace_back();
            out << whereat(positions.back());
            break;
        case 9: {
            const int w = in.ConsumeIntegralInRange<int>(0, MaxPicture);
            blocks.emplace_back(w, in.ConsumeIntegralInRange<int>(0, 300));
            pictureWidths += w;
            out << blocks.back();
            break;
        }
        case 10:
            fractions.emplace_back(Letters(in, in.ConsumeIntegralInRange<std::size_t>(0, 12), true),
                                   Letters(in, in.ConsumeIntegralInRange<std::size_t>(0, 12), true));
            out << fractions.back();
            pictureWidths += 400;
            break;
        case 11: {
            const int columns = in.ConsumeIntegralInRange<int>(1, 4);
            tables.emplace_back(columns, in.ConsumeIntegralInRange<int>(1, 4));
            tables.back().Cell(0, 0).Text = Letters(in, 8, true);
            out << tables.back();
            pictureWidths += 400;
            break;
        }
        case 12:
            if (in.ConsumeBool())
                out << power(Letters(in, 6, false));
            else
                out << index(Letters(in, 6, false));
            break;
        case 13:
            out << "\xce\xb1\xce\xb2 \xce\xbb\xce\xbb\xce\xbb\xce\xbb";
            break;
        case 14:
            out << std::string(in.ConsumeIntegralInRange<std::size_t>(1, 30), ' ');
            break;
        case 15: {
            // Moving the pen flushes; the pen may be put anywhere, outside the frame too.
            written += long(out.tellp());
            const int x = in.ConsumeIntegralInRange<int>(-300, frameWidth + 300);
            port.SetAt(oVector(x, in.ConsumeIntegralInRange<int>(0, 200)));
            break;
        }
        default:
            break;
        }
        if (in.ConsumeBool() || in.remaining_bytes() == 0) {
            // Every byte can end at most one line (a character per line in a narrow frame).
            written += long(out.tellp());
            out.flush();
            check(out.good(), "the flush failed", 0);
            const oVector at = port.At();
            // Pictures wider than the frame join the line they come to, and a narrow frame
            // still takes one character a line; centring them pulls the pen left instead.
            const long reach = frameWidth + pictureWidths + 400;
            check(at.x >= -reach && at.x <= reach, "pen outside the line", at.x);
            check(at.y >= 0, "pen above the frame", at.y);
            check(at.y <= (written + 1) * (MaxLineHeight + leading), "pen too far down", at.y);
        }
    }
    out.flush();
    for (const oTextPortPosition& p : positions)
        check(p.bottom.y >= p.pen.y, "a line of negative height", p.bottom.y - p.pen.y);
    return 0;
}
