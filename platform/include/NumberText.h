// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How a window, plot, readout or printout writes a number: in the convention of the book's
// language (BookLanguage.h makes it the default locale), "1.05" in English and "1,05" in
// German, a minus sign as the language writes it and no thousands separators. Files written
// for other programs (CSV, work files) keep a point and do not use these.

#include <QLocale>
#include <QString>

// The default locale without thousands separators, also where it was not made the book's
// (a locale of the system's, as tests and tools may run with, writes "1,078").
inline QLocale NumberTextLocale() {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

// With `decimals` decimals: FixedText(1.047, 2) is "1.05".
inline QString FixedText(double value, int decimals) {
    return NumberTextLocale().toString(value, 'f', decimals);
}

// With `figures` significant figures, in powers of ten only where a number needs them:
// FiguresText(0.0004712, 3) is "0.000471".
inline QString FiguresText(double value, int figures) {
    return NumberTextLocale().toString(value, 'g', figures);
}
