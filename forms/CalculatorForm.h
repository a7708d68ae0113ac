// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the book's own calculator: the expression field, the value, the evaluator's
// message, a line on what the language knows, and the = and Close buttons.

class TCalculatorForm;

void DefineCalculatorForm(TCalculatorForm& f);
