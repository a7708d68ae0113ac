#pragma once
// A text colour for the stream writers (the rich edit writer and the text port). TColor
// itself is an integer, which a writer prints as a number.

#include "TColor.h"

struct TextColor {
    TColor color;
};
