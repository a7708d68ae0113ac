// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "../../fuzz/GeneratedExpression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Bytes: one an operator (0 number, 1 x, 2 +, 3 -, 4 *, 5 /, 6 ^, 7 negate, 8 sin, 9 cos,
// 10 sqrt), a number's two its whole part and tenths (10 to 19 give a decimal).
struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* text;
    double x;
    bool comparable;
};

const Case cases[] = {
    {"a smooth sum", {2, 8, 1, 0, 1, 15}, "(sin(x)+1.5)", 0.7, true},
    {"a cancellation far from its rounding", {3, 2, 1, 0, 99, 0, 0, 99, 0}, "((x+99)-99)", 0.7,
     true},
    {"a negative base to an exponent whole by luck", {6, 7, 1, 4, 0, 0, 11, 0, 30, 0},
     "((-x)^(0.1*30))", 2.0, false},
    {"a negative base to an exact whole exponent", {6, 7, 1, 0, 3, 0}, "((-x)^3)", 2.0, true},
    {"the cosine of 1e19", {9, 6, 0, 10, 0, 0, 19, 0}, "cos((10^19))", 1.0, false},
    {"the root of a rounding residue", {10, 3, 4, 0, 0, 11, 0, 3, 0, 0, 0, 13},
     "sqrt(((0.1*3)-0.3))", 1.0, false},
    {"a quotient by a rounding residue", {5, 1, 3, 4, 0, 0, 11, 0, 3, 0, 0, 0, 13},
     "(x/((0.1*3)-0.3))", 1.0, false},
    {"a division by zero", {5, 1, 0, 0, 0}, "(x/0)", 1.0, false},
};

TEST(GeneratedExpression, ComparesOnlyWhatRoundingCannotDecide) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GeneratedExpression expression(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(expression.text(), c.text);
        EXPECT_EQ(expression.at(c.x).comparable(), c.comparable);
    }
}

TEST(GeneratedExpression, EvaluatesInPlainArithmetic) {
    const std::vector<std::uint8_t> bytes{2, 8, 1, 0, 1, 15};
    const GeneratedExpression expression(bytes.data(), bytes.size());
    const auto value = expression.at(0.7);
    EXPECT_EQ(value.value, std::sin(0.7) + 1.5);
    EXPECT_GT(value.error, 0.0);
    EXPECT_LT(value.error, 1e-14);
    EXPECT_EQ(value.largest, std::sin(0.7) + 1.5);
}

} // namespace
