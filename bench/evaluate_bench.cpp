// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Evaluations per second of compiled expressions, side by side with muparser when it is
// installed. Each pair evaluates the same formula at a slowly moving x.

#include "Evaluate.h"

#include <benchmark/benchmark.h>

#ifdef HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

const char* const expressions[] = {
    "x+2*x",
    "sin(x)^2+cos(x)^2",
    "(x+1)*(x-1)/(x*x+2)",
    "x*x+2*x",
};

void Tallowkit(benchmark::State& state) {
    oScientificLanguage language;
    auto* x = new oVariable<double>(&language, "x"); // owned by the language
    oCodeList<double> code(&language);
    code.parse(expressions[state.range(0)]);
    x->value = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(code.evaluate());
        x->value += 1e-9;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(expressions[state.range(0)]);
}
BENCHMARK(Tallowkit)->DenseRange(0, 3);

#ifdef HAVE_MUPARSER
void Muparser(benchmark::State& state) {
    double x = 0.5;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.SetExpr(expressions[state.range(0)]);
    parser.Eval();
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.Eval());
        x += 1e-9;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(expressions[state.range(0)]);
}
BENCHMARK(Muparser)->DenseRange(0, 3);
#endif

void Compile(benchmark::State& state) {
    oScientificLanguage language;
    new oVariable<double>(&language, "x"); // owned by the language
    oCodeList<double> code(&language);
    for (auto _ : state)
        code.parse("2x^2 - 3sin(x)/(1+x) + sqrt(abs(x))*ln(x+2)");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Compile);

} // namespace

BENCHMARK_MAIN();
