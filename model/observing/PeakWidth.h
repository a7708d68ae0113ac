// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How sharply a periodogram's highest peak fixes the period, and where nightly sampling puts
// its aliases. The half width is half the peak's full width at half its power, found on the
// grid by linear interpolation on each side and turned from frequency into period by
// dP = P^2 df. A signal of frequency f sampled once a night also shows at |f - 1| and f + 1
// cycles per day, so at the periods 1 / |1/P - 1| and 1 / (1/P + 1). Units: days.

#include "model/observing/Periodogram.h"

namespace observing {

// The half width in period of the periodogram's highest peak, days. Needs a computed
// periodogram with a positive peak.
double PeakHalfWidth_days(const TPeriodogram& periodogram);

struct TAliasPeriods {
    double below_days = 0.0; // 1 / (1/P + 1), always under a day
    double above_days = 0.0; // 1 / |1/P - 1|; +infinity for P = 1 day
};

// The daily aliases of a period (days > 0).
TAliasPeriods DailyAliases(double period_days);

} // namespace observing
