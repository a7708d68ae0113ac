// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "calculator/TCalculatorForm.h"

#include "forms/CalculatorForm.h"

#include "FloatToStr.h"
#include "oError.h"
#include "oFunction.h"

#include <QLabel>
#include <QLineEdit>

TCalculatorForm::TCalculatorForm(QWidget* owner) : TForm(owner) { DefineCalculatorForm(*this); }

TCalculatorForm::~TCalculatorForm() = default;

void TCalculatorForm::EqualsButtonClick() {
    const AnsiString text = ExpressionEdit->text().trimmed().toStdString();
    MessageLabel->clear();
    ValueEdit->clear();
    if (text.empty())
        return;
    try {
        oFunction function(text.c_str(), LastValue);
        const double value = function;
        LastValue = value;
        ValueEdit->setText(QString::fromStdString(FloatToStr(value)));
        ExpressionEdit->selectAll();
    } catch (const oError& e) {
        MessageLabel->setText(QString::fromStdString(e.message));
    }
}

void TCalculatorForm::CloseButtonClick() { hide(); }
