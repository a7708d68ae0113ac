// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The words of an expression language. Each operator, function, constant or literal kind
// is one token object in a language's list: it recognises itself in the text and
// computes its own operation, so a language is extended by adding token objects.

#include "linklist.h"

#include <cstdint>

class oLanguage;

class oTokenBase : public oLinkedListItem {
public:
    enum tokenType : std::uint8_t {
        dummy,        // never a real token
        leftBracket,  // "("
        rightBracket, // ")"
        unaryOp,      // prefix operator with one operand
        function,     // named function with a bracketed argument
        postfixOp,    // operator written after its one operand
        binaryOp,     // infix operator with two operands
        variable,     // named variable, set before each evaluation
        constant,     // named constant
        number,       // numeric literal
    };

    // Appends the token to the language's list and copies its case sensitivity.
    oTokenBase(oLanguage* language, const char* name, tokenType type, std::int32_t precedence);

    // True when this token's precedence is at least the other's.
    virtual bool precedes(const oTokenBase* other) const;
    // The length of this token at the start of text, 0 when it does not match there.
    // `previous` is the token read before it, nullptr at the start.
    virtual int match(const char* text, const oTokenBase* previous);

    // True for a token after which an infix operator may follow; false for none.
    static bool isLeftArg(const oTokenBase* token);
    bool isLeftArg() const { return isLeftArg(this); }
    bool isConstant() const { return type == constant || type == number; }

    const char* name; // the text matched in expressions (not owned)
    tokenType type;
    std::int32_t precedence; // binding strength; -1 for operands
    bool caseSensitive;
};

// An operation the evaluator may compute in place instead of calling the token. Only a
// final token class whose op1 or op2 is exactly that operation names one.
enum class oInlineOp : std::uint8_t { none, add, subtract, multiply, divide, negate, identity };

// A token computing values of type T. Operand tokens answer op0, one-operand operations
// op1 and two-operand operations op2; each gives 0 unless overridden.
template <class T> class oToken : public oTokenBase {
public:
    using oTokenBase::oTokenBase;

    virtual T op0() const { return T(0); }
    virtual T op1(T) const { return T(0); }
    virtual T op2(T, T) const { return T(0); }

    oInlineOp inlineOp() const { return inlined; }

protected:
    oToken(oLanguage* language, const char* name, tokenType type, std::int32_t precedence,
           oInlineOp inlineOp)
        : oTokenBase(language, name, type, precedence), inlined(inlineOp) {}

private:
    oInlineOp inlined = oInlineOp::none;
};

// A named variable whose value the caller sets before each evaluation.
template <class T> class oVariable : public oToken<T> {
public:
    oVariable(oLanguage* language, const char* name, T value = T(0))
        : oToken<T>(language, name, oTokenBase::variable, -1), value(value) {}

    T op0() const override { return value; }

    T value;
};
