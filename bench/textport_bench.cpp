// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The text port against Qt's own layout: 100 kB of prose laid out into a 400-pixel frame
// and drawn onto an image tall enough to hold all of it. The port's text changes style
// (bold, italic, colour) every 20 characters or so; QTextLayout gets the same text plain,
// in the same font, paragraph by paragraph.

#include "TBitmap.h"
#include "textport.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int FrameWidth = 400;
constexpr std::size_t ProseBytes = 100 * 1024;

// Paragraphs of words drawn from the book's vocabulary, each ending in a line feed.
std::vector<std::string> Words() {
    return {"the",    "star",      "moves",  "round",     "centre", "of",       "mass",
            "planet", "orbit",     "period", "velocity",  "line",   "sight",    "shift",
            "spectral", "Doppler", "radial", "amplitude", "and",    "a",        "with",
            "its",    "semi-major", "axis",  "eccentricity", "inclination", "light", "we"};
}

struct Prose {
    std::string plain;  // the text alone
    std::string styled; // the same text with a style action about every 20 characters
};

Prose MakeProse() {
    const std::vector<std::string> words = Words();
    std::mt19937 random(7);
    Prose prose;
    std::size_t sinceStyle = 0, inParagraph = 0;
    int style = 0;
    std::ostringstream styled;
    while (prose.plain.size() < ProseBytes) {
        std::string word = words[random() % words.size()];
        const bool paragraphEnds = inParagraph > 500 && random() % 8 == 0;
        word += paragraphEnds ? ".\n" : " ";
        prose.plain += word;
        inParagraph = paragraphEnds ? 0 : inParagraph + word.size();
        if (sinceStyle >= 20) {
            sinceStyle = 0;
            switch (style++ % 4) {
            case 0:
                styled << tpBoldOn;
                break;
            case 1:
                styled << tpBoldOff << tpItalicOn;
                break;
            case 2:
                styled << tpItalicOff << TextColor{RGB(0, 0, 157)};
                break;
            default:
                styled << TextColor{clBlack};
                break;
            }
        }
        styled << word;
        sinceStyle += word.size();
    }
    prose.styled = styled.str();
    return prose;
}

const Prose& TheProse() {
    static const Prose prose = MakeProse();
    return prose;
}

// The font the port starts with.
QFont PortFont() { return TFont("Arial", 16, clBlack).toQFont(); }

// Tall enough for the whole text in either layout.
int PageHeight() {
    const int lines = int(TheProse().plain.size() / 40);
    return lines * QFontMetrics(PortFont()).height();
}

void BM_TextPort(benchmark::State& state) {
    const Prose& prose = TheProse();
    TBitmap page(FrameWidth, PageHeight());
    int bottom = 0;
    for (auto _ : state) {
        oTextPort port(&page.Canvas(), oRect(0, 0, FrameWidth, page.Height()));
        port.Stream() << prose.styled << std::flush;
        page.Canvas().Flush();
        bottom = port.At().y;
    }
    state.counters["height_px"] = bottom;
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(prose.plain.size()));
}
BENCHMARK(BM_TextPort)->Unit(benchmark::kMillisecond);

void BM_QTextLayout(benchmark::State& state) {
    const QString text = QString::fromStdString(TheProse().plain);
    const QStringList paragraphs = text.split('\n');
    QImage page(FrameWidth, PageHeight(), QImage::Format_RGB32);
    const QFont font = PortFont();
    double bottom = 0;
    for (auto _ : state) {
        QPainter painter(&page);
        painter.setPen(Qt::black);
        double y = 0;
        for (const QString& paragraph : paragraphs) {
            QTextLayout layout(paragraph, font, &page);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(FrameWidth);
                line.setPosition(QPointF(0, y));
                y += line.height();
            }
            layout.endLayout();
            layout.draw(&painter, QPointF(0, 0));
        }
        bottom = y;
    }
    state.counters["height_px"] = bottom;
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(TheProse().plain.size()));
}
BENCHMARK(BM_QTextLayout)->Unit(benchmark::kMillisecond);

} // namespace
