// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Evaluate.h"
#include "TBitmap.h"
#include "oEvaluator.h"
#include "oFunction.h"
#include "oWorldCanvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

// The oError that `action` raises, or one with an empty message when it raises none.
template <class Action> oError raised(Action action) {
    try {
        action();
    } catch (const oError& e) {
        return e;
    }
    return oError("", 0);
}

int tokenCount(const oLanguage& language) {
    int count = 0;
    for (const oLinkedListItem* item = language.next(); item; item = language.next(item))
        ++count;
    return count;
}

TEST(Function, SamplesEvenlyFromTheSmallerEnd) {
    oFunction f(nullptr);
    f.calculatePoints("x^2", 2, -2, 4);
    ASSERT_NE(f.points(), nullptr);
    const double expected[] = {4, 1, 0, 1, 4};
    for (int i = 0; i <= 4; ++i)
        EXPECT_DOUBLE_EQ(f.points()[i], expected[i]) << "sample " << i;
    EXPECT_EQ(f.x1(), -2);
    EXPECT_EQ(f.x2(), 2);
    EXPECT_EQ(f.dx(), 1);
    EXPECT_EQ(f.bounds, oRealRect(-2, 0, 4, 4));
    EXPECT_EQ(f.expression(), "x^2");
    EXPECT_DOUBLE_EQ(f.x, 3) << "x ends one step beyond the last sample";
}

TEST(Function, SamplingConstructorAndConstantExpressions) {
    oFunction constant("2pi", -1.0, 5.0, 3);
    EXPECT_EQ(constant.steps(), 3);
    EXPECT_DOUBLE_EQ(constant.bounds.pos().y, 2 * 3.141592653589793);
    EXPECT_EQ(constant.bounds.size().y, 0);
    EXPECT_EQ(constant.bounds.size().x, 6);
}

TEST(Function, ConvertsToItsValueAtX) {
    oFunction f("2x^2 - 3", 3.0);
    EXPECT_DOUBLE_EQ(f, 15);
    f.x = -1;
    EXPECT_DOUBLE_EQ(f, -1);
    oFunction uncompiled;
    EXPECT_EQ(raised([&] { static_cast<double>(uncompiled); }).message, oEvalError::NO_CODELIST);
}

TEST(Function, RefusesSampleCountsItCannotHold) {
    const std::int32_t counts[] = {536870905, std::numeric_limits<std::int32_t>::max()};
    for (std::int32_t steps : counts) {
        SCOPED_TRACE(steps);
        oFunction f(nullptr);
        const oError error = raised([&] { f.calculatePoints("x", 0, 1, steps); });
        EXPECT_EQ(error.message, "too many points in graph");
        EXPECT_EQ(error.code, 103);
        EXPECT_EQ(f.points(), nullptr);
    }
}

TEST(Function, FailedSamplingLeavesNoSamples) {
    const struct {
        const char* name;
        const char* expression;
        const char* message;
    } cases[] = {
        {"EvaluationErrorPartWay", "1/x", oEvalError::DIV_ZERO},
        {"MathErrorPartWay", "sqrt(x)", "DOMAIN error in Math function 'sqrt'"},
        {"CompileError", "x+", oEvalError::ARG_MISS},
        {"Empty", "", oEvalError::NO_EXP},
        {"Absent", nullptr, oEvalError::NO_EXP},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        oFunction f(nullptr);
        f.calculatePoints("x", 0, 1, 2);
        ASSERT_NE(f.points(), nullptr);
        EXPECT_EQ(raised([&] { f.calculatePoints(c.expression, -1, 1, 4); }).message, c.message);
        EXPECT_EQ(f.points(), nullptr);
        EXPECT_EQ(f.bounds, oRealRect());
    }
}

TEST(Function, NoStepsMeansNoSamples) {
    oFunction f(nullptr);
    f.calculatePoints("x", 0, 1, 0);
    EXPECT_EQ(f.points(), nullptr);
    f.calculatePoints("x", 0, 1, -3);
    EXPECT_EQ(f.points(), nullptr);
}

TEST(Function, GivenLanguageKeepsItsTokensAndLosesTheVariable) {
    oScientificLanguage language;
    const int before = tokenCount(language);
    {
        oFunction f("x+1", 1.0, &language);
        EXPECT_EQ(tokenCount(language), before + 1);
        EXPECT_EQ(f.language(), &language);
    }
    EXPECT_EQ(tokenCount(language), before);
    EXPECT_EQ(raised([&] { oFunction bad("x+", 0.0, &language); }).message, oEvalError::ARG_MISS);
    EXPECT_EQ(tokenCount(language), before) << "a failed constructor releases its variable";
}

TEST(Function, FunctionsSharingALanguageReadTheirOwnVariable) {
    oScientificLanguage language;
    oFunction square("x^2", 3.0, &language);
    oFunction twice("2x", 5.0, &language);
    EXPECT_DOUBLE_EQ(square, 9);
    EXPECT_DOUBLE_EQ(twice, 10);
    square.calculatePoints("x+1", 0, 2, 2);
    EXPECT_DOUBLE_EQ(square.points()[2], 3);
    EXPECT_DOUBLE_EQ(twice, 10);
}

TEST(Function, ShowDrawsTheSamplesAsAPolyline) {
    TBitmap bitmap(100, 100);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Color = clRed;
    oWorldCanvas world(&canvas);
    world.SetViewPort(oRect(0, 0, 100, 100));
    world.SetWorldPort(oRealRect(-2, 5, 4, -6)); // y up: y = 0 on pixel row 83

    oFunction none(nullptr);
    none.show(world);
    EXPECT_EQ(bitmap.Pixel(50, 83), clWhite) << "no samples draw nothing";

    oFunction parabola("x^2", -2.0, 2.0, 40);
    parabola.show(world);
    EXPECT_EQ(bitmap.Pixel(50, 83), clRed) << "the vertex (0, 0)";
    EXPECT_EQ(bitmap.Pixel(75, 67), clRed) << "the point (1, 1)";
    EXPECT_EQ(bitmap.Pixel(50, 50), clWhite) << "above the vertex";
    EXPECT_EQ(bitmap.Pixel(25, 83), clWhite) << "below (-1, 1)";
}

TEST(Evaluator, ResultFollowsTheExpression) {
    const struct {
        const char* expression;
        double result;
    } cases[] = {{"2+3", 5}, {"x+1", 1}, {"cos(x)", 1}, {"sqrt(16)/4", 1}};
    oEvaluator evaluator;
    EXPECT_EQ(evaluator.Expression(), "");
    EXPECT_EQ(evaluator.Result(), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        evaluator.SetExpression(c.expression);
        EXPECT_EQ(evaluator.Expression(), c.expression);
        EXPECT_DOUBLE_EQ(evaluator.Result(), c.result);
    }
    evaluator.SetResult(42);
    EXPECT_DOUBLE_EQ(evaluator.Result(), 1) << "the result is read-only";
}

TEST(Evaluator, FailureStoresTheTextAndKeepsTheResult) {
    const struct {
        const char* expression;
        const char* message;
    } cases[] = {
        {"1/x", oEvalError::DIV_ZERO}, {"", oEvalError::NO_EXP}, {"2 3", oEvalError::OP_MISS}};
    oEvaluator evaluator;
    evaluator.SetExpression("2+3");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        const oError error = raised([&] { evaluator.SetExpression(c.expression); });
        EXPECT_EQ(error.message, c.message);
        EXPECT_EQ(error.code, 103);
        EXPECT_EQ(evaluator.Expression(), c.expression);
        EXPECT_DOUBLE_EQ(evaluator.Result(), 5);
    }
}

} // namespace
