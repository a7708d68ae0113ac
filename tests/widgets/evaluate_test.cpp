// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Evaluate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// A compiled expression in the standard language with its variable x.
class Compiled {
public:
    Compiled() : x(new oVariable<double>(&language, "x")), code(&language) {}

    double at(double value) {
        x->value = value;
        return code.evaluate();
    }

    oScientificLanguage language;
    oVariable<double>* x; // owned by the language
    oCodeList<double> code;
};

std::string caseName(const char* name) { return name; }

// ---- Valid expressions ---------------------------------------------------------------

struct ValidCase {
    const char* name;
    const char* expression;
    double x;
    double expected;
};

std::ostream& operator<<(std::ostream& out, const ValidCase& c) { return out << c.expression; }

class ValidExpression : public testing::TestWithParam<ValidCase> {};

TEST_P(ValidExpression, EvaluatesToTheExpectedValue) {
    const ValidCase& c = GetParam();
    Compiled compiled;
    compiled.code.parse(c.expression);
    EXPECT_DOUBLE_EQ(compiled.at(c.x), c.expected) << "'" << c.expression << "' at x = " << c.x;
}

const double pi = 3.141592653589793;

const ValidCase validCases[] = {
    // Precedence and associativity.
    {"SumOfProduct", "1+2*3", 0, 7},
    {"ProductBeforeDifference", "10-2*3", 0, 4},
    {"DifferenceIsLeftAssociative", "10-4-3", 0, 3},
    {"QuotientIsLeftAssociative", "8/2/2", 0, 2},
    {"PowerIsLeftAssociative", "2^3^2", 0, 64},
    {"PowerBeforeProduct", "2*3^2", 0, 18},
    {"UnaryMinusLooserThanPower", "-2^2", 0, -4},
    {"UnaryMinusTighterThanProduct", "-x*2", 3, -6},
    {"NegativeExponent", "2^-1", 0, 0.5},
    {"DoubleMinus", "--2", 0, 2},
    {"UnaryPlus", "+x", 4, 4},
    {"MinusAfterOperator", "3*-x", 2, -6},
    {"BracketsOverridePrecedence", "(1+2)*3", 0, 9},
    {"FunctionBindsTightest", "sin(x)^2", pi / 6, 0.25},
    {"NestedBrackets", "((((x))))+1", 1, 2},
    // Every shape of a sum with a product, which the step list fuses into one step.
    {"SumThenVariableProduct", "1+x*2", 3, 7},
    {"VariableProductThenSum", "x*2+1", 3, 7},
    {"ProductOfVariableThenSum", "2*x+1", 3, 7},
    {"SumThenProductOfVariable", "1+2*x", 3, 7},
    {"DifferenceThenVariableProduct", "1-x*2", 3, -5},
    {"VariableProductThenDifference", "x*2-1", 3, 5},
    {"ProductOfVariableThenDifference", "2*x-1", 3, 5},
    {"DifferenceThenProductOfVariable", "1-2*x", 3, -5},
    {"FusedSumAtNegativeX", "1+x*2", -0.5, 0},
    {"FusedDifferenceAtNegativeX", "x*2-1", -0.5, -2},
    {"MirroredDifferenceAtNegativeX", "1-2*x", -0.5, 2},
    {"FoldedProductThenVariableProduct", "2*3+x*2", 3, 12},
    {"VariableProductThenFoldedSum", "x*2+(1+2)", 3, 9},
    // Implicit multiplication.
    {"NumberTimesVariable", "2x^2", 3, 18},
    {"NumberTimesConstant", "2pi", 0, 2 * pi},
    {"NumberTimesBracket", "3(x+1)", 1, 6},
    {"BracketTimesBracket", "(x+1)(x-1)", 3, 8},
    {"NumberTimesFunction", "2sin(x)", pi / 2, 2},
    {"VariableTimesConstant", "x pi", 2, 2 * pi},
    {"ConstantBrackets", "3(4)", 0, 12},
    {"BracketedConstants", "(2)(3)", 0, 6},
    {"ImplicitBindsLikeProduct", "1/2x", 4, 2},
    // Vocabulary.
    {"CaseBlind", "SIN(X)+Pi", pi / 2, 1 + pi},
    {"SpaceBeforeArgument", "sin (x)", 0, 0},
    {"HyperbolicNotCircular", "sinh(x)", 1, std::sinh(1.0)},
    {"Cosh", "cosh(x)", 1, std::cosh(1.0)},
    {"Tanh", "tanh(x)", 1, std::tanh(1.0)},
    {"Cos", "cos(x)", pi, -1},
    {"Tan", "tan(x)", pi / 4, 1},
    {"Asin", "asin(x)", 1, pi / 2},
    {"AsinAlias", "asn(x)", 1, pi / 2},
    {"AcosAlias", "acs(x)", -1, pi},
    {"AtanAlias", "atn(x)+atan(x)", 1, pi / 2},
    {"SqrIsSquareRoot", "sqr(x)", 16, 4},
    {"Sqrt", "sqrt(x)", 2, std::sqrt(2.0)},
    {"Abs", "abs(x)", -2.5, 2.5},
    {"Exp", "exp(x)", 1, std::exp(1.0)},
    {"Ln", "ln(x)", std::exp(2.0), 2},
    {"Log10", "log10(x)", 1000, 3},
    {"SignNegative", "sign(x)", -0.1, -1},
    {"SgnPositive", "sgn(x)", 7, 1},
    {"SignOfZero", "sign(x)", 0, 0},
    {"SignOfNonNumber", "sign(1e400-1e400)", 0, 0},
    {"IntTruncatesTowardZero", "int(x)", -2.7, -2},
    {"IntBeyond64Bits", "int(x)", 1e300, 1e300},
    {"NintHalfAwayFromZero", "nint(x)", 2.5, 3},
    {"NintNegativeHalf", "nint(x)", -2.5, -3},
    {"NintRoundsDown", "nint(x)", 2.4, 2},
    // Literals.
    {"LeadingPoint", ".5", 0, 0.5},
    {"TrailingPoint", "5.", 0, 5},
    {"PointAndExponent", "1.e5", 0, 1e5},
    {"CapitalExponent", "2E-3", 0, 0.002},
    {"ExponentPlus", "2e+3", 0, 2000},
    {"LiteralStopsBeforeExp", "2exp(0)", 0, 2},
    {"HexIsNotRead", "0 x", 0x1A, 0},
    {"LiteralTooLargeIsInfinite", "1e400", 0, std::numeric_limits<double>::infinity()},
    {"LiteralTooSmallIsZero", "1e-400", 0, 0},
    {"LongFractionTooSmall",
     "0.0000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000001",
     0, 0},
    {"UnderflowIsNotAnError", "exp(x)", -1000, 0},
    {"WhiteSpaceAround", " \t x + 1 \n", 1, 2},
};

INSTANTIATE_TEST_SUITE_P(Expressions, ValidExpression, testing::ValuesIn(validCases),
                         [](const auto& info) { return caseName(info.param.name); });

// ---- Invalid expressions -------------------------------------------------------------

struct InvalidCase {
    const char* name;
    const char* expression;
    const char* message;
    int code;
};

std::ostream& operator<<(std::ostream& out, const InvalidCase& c) { return out << c.expression; }

class InvalidExpression : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidExpression, FailsToCompileWithItsMessage) {
    const InvalidCase& c = GetParam();
    Compiled compiled;
    try {
        compiled.code.parse(c.expression);
        FAIL() << "'" << c.expression << "' compiled";
    } catch (const oError& e) {
        EXPECT_EQ(e.message, c.message) << "'" << c.expression << "'";
        EXPECT_EQ(e.code, c.code) << "'" << c.expression << "'";
    }
    // A failed compilation leaves no program behind.
    EXPECT_TRUE(compiled.code.code().empty());
}

const InvalidCase invalidCases[] = {
    {"Empty", "", oEvalError::NO_EXP, 103},
    {"OnlyWhiteSpace", "   ", oEvalError::NO_EXP, 103},
    {"VariableThenNumber", "x2", oEvalError::OP_MISS, 103},
    {"NumberThenNumber", "2 3", oEvalError::OP_MISS, 103},
    {"FunctionWithoutBracket", "sin x", oEvalError::BAD_FUNCTION, 103},
    {"FunctionAtEnd", "sqrt", oEvalError::BAD_FUNCTION, 103},
    {"NamesRunTogether", "pix", oEvalError::NO_TOK, 103},
    {"VariablesRunTogether", "xx", oEvalError::NO_TOK, 103},
    {"UnknownWord", "y", oEvalError::NO_TOK, 103},
    {"UnknownSymbol", "2%3", oEvalError::NO_TOK, 103},
    {"ExponentMarkerAlone", "2e", oEvalError::NO_TOK, 103},
    {"LogIsNotAToken", "log(2)", oEvalError::NO_TOK, 103},
    {"UnclosedBracket", "(1+2", oEvalError::CLOSE_MISS, 103},
    {"UnopenedBracket", "1+2)", oEvalError::OPEN_MISS, 103},
    {"EmptyBrackets", "()", oEvalError::ARG_MISS, 103},
    {"TrailingOperator", "1+", oEvalError::ARG_MISS, 103},
    {"LeadingOperator", "*2", oEvalError::ARG_MISS, 103},
    {"TwoOperators", "2*/3", oEvalError::ARG_MISS, 103},
    {"TrailingSign", "2*-", oEvalError::ARG_MISS, 103},
    {"OpenBracketAtEnd", "2*(", oEvalError::ARG_MISS, 103},
    {"FunctionWithEmptyArgument", "sin()", oEvalError::ARG_MISS, 103},
    {"TwoPoints", "1.2.3", oEvalError::BAD_NUM, 103},
    {"PointAlone", ".", oEvalError::BAD_NUM, 103},
    {"PointBeforeLetter", ".x", oEvalError::BAD_NUM, 103},
    {"PointAfterExponent", "1e5.2", oEvalError::BAD_NUM, 103},
    {"ExponentSignWithoutDigits", "1e+", oEvalError::BAD_NUM, 103},
    {"ConstantDivisionByZero", "1/0", oEvalError::DIV_ZERO, 103},
    {"FoldedDivisionByZero", "1/(2-2)", oEvalError::DIV_ZERO, 103},
    {"SqrtDomain", "sqrt(-1)", "DOMAIN error in Math function 'sqrt'", 102},
    {"SqrDomainNamesTheLibraryFunction", "sqr(-1)", "DOMAIN error in Math function 'sqrt'", 102},
    {"LnDomain", "ln(-1)", "DOMAIN error in Math function 'log'", 102},
    {"LnSingularity", "ln(0)", "SINGULARITY error in Math function 'log'", 102},
    {"Log10Singularity", "log10(0)", "SINGULARITY error in Math function 'log10'", 102},
    {"AsinDomain", "asin(2)", "DOMAIN error in Math function 'asin'", 102},
    {"AcosDomain", "acs(-1.5)", "DOMAIN error in Math function 'acos'", 102},
    {"ExpOverflow", "exp(1000)", "OVERFLOW error in Math function 'exp'", 102},
    {"SinhOverflow", "sinh(1000)", "OVERFLOW error in Math function 'sinh'", 102},
    {"CoshOverflow", "cosh(-1000)", "OVERFLOW error in Math function 'cosh'", 102},
    {"PowerOverflow", "10^400", "OVERFLOW error in Math function 'pow'", 102},
    {"SquareOverflow", "1e200^2", "OVERFLOW error in Math function 'pow'", 102},
    {"PowerDomain", "(-8)^(1/3)", "DOMAIN error in Math function 'pow'", 102},
    {"PowerSingularity", "0^-1", "SINGULARITY error in Math function 'pow'", 102},
    {"SinOfInfinity", "sin(1e400)", "DOMAIN error in Math function 'sin'", 102},
};

INSTANTIATE_TEST_SUITE_P(Expressions, InvalidExpression, testing::ValuesIn(invalidCases),
                         [](const auto& info) { return caseName(info.param.name); });

// ---- Errors found only while evaluating ----------------------------------------------

struct RuntimeErrorCase {
    const char* name;
    const char* expression;
    double x;
    double fineX; // a value where the expression has a value
    const char* message;
    int code;
};

std::ostream& operator<<(std::ostream& out, const RuntimeErrorCase& c) {
    return out << c.expression;
}

class RuntimeError : public testing::TestWithParam<RuntimeErrorCase> {};

TEST_P(RuntimeError, CompilesButFailsAtTheValue) {
    const RuntimeErrorCase& c = GetParam();
    Compiled compiled;
    compiled.code.parse(c.expression);
    EXPECT_NO_THROW(compiled.at(c.fineX));
    try {
        compiled.at(c.x);
        FAIL() << "'" << c.expression << "' evaluated at x = " << c.x;
    } catch (const oError& e) {
        EXPECT_EQ(e.message, c.message);
        EXPECT_EQ(e.code, c.code);
    }
}

const RuntimeErrorCase runtimeCases[] = {
    {"DivisionByZero", "1/x", 0, 1, oEvalError::DIV_ZERO, 103},
    {"DivisionByNonNumber", "1/(x-x+1)", std::numeric_limits<double>::infinity(), 1,
     oEvalError::DIV_ZERO, 103},
    {"SqrtOfNegative", "sqrt(x-1)", 0, 1, "DOMAIN error in Math function 'sqrt'", 102},
    {"LnAtZero", "ln(x)", 0, 1, "SINGULARITY error in Math function 'log'", 102},
    {"ExpOverflow", "exp(1000x)", 1, 0, "OVERFLOW error in Math function 'exp'", 102},
    {"PowerOfNegativeBase", "x^0.5", -4, 4, "DOMAIN error in Math function 'pow'", 102},
};

INSTANTIATE_TEST_SUITE_P(Expressions, RuntimeError, testing::ValuesIn(runtimeCases),
                         [](const auto& info) { return caseName(info.param.name); });

// ---- Compiled form -------------------------------------------------------------------

TEST(CodeList, ConstantExpressionsFoldToOneNode) {
    const struct {
        const char* expression;
        double value;
    } cases[] = {{"1+2*3", 7},           {"-2^2", -4},        {"2pi", 2 * pi},
                 {"sqrt(16)+sin(0)", 4}, {"((1+2))(3-1)", 6}, {"--5", 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        Compiled compiled;
        compiled.code.parse(c.expression);
        ASSERT_EQ(compiled.code.code().size(), 1u);
        EXPECT_DOUBLE_EQ(compiled.code.code()[0].value, c.value);
        EXPECT_DOUBLE_EQ(compiled.at(123), c.value);
    }
}

TEST(CodeList, ConstantPartsOfVariableExpressionsFold) {
    Compiled compiled;
    // x, (2*3 folded to 6), *, then (1+1 folded to 2), +
    compiled.code.parse("x*(2*3)+(1+1)");
    EXPECT_EQ(compiled.code.code().size(), 5u);
    EXPECT_DOUBLE_EQ(compiled.at(2), 14);
}

TEST(CodeList, ErrorPositionPointsAtTheUnreadableToken) {
    const struct {
        const char* expression;
        int position;
    } cases[] = {{"1 + y", 4}, {"2*pix", 2}, {"1+2.3.4", 2}, {"(1+2", -1}, {"1/0", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        Compiled compiled;
        EXPECT_THROW(compiled.code.parse(c.expression), oError);
        EXPECT_EQ(compiled.code.errorPosition(), c.position);
    }
}

TEST(CodeList, EvaluatingWithoutAProgramIsAnInvalidFunction) {
    Compiled compiled;
    try {
        compiled.at(0);
        FAIL() << "evaluated without a program";
    } catch (const oError& e) {
        EXPECT_EQ(e.message, oEvalError::NO_CODELIST);
        EXPECT_EQ(e.code, 103);
    }
    compiled.code.parse("x+1");
    EXPECT_THROW(compiled.code.parse("x+"), oError);
    EXPECT_THROW(compiled.at(0), oError);
}

TEST(CodeList, RecompilingReplacesTheProgram) {
    Compiled compiled;
    compiled.code.parse("x+1");
    compiled.code.parse("x*10");
    EXPECT_DOUBLE_EQ(compiled.at(2), 20);
}

TEST(CodeList, DeepNestingNeedsNoRecursion) {
    const std::size_t depth = 200000;
    // An even number of signs leaves the 1 positive.
    const std::string expression = std::string(depth, '(') + "x" + std::string(depth, ')') + "+" +
                                   std::string(depth, '-') + "1";
    Compiled compiled;
    compiled.code.parse(expression.c_str());
    EXPECT_DOUBLE_EQ(compiled.at(5), 6);
    EXPECT_THROW(compiled.code.parse((std::string(depth, '(') + "x").c_str()), oError);
}

// A binary operator "?" that answers its right operand and notes the token of its
// left operand, as an assignment would check for a variable there.
class operandRecorder : public oToken<double> {
public:
    explicit operandRecorder(oLanguage* language)
        : oToken<double>(language, "?", oTokenBase::binaryOp, 3), language(language) {}
    double op2(double, double b) const override {
        seen = language->currentOperand;
        return b;
    }
    oLanguage* language;
    mutable const oTokenBase* seen = nullptr;
};

TEST(CodeList, AnOperatorSeesTheTokenOfItsLeftOperand) {
    const struct {
        const char* expression;
        const char* operandName;
    } cases[] = {{"x?2", "x"}, {"(x+1)?2", "+"}, {"sin(x)?x", "sin"}, {"x?x?1", "?"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        Compiled compiled;
        auto* recorder = new operandRecorder(&compiled.language); // owned by the language
        compiled.code.parse(c.expression);
        compiled.at(1);
        ASSERT_NE(recorder->seen, nullptr);
        EXPECT_STREQ(recorder->seen->name, c.operandName);
    }
}

// ---- Languages and their token lists -------------------------------------------------

TEST(Language, FirstMatchingTokenWins) {
    oScientificLanguage language;
    int length = 0;
    const struct {
        const char* text;
        const char* name;
        int length;
    } cases[] = {{"sinh(1)", "sinh", 4}, {"sin(1)", "sin", 3}, {"sqrt(2)", "sqrt", 4},
                 {"sqr(2)", "sqr", 3},   {"12.5e3+", "e", 6},  {"PI", "pi", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const oTokenBase* token = language.find(c.text, length, nullptr);
        ASSERT_NE(token, nullptr);
        EXPECT_STREQ(token->name, c.name);
        EXPECT_EQ(length, c.length);
    }
}

TEST(Language, SignsDependOnThePreviousToken) {
    oScientificLanguage language;
    int length = 0;
    const oTokenBase* number = language.find("1", length, nullptr);
    EXPECT_EQ(language.find("-", length, nullptr)->type, oTokenBase::unaryOp);
    EXPECT_EQ(language.find("-", length, number)->type, oTokenBase::binaryOp);
    EXPECT_EQ(language.find("+", length, number)->type, oTokenBase::binaryOp);
}

TEST(Language, VariableTokensLeaveTheListWhenDestroyed) {
    oScientificLanguage language;
    const oLinkedListItem* last = nullptr;
    for (const oLinkedListItem* item = language.next(); item; item = language.next(item))
        last = item;
    {
        oVariable<double> t(&language, "t");
        const oLinkedListItem* added = nullptr;
        for (const oLinkedListItem* item = language.next(); item; item = language.next(item))
            added = item;
        EXPECT_EQ(added, &t);
        EXPECT_EQ(language.next(&t), nullptr);
        EXPECT_EQ(language.next(last), &t);
    }
    EXPECT_EQ(language.next(last), nullptr);
}

TEST(LinkedList, NextAnswersNothingForAForeignItem) {
    oLinkedList first(true);
    oLinkedList second(true);
    auto* a = new oLinkedListItem(&first);
    auto* b = new oLinkedListItem(&first);
    auto* foreign = new oLinkedListItem(&second);
    EXPECT_EQ(first.next(), a);
    EXPECT_EQ(first.next(a), b);
    EXPECT_EQ(first.next(b), nullptr);
    EXPECT_EQ(first.next(foreign), nullptr);
    delete a;
    EXPECT_EQ(first.next(), b);
}

TEST(LinkedListDeathTest, ANonOwningListMustBeEmptyWhenDestroyed) {
    EXPECT_DEATH(
        {
            auto* list = new oLinkedList(false);
            new oLinkedListItem(list);
            delete list;
        },
        "oLinkedList not empty");
}

TEST(Error, CarriesMessageAndCode) {
    const oError appended("too many points", 103, " in graph");
    EXPECT_EQ(appended.message, "too many points in graph");
    EXPECT_STREQ(appended.what(), "too many points in graph");
    const struct {
        int type;
        const char* message;
    } kinds[] = {{1, "DOMAIN error in Math function 'f'"},
                 {2, "SINGULARITY error in Math function 'f'"},
                 {3, "OVERFLOW error in Math function 'f'"},
                 {4, "UNDERFLOW error in Math function 'f'"},
                 {5, "LOSS OF SIGNIFICANCE error in Math function 'f'"},
                 {6, "UNKNOWN error in Math function 'f'"},
                 {7, "FLOATING POINT UNIT STACK OVERFLOW error in Math function 'f'"}};
    for (const auto& kind : kinds) {
        const oError error(oMathError{kind.type, "f"});
        EXPECT_EQ(error.message, kind.message);
        EXPECT_EQ(error.code, 102);
        EXPECT_EQ(error.mathKind, kind.type) << "kept beside the message";
        EXPECT_EQ(error.mathFunction, "f");
    }
}

} // namespace
