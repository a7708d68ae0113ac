// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book's own calculator, driven from the keyboard as a student would.

#include "calculator/TCalculatorForm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
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

TEST_F(OwnCalculator, ShowsTheValueOrTheEvaluatorsOwnMessage) {
    const struct {
        const char* expression;
        const char* value;
        const char* message;
    } cases[] = {
        {"2+3*4", "14", ""},
        {"2 pi", "6.28318530717959", ""},
        {"sqrt(5.2^3)", "11.857824421031", ""},
        {"1/0", "", "Division by zero"},
        {"(1+2", "", "Missing close bracket"},
        {"2 +", "", "Missing operand or argument"},
        {"sqrt(-1)", "", "DOMAIN error in Math function 'sqrt'"},
        {"   ", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        work(c.expression);
        EXPECT_EQ(value(), c.value);
        EXPECT_EQ(message(), c.message);
    }
}

TEST_F(OwnCalculator, XIsTheLastValueAndAFailureKeepsIt) {
    work("21");
    work("2x");
    EXPECT_EQ(value(), "42");
    work("x/0");
    EXPECT_EQ(message(), "Division by zero");
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
