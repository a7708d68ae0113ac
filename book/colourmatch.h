#pragma once
// The colour the display really shows for a design colour. On a true-colour display
// this is the triple itself; on a display with fewer colours, the colour it would use.

#include "TColor.h"

TColor DisplayColour(int red, int green, int blue);
