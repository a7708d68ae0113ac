// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The in-house exception record: a message for the user and a numeric code telling
// where it came from. The mathematical functions of the expression language report
// their argument and range errors through it as well.

#include <cstdint>
#include <exception>
#include <string>

// What went wrong in a call of a mathematical library function.
struct oMathError {
    enum Kind : int {
        domain = 1,
        singularity = 2,
        overflow = 3,
        underflow = 4,
        totalLoss = 5,
        partialLoss = 6,
        stackFault = 7,
    };
    int type;
    // The library function's name, such as "sqrt".
    const char* name;
};

class oError : public std::exception {
public:
    // An error of the mathematical library.
    static constexpr std::int32_t mathLibrary = 102;
    // An error of the expression evaluator or of plotting.
    static constexpr std::int32_t evaluator = 103;

    // The message with `append` added to its end.
    oError(const std::string& message, std::int32_t code, const std::string& append = {});
    // "<KIND> error in Math function '<name>'" with code 102.
    explicit oError(const oMathError& error);

    const char* what() const noexcept override { return message.c_str(); }

    std::string message;
    std::int32_t code;
    // Of an error of the mathematical library: its kind (an oMathError::Kind) and the
    // function's name, so that a reader need not take them out of the message; 0 and empty
    // otherwise.
    int mathKind = 0;
    std::string mathFunction;
};

// Raises the math error as an oError; the checked mathematical functions call it.
[[noreturn]] void raiseMathError(int type, const char* name);
