// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The expression evaluator: a small language of arithmetic expressions in one real
// variable ('2x^2 - 3sin(x)/(1+x)'), compiled once into a code list and then evaluated
// as often as needed.
//
//     oScientificLanguage language;
//     auto* x = new oVariable<double>(&language, "x"); // joins the language, which owns it
//     oCodeList<double> code(&language);
//     code.parse("2x^2 - 3sin(x)/(1+x)");
//     x->value = 1.5;
//     double y = code.evaluate();
//
// Failures raise oError (code 103 with an oEvalError message, 102 from a mathematical
// function).

#include "linklist.h"
#include "oArithmeticLanguage.h"
#include "oCodeList.h"
#include "oError.h"
#include "oEvalError.h"
#include "oLanguage.h"
#include "oScientificLanguage.h"
#include "oToken.h"
