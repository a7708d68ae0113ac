#include "book/colourmatch.h"

#include <gtest/gtest.h>

TEST(DisplayColour, TrueColourDisplayReturnsTheTripleUnchanged) {
    EXPECT_EQ(DisplayColour(213, 230, 227), RGB(213, 230, 227));
    EXPECT_EQ(DisplayColour(239, 232, 255), RGB(239, 232, 255));
    EXPECT_EQ(DisplayColour(0, 0, 0), clBlack);
    EXPECT_EQ(DisplayColour(255, 255, 255), clWhite);
}
