// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The vocabulary of an expression language: an ordered list of tokens, searched front
// to back so that the first token that matches wins. The language owns its tokens.

#include "linklist.h"
#include "oToken.h"

class oLanguage : public oLinkedList {
public:
    explicit oLanguage(bool caseSensitive = false);

    // The first token matching at the start of text, with its length stored in
    // `length`; nullptr when none matches. Raises NO_TOK when a matched name runs into
    // a following letter and BAD_FUNCTION when a function lacks its bracket.
    virtual oTokenBase* find(const char* text, int& length, const oTokenBase* previous);
    // Raises NO_TOK when the characters either side of p are both letters ('pix').
    virtual void checkSeparation(const char* p) const;
    // Raises BAD_FUNCTION unless p, after white space, starts with "(".
    virtual void checkFunction(const char* p) const;

    bool isCaseSensitive() const { return caseSensitive; }
    // The binary operator put between juxtaposed operands, or nullptr.
    oTokenBase* implicitOperator() const { return implicit; }

    // The token of the operand of the operation now being evaluated: the left operand of
    // a binary operation, the only operand of a one-operand operation. Operators that
    // must inspect their operand (an assignment, say) read it here.
    const oTokenBase* currentOperand = nullptr;

protected:
    void setImplicitOperator(oTokenBase* op);

private:
    oTokenBase* implicit = nullptr;
    bool caseSensitive;
};
