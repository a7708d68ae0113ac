// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Compiles arbitrary text as an expression and evaluates it at a few values of x
// (run with -dict=fuzz/evaluate_fuzz.dict to reach the vocabulary quickly).
// Every input must either compile or raise oError, and every evaluation must either
// give a value or raise oError, the same bits or the same failure when repeated; a failed
// compilation must leave no program.
// The same bytes also steer the generation of a fully bracketed expression (+ - * / ^, sin,
// cos, sqrt, numbers, x), kept as a tree that the harness evaluates itself in plain double
// arithmetic while bounding the rounding error of every step. Where every step stays finite
// and the bound is small beside the value, the evaluator must give a value equal to the
// tree's within rounding. Where the bound is large the exact value is ill-conditioned (a
// negative base to an exponent that rounding may make whole or not, the cosine of 1e19, a
// cancellation): folding constants first or not may rightly decide either way, so there is
// nothing to compare.

#include "Evaluate.h"
#include "fuzz/GeneratedExpression.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Fixture {
    oScientificLanguage language;
    oVariable<double>* x = new oVariable<double>(&language, "x"); // owned by the language
    oCodeList<double> code{&language};
};

void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

// The value at x, or nothing when the evaluator raised its error.
std::optional<double> evaluateAt(Fixture& f, double x) {
    f.x->value = x;
    try {
        return f.code.evaluate();
    } catch (const oError& e) {
        if (e.code != oError::evaluator && e.code != oError::mathLibrary)
            std::abort();
    }
    return std::nullopt;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void fuzzText(Fixture& f, const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        f.code.parse(text.c_str());
    } catch (const oError& e) {
        if (e.code != oError::evaluator && e.code != oError::mathLibrary)
            std::abort();
        const std::int32_t position = f.code.errorPosition();
        if (!f.code.code().empty() || position < -1 || position >= static_cast<std::int32_t>(size))
            std::abort();
        return;
    }
    if (f.code.code().empty())
        std::abort();
    for (double x : {0.0, 1.0, -2.5, 1e300, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
        const auto first = evaluateAt(f, x);
        const auto second = evaluateAt(f, x);
        if (first.has_value() != second.has_value() || (first && !sameBits(*first, *second)))
            fail("a second evaluation differs", text);
    }
}

std::string at(const std::string& text, double x) { return text + "\nx = " + std::to_string(x); }

void compareWithTree(Fixture& f, const std::uint8_t* data, std::size_t size) {
    static constexpr double xs[] = {0.0, 1.0, -2.5, 0.7, 31.0};
    const GeneratedExpression generated(data, size);
    const std::string& text = generated.text();
    try {
        f.code.parse(text.c_str());
    } catch (const oError&) {
        // Compiling works out constant parts, so a refusal needs one that fails for every x.
        for (double x : xs)
            if (generated.at(x).comparable())
                fail("an expression with a value does not compile", at(text, x));
        return;
    }
    for (double x : xs) {
        const auto ours = evaluateAt(f, x);
        const GeneratedExpression::Value exact = generated.at(x);
        if (!exact.comparable())
            continue;
        if (!ours)
            fail("refused where every step is finite", at(text, x));
        const double tolerance = 1e-7 * std::max(1.0, exact.largest) + 4.0 * exact.error;
        if (!(std::fabs(*ours - exact.value) <= tolerance))
            fail("differs from the plain arithmetic", at(text, x) + ", ours " +
                                                          std::to_string(*ours) + ", plain " +
                                                          std::to_string(exact.value));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Fixture f;
    fuzzText(f, data, size);
    compareWithTree(f, data, size);
    return 0;
}
