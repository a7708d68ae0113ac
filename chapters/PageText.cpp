// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "PageText.h"

#include "RichEditWriter.h"

#include <QString>

void WriteInclination(TRichEditControl& t) {
    t << fsItalic << "i" >> fsItalic;
}

void WriteMassTimesSine(TRichEditControl& t) {
    // Non-breaking spaces: a line break inside the product would part m from its sine.
    t << fsItalic << "m" >> fsItalic << "\u00A0sin\u00A0";
    WriteInclination(t);
}

void WriteMarkedWith(TRichEditControl& t, const QString& marked,
                     std::initializer_list<std::function<void(TRichEditControl&)>> symbols) {
    qsizetype from = 0;
    for (qsizetype i = 0; i + 1 < marked.size(); ++i) {
        const int n = marked[i] == '%' ? marked[i + 1].digitValue() : -1;
        if (n < 1 || n > int(symbols.size()))
            continue;
        WriteMarked(t, marked.mid(from, i - from));
        symbols.begin()[n - 1](t);
        from = i + 2;
        ++i;
    }
    WriteMarked(t, marked.mid(from));
}

void WriteWithInclination(TRichEditControl& t, const QString& marked) {
    WriteMarkedWith(t, marked, {WriteInclination, WriteMassTimesSine});
}
