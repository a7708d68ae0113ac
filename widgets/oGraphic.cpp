#include "oGraphic.h"

void oGraphic::Measure(TCanvas&) {}
