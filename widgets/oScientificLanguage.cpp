// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oScientificLanguage.h"

#include "checkedMath.h"

#include <cmath>
#include <cstdint>

namespace scientific {

// A function of one argument computed by F. Aliases are further instances with
// another name.
template <double (*F)(double)> class mathFunction : public oToken<double> {
public:
    mathFunction(oLanguage* language, const char* name)
        : oToken<double>(language, name, oTokenBase::function, 9) {}
    double op1(double a) const override { return F(a); }
};

// Truncation toward zero through a 64-bit integer. Values beyond that integer's range
// are integral already and keep their value, as do infinities and non-numbers.
double truncate64(double a) {
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (std::fabs(a) < limit)
        return static_cast<double>(static_cast<std::int64_t>(a));
    return a;
}

double absolute(double a) { return std::fabs(a); }

// Nearest integer, halves away from zero.
double nearest(double a) { return a >= 0.0 ? truncate64(a + 0.5) : truncate64(a - 0.5); }

// 1 above zero, -1 below, 0 at zero and for a non-number.
double signOf(double a) { return a > 0.0 ? 1.0 : (a < 0.0 ? -1.0 : 0.0); }

using sinh = mathFunction<checkedMath::sinh>;
using cosh = mathFunction<checkedMath::cosh>;
using tanh = mathFunction<checkedMath::tanh>;
using sin = mathFunction<checkedMath::sin>;
using cos = mathFunction<checkedMath::cos>;
using tan = mathFunction<checkedMath::tan>;
using asin = mathFunction<checkedMath::asin>;
using acos = mathFunction<checkedMath::acos>;
using atan = mathFunction<checkedMath::atan>;
using sqrt = mathFunction<checkedMath::sqrt>;
using abs = mathFunction<absolute>;
using exp = mathFunction<checkedMath::exp>;
using ln = mathFunction<checkedMath::log>;
using log10 = mathFunction<checkedMath::log10>;
using sign = mathFunction<signOf>;
using trunc = mathFunction<truncate64>;
using nint = mathFunction<nearest>;

class pi : public oToken<double> {
public:
    explicit pi(oLanguage* language) : oToken<double>(language, "pi", oTokenBase::constant, -1) {}
    double op0() const override { return 3.141592653589793; }
};

} // namespace scientific

oScientificLanguage::oScientificLanguage() : oArithmeticLanguage<double>(false) {
    // Each token joins this language's list, which owns it. Order matters: the first
    // match wins, so "sinh" must come before "sin" and "sqrt" before "sqr".
    new scientific::sinh(this, "sinh");
    new scientific::cosh(this, "cosh");
    new scientific::tanh(this, "tanh");
    new scientific::sin(this, "sin");
    new scientific::cos(this, "cos");
    new scientific::tan(this, "tan");
    new scientific::asin(this, "asin");
    new scientific::acos(this, "acos");
    new scientific::atan(this, "atan");
    new scientific::asin(this, "asn");
    new scientific::acos(this, "acs");
    new scientific::atan(this, "atn");
    new scientific::pi(this);
    new scientific::sqrt(this, "sqrt");
    new scientific::sqrt(this, "sqr");
    new scientific::abs(this, "abs");
    new scientific::exp(this, "exp");
    new scientific::ln(this, "ln");
    new scientific::log10(this, "log10");
    new scientific::sign(this, "sign");
    new scientific::sign(this, "sgn");
    new scientific::trunc(this, "int");
    new scientific::nint(this, "nint");
}
