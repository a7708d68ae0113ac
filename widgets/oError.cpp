// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oError.h"

namespace {

const char* kindWord(int type) {
    switch (type) {
    case oMathError::domain:
        return "DOMAIN";
    case oMathError::singularity:
        return "SINGULARITY";
    case oMathError::overflow:
        return "OVERFLOW";
    case oMathError::underflow:
        return "UNDERFLOW";
    case oMathError::totalLoss:
        return "LOSS OF SIGNIFICANCE";
    case oMathError::stackFault:
        return "FLOATING POINT UNIT STACK OVERFLOW";
    default:
        return "UNKNOWN";
    }
}

} // namespace

oError::oError(const std::string& message, std::int32_t code, const std::string& append)
    : message(message + append), code(code) {}

oError::oError(const oMathError& error)
    : message(std::string(kindWord(error.type)) + " error in Math function '" +
              (error.name ? error.name : "") + "'"),
      code(mathLibrary), mathKind(error.type), mathFunction(error.name ? error.name : "") {}

void raiseMathError(int type, const char* name) { throw oError(oMathError{type, name}); }
