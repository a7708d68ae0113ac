// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The standard expression language: the arithmetic core plus the circular, inverse and
// hyperbolic functions, square root, absolute value, exponential and logarithms, sign,
// truncation and rounding, and the constant pi. Function arguments must be bracketed
// ('sin(x)', 'sqrt (2)'). A user of the language adds its variables as oVariable tokens.

#include "oArithmeticLanguage.h"

class oScientificLanguage : public oArithmeticLanguage<double> {
public:
    oScientificLanguage();
};
