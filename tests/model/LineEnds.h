// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The line ends every reader of text files takes alike, as a test's parameter: LF, CRLF, a
// lone CR (old Mac) and all three mixed, each line ending with the next of them in turn.

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lineends {

using TEnds = std::vector<std::string>;

inline std::string Joined(const std::vector<std::string>& lines, const TEnds& ends) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += lines[i] + ends[i % ends.size()];
    return text;
}

inline auto Kinds() {
    return ::testing::Values(TEnds{"\n"}, TEnds{"\r\n"}, TEnds{"\r"}, TEnds{"\r", "\r\n", "\n"});
}

inline std::string Name(const ::testing::TestParamInfo<TEnds>& info) {
    const char* names[] = {"LF", "CRLF", "CR", "mixed"};
    return names[info.index];
}

} // namespace lineends
