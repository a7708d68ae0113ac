// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A numerator over a denominator with a fraction bar between them: a one-column table whose
// lower cell draws only its top edge. A third of it hangs below the text baseline.

#include "oTable.h"

class oFraction : public oTable {
public:
    oFraction(const AnsiString& numerator, const AnsiString& denominator);

    // Index 0 is the numerator, 1 the denominator.
    void SetText(unsigned index, const AnsiString& text);
};
