// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oFraction.h"

oFraction::oFraction(const AnsiString& numerator, const AnsiString& denominator)
    : oTable(1, 2) {
    Cell(0, 0) = TCell{numerator, 0, 0, Centre, 0};
    Cell(0, 1) = TCell{denominator, 0, 0, Centre, EdgeTop};
    DescentRatio = 1.0 / 3.0;
    HorizontalMargin = 1;
    VerticalMargin = 0;
}

void oFraction::SetText(unsigned index, const AnsiString& text) { Cell(0, index).Text = text; }
