// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "calculator/StudentMessage.h"

#include "oError.h"
#include "oEvalError.h"

#include <cstring>

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

// A library function's failure, by the function's name and the kind of failure named at
// the start of the message ("DOMAIN error in Math function 'sqrt'").
struct TMathWording {
    const char* Function;
    const char* Kind; // nullptr: any kind
    const char* Student;
};

constexpr TMathWording MathWords[] = {
    {"log", nullptr, "ln(0) and the ln of a negative number are undefined."},
    {"log10", nullptr, "log10(0) and the log10 of a negative number are undefined."},
    {"sqrt", "DOMAIN", "A negative number has no square root."},
    {"asin", "DOMAIN", "asin takes only numbers from -1 to 1."},
    {"acos", "DOMAIN", "acos takes only numbers from -1 to 1."},
    {"tan", "SING", "tan is undefined there: the angle is an odd multiple of 90°."},
    {"pow", "DOMAIN", "A negative number cannot be raised to a fractional power."},
    {"pow", "SING", "0 cannot be raised to a negative power."},
    {nullptr, "OVERFLOW", "The result is too large for the calculator."},
};

} // namespace

std::string StudentMessage(const oError& error) {
    const std::string& message = error.message;
    if (error.code == oError::mathLibrary) {
        const std::size_t open = message.find('\'');
        const std::size_t close = message.rfind('\'');
        const std::string function =
            open != std::string::npos && close > open ? message.substr(open + 1, close - open - 1)
                                                      : std::string();
        for (const TMathWording& words : MathWords) {
            const bool functionFits = !words.Function || function == words.Function;
            const bool kindFits = !words.Kind || message.rfind(words.Kind, 0) == 0;
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
