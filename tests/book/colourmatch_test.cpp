// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "book/colourmatch.h"

#include <gtest/gtest.h>

TEST(DisplayColour, EachDisplayDepthShowsItsNearestColour) {
    const struct {
        int depth;
        TColor bookGreen;  // 213, 230, 227
        TColor paleYellow; // 255, 255, 215
    } cases[] = {
        {32, RGB(213, 230, 227), RGB(255, 255, 215)},
        {24, RGB(213, 230, 227), RGB(255, 255, 215)},
        // 5, 6 and 5 bits, each widened again by repeating its top bits.
        {16, RGB(214, 231, 231), RGB(255, 255, 214)},
        {15, RGB(214, 231, 231), RGB(255, 255, 214)},
        // 4 bits a component: multiples of 17.
        {8, RGB(221, 238, 238), RGB(255, 255, 221)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.depth);
        EXPECT_EQ(DisplayColourAtDepth(213, 230, 227, c.depth), c.bookGreen);
        EXPECT_EQ(DisplayColourAtDepth(255, 255, 215, c.depth), c.paleYellow);
        EXPECT_EQ(DisplayColourAtDepth(0, 0, 0, c.depth), clBlack);
        EXPECT_EQ(DisplayColourAtDepth(255, 255, 255, c.depth), clWhite);
    }
}

TEST(DisplayColour, TheTestScreenShowsEveryColour) {
    EXPECT_EQ(DisplayColour(239, 232, 255), RGB(239, 232, 255));
}
