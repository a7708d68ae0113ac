// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oEvaluator.h"

#include "oFunction.h"

oEvaluator::oEvaluator(QObject* owner) : QObject(owner) {}

void oEvaluator::SetExpression(const AnsiString& text) {
    expression = text;
    oFunction function(expression.c_str(), 0.0, nullptr);
    result = function;
}

void oEvaluator::SetResult(double) {}
