// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How the book writes a period in days: three decimals below 10 days, two below 100, one
// beyond, so that a peak's period keeps about four figures wherever it is shown.

#include "Wording.h"

#include <cstdio>
#include <string>

inline int PeriodDecimals(double period_days) {
    return period_days < 10 ? 3 : period_days < 100 ? 2 : 1;
}

// "4.231".
inline std::string PeriodNumber(double period_days) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", PeriodDecimals(period_days), period_days);
    return text;
}

// "4.231 days".
inline TWording PeriodText(double period_days) {
    return TWording(Said("Numbers", "%1 days")).Number(PeriodNumber(period_days));
}
