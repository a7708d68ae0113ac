// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The messages of the expression compiler and evaluator. Each is raised as an oError
// with code oError::evaluator (103).

struct oEvalError {
    static constexpr const char* ARG_MISS = "Missing operand or argument";
    static constexpr const char* OP_MISS = "Missing operator or function";
    static constexpr const char* OPEN_MISS = "Missing open bracket";
    static constexpr const char* CLOSE_MISS = "Missing close bracket";
    static constexpr const char* NO_CODELIST = "Invalid function";
    static constexpr const char* NO_EXP = "Null expression";
    static constexpr const char* NO_MEM = "Insufficient memory";
    static constexpr const char* NO_TOK = "No match for keyword or operator";
    static constexpr const char* CODE_ERROR = "CODELIST implementation failure";
    static constexpr const char* BAD_NUM = "Bad number constant";
    static constexpr const char* DIV_ZERO = "Division by zero";
    static constexpr const char* BAD_FACTORIAL = "Bad argument for factorial";
    static constexpr const char* BAD_ASSIGN = "Must be a variable to the left of assignment";
    static constexpr const char* BAD_FUNCTION = "Function parameter must be bracketed";

    // Raises the message as an oError with code 103.
    [[noreturn]] static void raise(const char* message);

    // a / b, raising DIV_ZERO for a divisor that is neither below nor above zero (so a
    // divisor that is not a number counts as zero too).
    template <class T> static T divide(T a, T b) {
        if (!(b < T(0) || b > T(0)))
            raise(DIV_ZERO);
        return a / b;
    }
};
