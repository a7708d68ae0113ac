// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "PageText.h"

#include "RichEditWriter.h"

void WriteInclination(TRichEditControl& t) {
    t << fsItalic << "i" >> fsItalic;
}

void WriteMassTimesSine(TRichEditControl& t) {
    // Non-breaking spaces: a line break inside the product would part m from its sine.
    t << fsItalic << "m" >> fsItalic << "\u00A0sin\u00A0";
    WriteInclination(t);
}
