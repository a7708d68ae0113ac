// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A planet's name: text of at most 999 bytes. Longer text is cut on assignment, at the
// start of a UTF-8 character, so a name typed into the parameter dialog can never overrun.

#include <cstddef>
#include <string>
#include <string_view>

class TPlanetName {
public:
    static constexpr std::size_t MaxLength = 999;

    TPlanetName() = default;
    TPlanetName(std::string_view text) { assign(text); }
    TPlanetName(const char* text) { assign(text); }
    TPlanetName(const std::string& text) { assign(text); }

    TPlanetName& operator=(std::string_view text) { return assign(text); }
    TPlanetName& operator=(const char* text) { return assign(text); }
    TPlanetName& operator=(const std::string& text) { return assign(text); }

    const std::string& str() const { return text_; }
    const char* c_str() const { return text_.c_str(); }
    operator const std::string&() const { return text_; }

    friend bool operator==(const TPlanetName& name, std::string_view text) {
        return name.text_ == text;
    }

private:
    TPlanetName& assign(std::string_view text);

    std::string text_;
};
