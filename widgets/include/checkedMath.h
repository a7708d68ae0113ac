// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The mathematical library functions of the expression language, each checking its
// argument and result. A call outside a function's domain, at a pole or with a result
// too large for a double raises oError 102 naming the kind and the function
// ("DOMAIN error in Math function 'sqrt'"). Underflow to zero is not an error.

namespace checkedMath {

double sin(double a);
double cos(double a);
double tan(double a);
double asin(double a);
double acos(double a);
double atan(double a);
double sinh(double a);
double cosh(double a);
double tanh(double a);
double sqrt(double a);
double exp(double a);
double log(double a);
double log10(double a);
double pow(double a, double b);

} // namespace checkedMath
