// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How the book writes a probability, wherever it shows one (a false-alarm probability
// above all): in percent with two figures from 0.1 % up ("4.7 %", "45 %", "100 %"), in powers of ten with
// one decimal below ("2.5 × 10⁻⁷", the mantissa rounded before the power is chosen, so that
// 9.96e-5 reads 1.0 × 10⁻⁴), and as a bound below SmallestProbabilityShown ("below 10⁻¹⁶"):
// a smaller value claims more than the periodogram's model of the noise (Gaussian, with the
// errors as stated) can tell, and 0 would claim that noise never makes the peak. UTF-8; a
// window writes it in its language (Wording.h).

#include "Wording.h"

constexpr double SmallestProbabilityShown = 1e-16;

TWording ProbabilityText(double p);
