// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "calculator/StudentMessage.h"

#include "oError.h"
#include "oEvalError.h"


namespace {

// The evaluator's messages, in the student's words.
struct TWording {
    const char* Evaluator;
    const char* Student;
};

constexpr TWording EvaluatorWords[] = {
    {oEvalError::DIV_ZERO, "You cannot divide by zero."},
    {oEvalError::CLOSE_MISS, "A closing bracket ) is missing."},
    {oEvalError::OPEN_MISS, "There is a ) without its opening bracket (."},
    {oEvalError::ARG_MISS, "A number is missing after an operator or inside brackets."},
    {oEvalError::OP_MISS, "An operator such as + or * is missing between two numbers."},
    {oEvalError::NO_TOK, "The expression has a word or sign the calculator does not know."},
    {oEvalError::BAD_NUM, "A number is not written as a number."},
    {oEvalError::BAD_FUNCTION, "Put a function's number in brackets, as in sin(30)."},
    {oEvalError::BAD_FACTORIAL, "! takes only whole numbers from 0 up."},
};

// A library function's failure, by the function's name and the kind of failure.
struct TMathWording {
    const char* Function; // nullptr: any function
    int Kind;             // an oMathError::Kind; 0: any kind
    const char* Student;
};

constexpr TMathWording MathWords[] = {
    {"log", 0, "ln(0) and the ln of a negative number are undefined."},
    {"log10", 0, "log10(0) and the log10 of a negative number are undefined."},
    {"sqrt", oMathError::domain, "A negative number has no square root."},
    {"asin", oMathError::domain, "asin takes only numbers from -1 to 1."},
    {"acos", oMathError::domain, "acos takes only numbers from -1 to 1."},
    {"tan", oMathError::singularity, "tan is undefined there: the angle is an odd multiple of 90°."},
    {"pow", oMathError::domain, "A negative number cannot be raised to a fractional power."},
    {"pow", oMathError::singularity, "0 cannot be raised to a negative power."},
    {nullptr, oMathError::overflow, "The result is too large for the calculator."},
};

} // namespace

std::string StudentMessage(const oError& error) {
    const std::string& message = error.message;
    if (error.code == oError::mathLibrary) {
        for (const TMathWording& words : MathWords) {
            const bool functionFits = !words.Function || error.mathFunction == words.Function;
            const bool kindFits = words.Kind == 0 || error.mathKind == words.Kind;
            if (functionFits && kindFits)
                return words.Student;
        }
        return message;
    }
    for (const TWording& words : EvaluatorWords)
        if (message == words.Evaluator)
            return words.Student;
    return message;
}
