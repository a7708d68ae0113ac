// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Throughput of the RTF reader's match string on a generated document of about 1 MB, shaped
// like the rich edit's own output: a font table, paragraphs of text with bold and italic runs,
// sub- and superscripts as groups and as raised or lowered text, Symbol-font Greek letters and
// hex escapes for accented characters.

#include "oRTFParser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string generatedDocument(std::size_t size_bytes) {
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset0 Arial;}"
                      "{\\f1\\fcharset2 Symbol;}{\\f2\\fcharset0 Times New Roman;}}"
                      "{\\colortbl;\\red0\\green0\\blue157;}\\f0\\fs24 ";
    const char* paragraphs[] = {
        "The star's radial velocity v{\\sub r} changes with period P; the planet's mass "
        "{\\i m} sin {\\i i} follows from K{\\up6 3}.\\par ",
        "An ellipse of eccentricity {\\b e} and semi-major axis a{\\dn4 p} gives "
        "{\\f1 w} and {\\f1 W} as its angles\\'e9 in radians.\\par ",
        "Mondas, Vulcan and Skyron orbit at 1.5 AU, 10{\\super -3} solar masses and "
        "{\\f1 D}v = 12.7 m/s \\'96 measured na\\'efvely.\\par ",
        "{\\b H{\\sub 2}O} and CO{\\sub 2} lines shift by {\\f1 l}/{\\f1 l}{\\dn4 0} "
        "= v/c\\tab\\ldblquote Doppler\\rdblquote .\\par ",
    };
    for (std::size_t i = 0; rtf.size() < size_bytes; ++i)
        rtf += paragraphs[i % std::size(paragraphs)];
    rtf += "}";
    return rtf;
}

void BM_MatchString(benchmark::State& state) {
    const std::string rtf = generatedDocument(1 << 20);
    oRTFParser parser;
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.Parse(rtf));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * rtf.size()));
}
BENCHMARK(BM_MatchString)->Unit(benchmark::kMillisecond)->Repetitions(10);

} // namespace

BENCHMARK_MAIN();
