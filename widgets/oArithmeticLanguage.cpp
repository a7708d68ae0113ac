// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oArithmeticLanguage.h"

#include "checkedMath.h"
#include "oEvalError.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace arithmetic {

template <class T> class openBracket : public oToken<T> {
public:
    explicit openBracket(oLanguage* language)
        : oToken<T>(language, "(", oTokenBase::leftBracket, 1) {}
};

template <class T> class closeBracket : public oToken<T> {
public:
    explicit closeBracket(oLanguage* language)
        : oToken<T>(language, ")", oTokenBase::rightBracket, 1) {}
};

// A sign or an operator: the same character is a sign where no left argument precedes
// it and a binary operator after one.
template <class T> class signToken : public oToken<T> {
public:
    signToken(oLanguage* language, const char* name, bool binary, oInlineOp inlineOp)
        : oToken<T>(language, name, binary ? oTokenBase::binaryOp : oTokenBase::unaryOp,
                    binary ? 4 : 7, inlineOp) {}

    int match(const char* text, const oTokenBase* previous) override {
        const bool afterLeftArg = oTokenBase::isLeftArg(previous);
        const bool binary = this->type == oTokenBase::binaryOp;
        return afterLeftArg == binary ? oToken<T>::match(text, previous) : 0;
    }
};

template <class T> class unaryPlus final : public signToken<T> {
public:
    explicit unaryPlus(oLanguage* language)
        : signToken<T>(language, "+", false, oInlineOp::identity) {}
    T op1(T a) const override { return a; }
};

template <class T> class binaryPlus final : public signToken<T> {
public:
    explicit binaryPlus(oLanguage* language) : signToken<T>(language, "+", true, oInlineOp::add) {}
    T op2(T a, T b) const override { return a + b; }
};

template <class T> class unaryMinus final : public signToken<T> {
public:
    explicit unaryMinus(oLanguage* language)
        : signToken<T>(language, "-", false, oInlineOp::negate) {}
    T op1(T a) const override { return -a; }
};

template <class T> class binaryMinus final : public signToken<T> {
public:
    explicit binaryMinus(oLanguage* language)
        : signToken<T>(language, "-", true, oInlineOp::subtract) {}
    T op2(T a, T b) const override { return a - b; }
};

template <class T> class multiply final : public oToken<T> {
public:
    explicit multiply(oLanguage* language)
        : oToken<T>(language, "*", oTokenBase::binaryOp, 5, oInlineOp::multiply) {}
    T op2(T a, T b) const override { return a * b; }
};

template <class T> class divide final : public oToken<T> {
public:
    explicit divide(oLanguage* language)
        : oToken<T>(language, "/", oTokenBase::binaryOp, 5, oInlineOp::divide) {}
    T op2(T a, T b) const override { return oEvalError::divide(a, b); }
};

template <class T> class pow : public oToken<T> {
public:
    explicit pow(oLanguage* language) : oToken<T>(language, "^", oTokenBase::binaryOp, 8) {}
    T op2(T a, T b) const override { return checkedMath::pow(a, b); }
};

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The value of a literal that a double cannot hold: infinite when its leading digit
// stands above the units place, else zero.
double outOfRangeValue(const char* begin, const char* mantissaEnd, long long exponent) {
    const char* dot = begin;
    while (dot != mantissaEnd && *dot != '.')
        ++dot;
    long long place = (dot - begin) - 1 + exponent;
    for (const char* p = begin; p != mantissaEnd; ++p) {
        if (*p == '.')
            continue;
        if (*p != '0')
            return place > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        --place;
    }
    return 0.0;
}

// The exponent digits as a number, saturated well beyond any double's range.
long long exponentValue(const char* sign, const char* end) {
    const bool negative = *sign == '-';
    const char* p = isDigit(*sign) ? sign : sign + 1;
    long long value = 0;
    for (; p != end && value < 1'000'000'000; ++p)
        value = value * 10 + (*p - '0');
    return negative ? -value : value;
}

// A numeric literal such as '12', '.5', '5.', '1.e5' or '2E-3'. The first letter of
// the token's name is the exponent marker. The token keeps the last number it read.
template <class T> class literal : public oToken<T> {
public:
    explicit literal(oLanguage* language) : oToken<T>(language, "e", oTokenBase::number, -1) {}

    int match(const char* text, const oTokenBase*) override {
        const char* p = text;
        if (!isDigit(*p) && *p != '.')
            return 0;
        if (*p == '.' && !isDigit(p[1]))
            oEvalError::raise(oEvalError::BAD_NUM);
        while (isDigit(*p))
            ++p;
        if (*p == '.')
            ++p;
        while (isDigit(*p))
            ++p;
        if (*p == '.')
            oEvalError::raise(oEvalError::BAD_NUM);
        const char* mantissaEnd = p;
        long long exponent = 0;
        if (isMarker(*p) && (p[1] == '+' || p[1] == '-' || isDigit(p[1]))) {
            const char* sign = ++p;
            ++p;
            // A sign without digits is no exponent at all.
            if (!isDigit(*sign) && !isDigit(*p))
                oEvalError::raise(oEvalError::BAD_NUM);
            while (isDigit(*p))
                ++p;
            if (*p == '.')
                oEvalError::raise(oEvalError::BAD_NUM);
            exponent = exponentValue(sign, p);
        }
        double parsed = 0.0;
        if (std::from_chars(text, p, parsed).ec == std::errc::result_out_of_range)
            parsed = outOfRangeValue(text, mantissaEnd, exponent);
        value = T(parsed);
        return static_cast<int>(p - text);
    }

    T op0() const override { return value; }

private:
    bool isMarker(char c) const {
        const auto marker = static_cast<unsigned char>(this->name[0]);
        const auto found = static_cast<unsigned char>(c);
        return this->caseSensitive ? found == marker : std::tolower(found) == std::tolower(marker);
    }

    T value = T(0);
};

} // namespace arithmetic

template <class T>
oArithmeticLanguage<T>::oArithmeticLanguage(bool caseSensitive) : oLanguage(caseSensitive) {
    // Each token joins this language's list, which owns it; the order is the matching
    // order.
    new arithmetic::openBracket<T>(this);
    new arithmetic::closeBracket<T>(this);
    new arithmetic::unaryPlus<T>(this);
    new arithmetic::binaryPlus<T>(this);
    new arithmetic::unaryMinus<T>(this);
    new arithmetic::binaryMinus<T>(this);
    setImplicitOperator(new arithmetic::multiply<T>(this));
    new arithmetic::divide<T>(this);
    new arithmetic::pow<T>(this);
    new arithmetic::literal<T>(this);
}

template class oArithmeticLanguage<double>;
