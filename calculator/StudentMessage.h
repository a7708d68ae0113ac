// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What the book's calculator tells a student when an expression has no value: the
// evaluator's error (a library function's kind of failure and name, or the evaluator's own
// message, "Missing close bracket") put into words a student understands ("ln(0) and the ln
// of a negative number are undefined."), in the book's language. An error it does not know
// is passed on as the evaluator wrote it.

#include <QString>

class oError;

QString StudentMessage(const oError& error);
