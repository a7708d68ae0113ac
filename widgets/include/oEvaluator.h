// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A non-visual component that shows the value of a typed formula: setting its
// expression evaluates it at once with x = 0 and keeps the value as the read-only result.

#include "AnsiString.h"

#include <QObject>

class oEvaluator : public QObject {
public:
    // The owner destroys the component.
    explicit oEvaluator(QObject* owner = nullptr);

    const AnsiString& Expression() const { return expression; }
    // Stores the text, then evaluates it in a standard language at x = 0. A failure
    // raises the compiler's oError with the new text stored and the result unchanged.
    void SetExpression(const AnsiString& text);

    double Result() const { return result; }
    // Ignored: the result changes only through SetExpression.
    void SetResult(double);

private:
    AnsiString expression;
    double result = 0.0;
};
