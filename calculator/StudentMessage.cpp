// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "calculator/StudentMessage.h"

#include "oError.h"
#include "oEvalError.h"

#include "BookText.h"

namespace {

// The evaluator's messages, in the student's words.
struct TWording {
    const char* Evaluator;
    const char* Student;
};

constexpr TWording EvaluatorWords[] = {
    {oEvalError::DIV_ZERO, QT_TRANSLATE_NOOP("Calculator", "You cannot divide by zero.")},
    {oEvalError::CLOSE_MISS, QT_TRANSLATE_NOOP("Calculator", "A closing bracket ) is missing.")},
    {oEvalError::OPEN_MISS,
     QT_TRANSLATE_NOOP("Calculator", "There is a ) without its opening bracket (.")},
    {oEvalError::ARG_MISS,
     QT_TRANSLATE_NOOP("Calculator", "A number is missing after an operator or inside brackets.")},
    {oEvalError::OP_MISS,
     QT_TRANSLATE_NOOP("Calculator", "An operator such as + or * is missing between two numbers.")},
    {oEvalError::NO_TOK,
     QT_TRANSLATE_NOOP("Calculator",
                       "The expression has a word or sign the calculator does not know.")},
    {oEvalError::BAD_NUM, QT_TRANSLATE_NOOP("Calculator", "A number is not written as a number.")},
    {oEvalError::BAD_FUNCTION,
     QT_TRANSLATE_NOOP("Calculator", "Put a function's number in brackets, as in sin(30).")},
    {oEvalError::BAD_FACTORIAL,
     QT_TRANSLATE_NOOP("Calculator", "! takes only whole numbers from 0 up.")},
};

// A library function's failure, by the function's name and the kind of failure.
struct TMathWording {
    const char* Function; // nullptr: any function
    int Kind;             // an oMathError::Kind; 0: any kind
    const char* Student;
};

constexpr TMathWording MathWords[] = {
    {"log", 0,
     QT_TRANSLATE_NOOP("Calculator", "ln(0) and the ln of a negative number are undefined.")},
    {"log10", 0,
     QT_TRANSLATE_NOOP("Calculator", "log10(0) and the log10 of a negative number are undefined.")},
    {"sqrt", oMathError::domain,
     QT_TRANSLATE_NOOP("Calculator", "A negative number has no square root.")},
    {"asin", oMathError::domain,
     QT_TRANSLATE_NOOP("Calculator", "asin takes only numbers from -1 to 1.")},
    {"acos", oMathError::domain,
     QT_TRANSLATE_NOOP("Calculator", "acos takes only numbers from -1 to 1.")},
    {"tan", oMathError::singularity,
     QT_TRANSLATE_NOOP("Calculator",
                       "tan is undefined there: the angle is an odd multiple of 90°.")},
    {"pow", oMathError::domain,
     QT_TRANSLATE_NOOP("Calculator", "A negative number cannot be raised to a fractional power.")},
    {"pow", oMathError::singularity,
     QT_TRANSLATE_NOOP("Calculator", "0 cannot be raised to a negative power.")},
    {nullptr, oMathError::overflow,
     QT_TRANSLATE_NOOP("Calculator", "The result is too large for the calculator.")},
};

} // namespace

QString StudentMessage(const oError& error) {
    const std::string& message = error.message;
    if (error.code == oError::mathLibrary) {
        for (const TMathWording& words : MathWords) {
            const bool functionFits = !words.Function || error.mathFunction == words.Function;
            const bool kindFits = words.Kind == 0 || error.mathKind == words.Kind;
            if (functionFits && kindFits)
                return BookText("Calculator", words.Student);
        }
        return QString::fromStdString(message);
    }
    for (const TWording& words : EvaluatorWords)
        if (message == words.Evaluator)
            return BookText("Calculator", words.Student);
    return QString::fromStdString(message);
}
