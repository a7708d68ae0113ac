// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oLanguage.h"

#include "oEvalError.h"

#include "Precondition.h"

#include <cctype>

namespace {

bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

} // namespace

oLanguage::oLanguage(bool caseSensitive) : oLinkedList(true), caseSensitive(caseSensitive) {}

oTokenBase* oLanguage::find(const char* text, int& length, const oTokenBase* previous) {
    // A language's list holds nothing but tokens: only oTokenBase joins it.
    for (oLinkedListItem* item : contents()) {
        auto* token = static_cast<oTokenBase*>(item);
        const int matched = token->match(text, previous);
        if (matched == 0)
            continue;
        length = matched;
        if (token->type == oTokenBase::function)
            checkFunction(text + matched);
        else
            checkSeparation(text + matched);
        return token;
    }
    return nullptr;
}

void oLanguage::checkSeparation(const char* p) const {
    if (isLetter(p[-1]) && isLetter(*p))
        oEvalError::raise(oEvalError::NO_TOK);
}

void oLanguage::checkFunction(const char* p) const {
    while (isSpace(*p))
        ++p;
    if (*p != '(')
        oEvalError::raise(oEvalError::BAD_FUNCTION);
}

void oLanguage::setImplicitOperator(oTokenBase* op) {
    PRECONDITION(op == nullptr || op->type == oTokenBase::binaryOp);
    implicit = op;
}
