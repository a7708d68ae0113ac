// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What the book's calculator tells a student when an expression has no value: the
// evaluator's own message ("DOMAIN error in Math function 'log'", "Missing close bracket")
// put into words a student understands ("ln(0) and the ln of a negative number are
// undefined."). A message it does not know is passed on as the evaluator wrote it.

#include <string>

class oError;

std::string StudentMessage(const oError& error);
