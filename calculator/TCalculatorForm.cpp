// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "calculator/TCalculatorForm.h"

#include "forms/CalculatorForm.h"

#include "calculator/DegreeLanguage.h"
#include "calculator/StudentMessage.h"

#include "FloatToStr.h"
#include "oError.h"
#include "oFunction.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

TCalculatorForm::TCalculatorForm(QWidget* owner)
    : TForm(owner), Degrees(std::make_unique<TDegreeLanguage>()),
      Radians(std::make_unique<oScientificLanguage>()) {
    DefineCalculatorForm(*this);
}

TCalculatorForm::~TCalculatorForm() = default;

void TCalculatorForm::EqualsButtonClick() {
    // In a decimal-comma locale the comma marks the decimals, in the field and the value;
    // the expression language knows no other use for it.
    const QChar decimal = QLocale().decimalPoint().at(0);
    QString typed = ExpressionEdit->text().trimmed();
    if (decimal == ',')
        typed.replace(',', '.');
    const AnsiString text = typed.toStdString();
    MessageLabel->clear();
    MessageLabel->setToolTip({});
    ValueEdit->clear();
    if (text.empty())
        return;
    try {
        oFunction function(text.c_str(), LastValue,
                           DegreesButton->isChecked() ? Degrees.get() : Radians.get());
        const double value = function;
        LastValue = value;
        QString shown = QString::fromStdString(FloatToStr(value));
        if (decimal == ',')
            shown.replace('.', ',');
        ValueEdit->setText(shown);
        ExpressionEdit->selectAll();
    } catch (const oError& e) {
        MessageLabel->setText(StudentMessage(e));
        MessageLabel->setToolTip(QString::fromStdString(e.message));
    }
}

void TCalculatorForm::CloseButtonClick() { hide(); }
