// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book's own calculator, driven from the keyboard as a student would.

#include "calculator/TCalculatorForm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class OwnCalculator : public ::testing::Test {
protected:
    void SetUp() override {
        calculator = CreateForm<TCalculatorForm>(nullptr);
        calculator->show();
        calculator->activateWindow();
        QApplication::processEvents();
    }
    void TearDown() override { TForm::Free(calculator); }

    // Types the expression into a cleared field and presses Enter.
    void work(const char* expression) {
        calculator->ExpressionEdit->clear();
        calculator->ExpressionEdit->setFocus();
        QTest::keyClicks(calculator->ExpressionEdit, expression);
        QTest::keyClick(calculator->ExpressionEdit, Qt::Key_Return);
    }
    std::string value() const { return calculator->ValueEdit->text().toStdString(); }
    std::string message() const { return calculator->MessageLabel->text().toStdString(); }

    TCalculatorForm* calculator = nullptr;
};

} // namespace

// The value, or the evaluator's message in a student's words with the evaluator's own
// text kept as the message's tooltip.
TEST_F(OwnCalculator, ShowsTheValueOrTheMessageInAStudentsWords) {
    const struct {
        const char* expression;
        const char* value;
        const char* message;
        const char* evaluator;
    } cases[] = {
        {"2+3*4", "14", "", ""},
        {"2 pi", "6.28318530717959", "", ""},
        {"sqrt(5.2^3)", "11.857824421031", "", ""},
        {"1/0", "", "You cannot divide by zero.", "Division by zero"},
        {"(1+2", "", "A closing bracket ) is missing.", "Missing close bracket"},
        {"2 +", "", "A number is missing after an operator or inside brackets.",
         "Missing operand or argument"},
        {"sqrt(-1)", "", "A negative number has no square root.",
         "DOMAIN error in Math function 'sqrt'"},
        {"ln(0)", "", "ln(0) and the ln of a negative number are undefined.", nullptr},
        {"asin(2)", "", "asin takes only numbers from -1 to 1.", nullptr},
        {"tan(90)", "", "tan is undefined there: the angle is an odd multiple of 90°.", nullptr},
        {"0^-1", "", "0 cannot be raised to a negative power.", nullptr},
        {"(-8)^0.5", "", "A negative number cannot be raised to a fractional power.", nullptr},
        {"exp(1000)", "", "The result is too large for the calculator.", nullptr},
        {"   ", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        work(c.expression);
        EXPECT_EQ(value(), c.value);
        EXPECT_EQ(message(), c.message);
        if (c.evaluator)
            EXPECT_EQ(calculator->MessageLabel->toolTip().toStdString(), c.evaluator);
        else
            EXPECT_FALSE(calculator->MessageLabel->toolTip().isEmpty());
    }
}

// Degrees by default, as at school, with exact values at the right angles; radians at the
// switch.
TEST_F(OwnCalculator, TakesDegreesUnlessRadiansAreChosen) {
    EXPECT_TRUE(calculator->DegreesButton->isChecked());
    const struct {
        const char* expression;
        const char* degrees;
        const char* radians;
    } cases[] = {
        {"sin(30)", "0.5", "-0.988031624092862"},
        {"sin(180)", "0", "-0.80115263573383"},
        {"cos(90)", "0", "-0.44807361612917"},
        {"cos(-360)", "1", "-0.283691091486527"},
        {"tan(45)", "1", "1.61977519054386"},
        {"asin(1)", "90", "1.5707963267949"},
        {"atan(1)", "45", "0.785398163397448"},
        {"sinh(0)", "0", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        calculator->DegreesButton->click();
        work(c.expression);
        EXPECT_EQ(value(), c.degrees);
        calculator->RadiansButton->click();
        work(c.expression);
        EXPECT_EQ(value(), c.radians);
    }
}

// In a locale that writes a decimal comma the comma is read and written.
TEST_F(OwnCalculator, ReadsAndWritesTheLocalesDecimalComma) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    work("2,5*3");
    EXPECT_EQ(value(), "7,5");
    work("1.5+1");
    EXPECT_EQ(value(), "2,5") << "a point is still read";
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    work("2.5*3");
    EXPECT_EQ(value(), "7.5");
    QLocale::setDefault(before);
}

TEST_F(OwnCalculator, XIsTheLastValueAndAFailureKeepsIt) {
    work("21");
    work("2x");
    EXPECT_EQ(value(), "42");
    work("x/0");
    EXPECT_EQ(message(), "You cannot divide by zero.");
    work("x+1");
    EXPECT_EQ(value(), "43") << "the failed sum left x at 42";
    EXPECT_EQ(message(), "");
}

TEST_F(OwnCalculator, TheValueCanBeCopiedButNotEditedAndEscCloses) {
    work("1+1");
    EXPECT_TRUE(calculator->ValueEdit->isReadOnly());
    EXPECT_EQ(calculator->ExpressionEdit->selectedText(), "1+1")
        << "selected, so the next expression replaces it";
    QTest::keyClick(calculator->ExpressionEdit, Qt::Key_Escape);
    EXPECT_FALSE(calculator->isVisible());
}
