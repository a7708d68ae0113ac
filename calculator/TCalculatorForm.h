// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The book's own calculator, for a desktop that has none installed: a field for an
// expression in the book's expression language, its value, and, when the expression has
// none, the evaluator's message in a student's words (the evaluator's own text is the
// message's tooltip). x stands for the last value, so that a result can be carried into the
// next sum. Angles are in degrees unless Radians is chosen. In a locale that writes a
// decimal comma the calculator reads and writes one. Enter works it out, Esc closes.

#include "TForm.h"
#include "TImageList.h"
#include "oBitBtn.h"

#include <memory>

class QLabel;
class QLineEdit;
class QRadioButton;
class oScientificLanguage;

class TCalculatorForm : public TForm {
public:
    // A window of `owner`, hidden until shown.
    explicit TCalculatorForm(QWidget* owner);
    ~TCalculatorForm() override;

    QLineEdit* ExpressionEdit = nullptr;
    // Read-only, so that the value can be selected and copied.
    QLineEdit* ValueEdit = nullptr;
    QLabel* MessageLabel = nullptr;
    QLabel* HintLabel = nullptr;
    QRadioButton* DegreesButton = nullptr; // checked at the start
    QRadioButton* RadiansButton = nullptr;
    oBitBtn* EqualsButton = nullptr;
    oBitBtn* CloseButton = nullptr;
    std::unique_ptr<TImageList> ButtonImages;

    // The value of the last expression that had one: x in the next.
    double LastValue = 0.0;
    // The languages of the two angle units.
    std::unique_ptr<oScientificLanguage> Degrees;
    std::unique_ptr<oScientificLanguage> Radians;

    // Works the expression out: its value, or the evaluator's message with the value
    // cleared and LastValue kept. An empty field clears both.
    void EqualsButtonClick();
    void CloseButtonClick();
};
