// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "checkedMath.h"

#include "oError.h"

#include <cmath>

namespace checkedMath {

namespace {

// The circular functions have no value at an infinite angle.
void requireFiniteAngle(double a, const char* name) {
    if (std::isinf(a))
        raiseMathError(oMathError::domain, name);
}

void requireUnitRange(double a, const char* name) {
    if (a < -1.0 || a > 1.0)
        raiseMathError(oMathError::domain, name);
}

void requirePositive(double a, const char* name) {
    if (a < 0.0)
        raiseMathError(oMathError::domain, name);
    if (a == 0.0)
        raiseMathError(oMathError::singularity, name);
}

// A finite argument whose result is infinite has overflowed.
double requireFiniteResult(double result, double a, const char* name) {
    if (std::isinf(result) && std::isfinite(a))
        raiseMathError(oMathError::overflow, name);
    return result;
}

} // namespace

double sin(double a) {
    requireFiniteAngle(a, "sin");
    return std::sin(a);
}

double cos(double a) {
    requireFiniteAngle(a, "cos");
    return std::cos(a);
}

double tan(double a) {
    requireFiniteAngle(a, "tan");
    return std::tan(a);
}

double asin(double a) {
    requireUnitRange(a, "asin");
    return std::asin(a);
}

double acos(double a) {
    requireUnitRange(a, "acos");
    return std::acos(a);
}

double atan(double a) { return std::atan(a); }
double sinh(double a) { return requireFiniteResult(std::sinh(a), a, "sinh"); }
double cosh(double a) { return requireFiniteResult(std::cosh(a), a, "cosh"); }
double tanh(double a) { return std::tanh(a); }
double exp(double a) { return requireFiniteResult(std::exp(a), a, "exp"); }

double log(double a) {
    requirePositive(a, "log");
    return std::log(a);
}

double log10(double a) {
    requirePositive(a, "log10");
    return std::log10(a);
}

double sqrt(double a) {
    if (a < 0.0)
        raiseMathError(oMathError::domain, "sqrt");
    return std::sqrt(a);
}

double pow(double a, double b) {
    if (std::isfinite(a) && a < 0.0 && std::isfinite(b) && b != std::trunc(b))
        raiseMathError(oMathError::domain, "pow");
    if (a == 0.0 && b < 0.0)
        raiseMathError(oMathError::singularity, "pow");
    // A square, common in formulas, is a correctly rounded product and far cheaper.
    const double result = b == 2.0 ? a * a : std::pow(a, b);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        raiseMathError(oMathError::overflow, "pow");
    return result;
}

} // namespace checkedMath
