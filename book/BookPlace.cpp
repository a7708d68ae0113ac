// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookPlace.h"

#include <charconv>
#include <string_view>

namespace {

constexpr std::string_view Option = "--resume=";

bool ReadNumber(std::string_view& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || next == end || *next != ':')
        return false;
    text.remove_prefix(std::size_t(next - text.data()) + 1);
    return true;
}

std::optional<TBookPlace> Parse(std::string_view text) {
    TBookPlace place;
    if (!ReadNumber(text, place.Chapter) || !ReadNumber(text, place.Page) || place.Chapter < 0)
        return std::nullopt;
    for (char flag : text) {
        switch (flag) {
        case 'k': place.ChapterUnderContents = true; break;
        case 'p': place.SplashLeft = true; break;
        case 'c': place.SystemColours = true; break;
        case 's': place.ScreenReader = true; break;
        case 'm': place.Maximised = true; break;
        default: return std::nullopt;
        }
    }
    return place;
}

} // namespace

std::string ResumeArgument(const TBookPlace& place) {
    std::string arg(Option);
    arg += std::to_string(place.Chapter) + ':' + std::to_string(place.Page) + ':';
    if (place.ChapterUnderContents)
        arg += 'k';
    if (place.SplashLeft)
        arg += 'p';
    if (place.SystemColours)
        arg += 'c';
    if (place.ScreenReader)
        arg += 's';
    if (place.Maximised)
        arg += 'm';
    return arg;
}

std::optional<TBookPlace> ResumeArgumentOf(int argc, char** argv) {
    std::optional<TBookPlace> place;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg.starts_with(Option))
            place = Parse(arg.substr(Option.size()));
    }
    return place;
}

std::vector<std::string> ReopenArguments(int argc, char** argv, int percent,
                                         const TBookPlace& place, const std::string& language) {
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        const bool replaced = arg == "--zoom" || (!language.empty() && arg == "--language");
        if (i > 0 && replaced) {
            ++i; // and its value
            continue;
        }
        if (i > 0 && (arg.starts_with("--zoom=") || arg.starts_with(Option) ||
                      (!language.empty() && arg.starts_with("--language="))))
            continue;
        args.emplace_back(arg);
    }
    args.push_back("--zoom=" + std::to_string(percent));
    if (!language.empty())
        args.push_back("--language=" + language);
    args.push_back(ResumeArgument(place));
    return args;
}
