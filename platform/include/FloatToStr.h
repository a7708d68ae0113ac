// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Real numbers as the system writes them: the general format with 15 significant digits.
// Fixed notation for 0.0001 <= |x| < 1E15, otherwise "1E-5", "1.23456789012346E15";
// trailing zeros dropped, "." as the decimal separator. Qt-free.

#include "AnsiString.h"

AnsiString FloatToStr(double value);
