// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The arithmetic core of the standard expression language: brackets, the four basic
// operations, powers, signs and numeric literals, with juxtaposed operands multiplied
// ('2x', '3(x+1)'). Matching ignores letter case unless asked otherwise.
//
// Precedences: unary signs 7 bind tighter than "*" and "/" (5) and "+" and "-" (4) but
// looser than "^" (8), so '-2^2' is -4; binary operators of equal precedence associate
// to the left, so '2^3^2' is 64.

#include "oLanguage.h"

template <class T> class oArithmeticLanguage : public oLanguage {
public:
    explicit oArithmeticLanguage(bool caseSensitive = false);
};

extern template class oArithmeticLanguage<double>;
