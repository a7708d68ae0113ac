// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A sentence the model writes for a person, kept so that a window can put it into the book's
// language: an English pattern marked for the translators, with numbered places %1 … %9, and
// what fills each place — a number as the model writes it in English ("4.231", "1.0 × 10⁻¹²"),
// which a window writes again with its language's decimal mark; a name kept as it stands (a
// star, a column of a file, a paper); or another sentence, translated in its turn. Sentences
// may follow it, each translated on its own. English() is what the English book shows.
//
// The translation tool knows Said as its QT_TRANSLATE_NOOP, so every pattern written as
// Said("context", "literal") is offered to translators; a pattern made with Unsaid (a number
// and its unit sign, "%1 ± %2") holds no word to translate.

#include "Precondition.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

struct TSaid {
    const char* context = nullptr; // nullptr: the pattern is not translated
    const char* pattern = "";
};

constexpr TSaid Said(const char* context, const char* pattern) { return {context, pattern}; }
constexpr TSaid Unsaid(const char* pattern) { return {nullptr, pattern}; }

class TWording {
public:
    enum class TKind { Number, Name, Part };
    struct TFill {
        TKind kind;
        std::string text;            // a number's or a name's English
        std::vector<TWording> part;  // the sentence that fills the place, for a Part
    };

    TWording() = default;
    TWording(TSaid said) : said_(said) {}

    // The next place's filling: a number written in English, a name, another sentence.
    TWording& Number(std::string english) { return Fill(TKind::Number, std::move(english), {}); }
    TWording& Name(std::string name) { return Fill(TKind::Name, std::move(name), {}); }
    TWording& Part(TWording part) { return Fill(TKind::Part, {}, {std::move(part)}); }
    // A sentence after this one, with a space between.
    TWording& Then(TWording next) {
        if (!next.Empty())
            next_.push_back(std::move(next));
        return *this;
    }

    bool Empty() const { return *said_.pattern == '\0' && next_.empty(); }
    const TSaid& Pattern() const { return said_; }
    const std::vector<TFill>& Fills() const { return fills_; }
    const std::vector<TWording>& Following() const { return next_; }

    // The pattern with its places filled by `fill(k)` for place k (0-based); a '%' not
    // followed by a place's digit stays as it is.
    template <class FillText>
    static std::string Filled(std::string_view pattern, FillText&& fill) {
        std::string text;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                pattern[i + 1] <= '9') {
                text += fill(std::size_t(pattern[i + 1] - '1'));
                ++i;
            } else {
                text += pattern[i];
            }
        }
        return text;
    }

    std::string English() const {
        std::string text = Filled(said_.pattern, [this](std::size_t k) {
            PRECONDITION(k < fills_.size());
            const TFill& f = fills_[k];
            return f.kind == TKind::Part ? f.part.front().English() : f.text;
        });
        for (const TWording& next : next_)
            text += (text.empty() ? "" : " ") + next.English();
        return text;
    }

    // A wording is the English it writes, as tests and logs compare it.
    friend bool operator==(const TWording& w, std::string_view english) {
        return w.English() == english;
    }
    friend std::ostream& operator<<(std::ostream& out, const TWording& w) {
        return out << w.English();
    }

private:
    TWording& Fill(TKind kind, std::string text, std::vector<TWording> part) {
        fills_.push_back({kind, std::move(text), std::move(part)});
        return *this;
    }

    TSaid said_;
    std::vector<TFill> fills_;
    std::vector<TWording> next_;
};

// A text that is no sentence of the book's (a name, a line of a file), shown as it stands.
inline TWording Verbatim(std::string text) { return TWording(Unsaid("%1")).Name(std::move(text)); }
