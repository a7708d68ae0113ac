// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oToken.h"

#include "oLanguage.h"

#include "Precondition.h"

#include <cctype>
#include <cstring>

oTokenBase::oTokenBase(oLanguage* language, const char* name, tokenType type,
                       std::int32_t precedence)
    : oLinkedListItem(language), name(name), type(type), precedence(precedence),
      caseSensitive(language->isCaseSensitive()) {
    PRECONDITION(name != nullptr);
    PRECONDITION(type != dummy);
}

bool oTokenBase::precedes(const oTokenBase* other) const { return precedence >= other->precedence; }

int oTokenBase::match(const char* text, const oTokenBase*) {
    const std::size_t length = std::strlen(name);
    for (std::size_t i = 0; i < length; ++i) {
        const auto wanted = static_cast<unsigned char>(name[i]);
        const auto found = static_cast<unsigned char>(text[i]);
        // The terminating zero of text differs from every name character, so the
        // comparison never reads past it.
        if (caseSensitive ? found != wanted : std::tolower(found) != std::tolower(wanted))
            return 0;
    }
    return static_cast<int>(length);
}

bool oTokenBase::isLeftArg(const oTokenBase* token) {
    if (token == nullptr)
        return false;
    switch (token->type) {
    case rightBracket:
    case postfixOp:
    case variable:
    case constant:
    case number:
        return true;
    default:
        return false;
    }
}
