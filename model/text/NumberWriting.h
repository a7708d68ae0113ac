// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How the book writes a number for people, wherever one is shown: the model's sentences, the
// windows' readouts, printouts, the teacher's guide and chapter 6 all take their figures from
// here. The texts are in the C convention ("4.231"); a window writes them in its language's
// (Wording.h, NumberText.h). A value that rounds to zero is written without a sign ("0.0",
// not "-0.0"): a minus on nothing claims a direction the figures do not show.

#include "Wording.h"

#include <string>

// With `decimals` decimals: FixedNumber(1.047, 2) is "1.05".
std::string FixedNumber(double value, int decimals);

// With `figures` significant figures, in powers of ten only where "%g" needs them.
std::string FiguresNumber(double value, int figures);

// A positive value as a power of ten with `decimals` decimals in the mantissa, the mantissa
// rounded before the power is chosen, so that 9.96e-5 reads "1.0 × 10⁻⁴", not "10.0 × 10⁻⁵".
std::string PowerOfTenNumber(double value, int decimals);

// A period in days: three decimals below 10 days, two below 100, one beyond (as rounded), so
// that a peak's period keeps about four figures wherever it is shown.
std::string PeriodNumber(double period_days);   // "4.231"
TWording PeriodText(double period_days);        // "4.231 days"

// A length of time in days with five figures below 10 days, four below 1000 and whole days
// beyond, and "1 day" for exactly one: "1.0027 days".
std::string DayCount(double days);
TWording DaysText(double days);

// A probability (a false-alarm probability above all): in percent with two figures from
// 0.1 % up ("4.7 %", "45 %", "100 %"), as a power of ten with one decimal below ("2.5 × 10⁻⁷"),
// and as a bound below SmallestProbabilityShown ("below 10⁻¹⁶"): a smaller value claims more
// than the periodogram's model of the noise (Gaussian, with the errors as stated) can tell,
// and 0 would claim that noise never makes the peak.
constexpr double SmallestProbabilityShown = 1e-16;
TWording ProbabilityText(double p);
