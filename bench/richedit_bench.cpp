// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The rich edit: composing a chapter page through the writer, streaming in 100 kB of RTF (the
// import alone and into the control), and streaming in a long bulleted list.

#include "RichEditWriter.h"
#include "RtfImport.h"
#include "oRichEdit.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

const TFont kBody("Arial", -13, clNavy);
const TFont kSymbol("Symbol", -15, clNavy);

// About 1500 characters with 40 style changes, as a chapter page has.
void writePage(TRichEditControl& box) {
    box.Clear();
    box << kBody << "\n\n";
    for (int i = 0; i < 4; ++i) {
        box << "The star and its planet orbit their common centre of mass, so the star " << fsItalic
            << "moves" >>
            fsItalic << " with a speed v" << fsSubscript << "*" >>
            fsSubscript << " of a few m s" << fsSuperscript << "-1" >>
            fsSuperscript
                << " along the line of sight. The angle " << kSymbol << "y" << kBody
                << " turns the orbit about its normal, which changes the shape of the velocity "
                   "curve for an elliptical orbit but not for a circular one; the "
                << fsBold << "period" >>
            fsBold << " P = " << 4332.59
                   << " days is read from the graph as the time between two maxima.\n";
    }
    box.SetSelStart(0);
}

struct Page {
    QWidget parent;
    oRichEdit* box = new oRichEdit(&parent);
    Page() {
        parent.resize(400, 300);
        box->setGeometry(12, 20, 361, 173);
        box->setReadOnly(true);
        parent.show();
    }
};

void BM_WriteChapterPage(benchmark::State& state) {
    Page page;
    for (auto _ : state)
        writePage(*page.box);
    state.counters["chars"] = double(page.box->toPlainText().size());
}
BENCHMARK(BM_WriteChapterPage)->Unit(benchmark::kMicrosecond);

// Pages written through the writer and exported, repeated to 100 kB.
std::string rtf100k() {
    Page page;
    writePage(*page.box);
    const std::string body = page.box->GetRtf();
    const std::size_t start = body.find("\\pard");
    const std::string pages = body.substr(start, body.size() - start - 1);
    std::string rtf = body.substr(0, start);
    while (rtf.size() < 100 * 1024)
        rtf += pages + "\\par\n";
    return rtf + "}";
}

void BM_ParseRtf100k(benchmark::State& state) {
    const std::string rtf = rtf100k();
    for (auto _ : state)
        benchmark::DoNotOptimize(rtf::parse(rtf));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(rtf.size()));
}
BENCHMARK(BM_ParseRtf100k)->Unit(benchmark::kMillisecond);

void BM_StreamInRtf100k(benchmark::State& state) {
    const std::string rtf = rtf100k();
    Page page;
    for (auto _ : state)
        page.box->StreamIn(rtf);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(rtf.size()));
}
BENCHMARK(BM_StreamInRtf100k)->Unit(benchmark::kMillisecond);

// One bulleted paragraph after another, to the size in kB given: one list of that many items.
std::string bullets(std::size_t kilobytes) {
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\n";
    while (rtf.size() < kilobytes * 1024)
        rtf += "{\\*\\pn\\pnlvlblt\\pnf0\\pnindent0{\\pntxtb\\'b7}}a\\par\n";
    return rtf + "}";
}

void BM_StreamInBullets(benchmark::State& state) {
    const std::string rtf = bullets(std::size_t(state.range(0)));
    Page page;
    for (auto _ : state)
        page.box->StreamIn(rtf);
    state.counters["paragraphs"] = double(page.box->document()->blockCount());
}
BENCHMARK(BM_StreamInBullets)->Arg(88)->Arg(880)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
