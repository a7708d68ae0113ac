// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookFixture.h"
#include "WidgetColour.h"
#include "book/BookSettings.h"
#include "book/TThisChapter.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QStandardPaths>
#include <QRadioButton>
#include <QAccessible>
#include <QTest>
#include <QTimer>

namespace {

// Answers the accessibility dialog by setting its boxes and pressing a button.
std::function<int(TForm&)> answer(bool windowsColours, bool screenReader, int result) {
    return [=](TForm& form) {
        auto& box = dynamic_cast<TAccessBox&>(form);
        box.WinCheck->setChecked(windowsColours);
        box.TabCheck->setChecked(screenReader);
        return result;
    };
}

} // namespace

TEST_F(BookTest, AccessibilityDialogIsLaidOutWithItsExplanation) {
    EXPECT_EQ(access->Caption(), "Accessibility options");
    EXPECT_EQ(access->Color(), RGB(213, 230, 227));
    EXPECT_EQ(access->WinCheck->text().toStdString(), "Use system colours");
    EXPECT_FALSE(access->WinCheck->isChecked());
    EXPECT_EQ(access->TabCheck->text().toStdString(), "Include support for screen reader users");
    const QString text = access->rtfText->toPlainText();
    EXPECT_TRUE(text.contains("screen reader"));
    EXPECT_FALSE(text.contains("nothing is stored")) << "the zoom and colours are kept";
    EXPECT_TRUE(text.contains("doppler-spectroscopy.conf"));
    QStandardPaths::setTestModeEnabled(true);
    ASSERT_EQ(WriteBookSettings(BookSettingsFile(), {.Zoom = 150}), QString());
    access->ForgetButton->click();
    EXPECT_FALSE(QFile::exists(BookSettingsFile()));
    EXPECT_TRUE(access->SettingsForgotten) << "nor written again at the close";
    EXPECT_FALSE(access->ForgetButton->isEnabled());
    QStandardPaths::setTestModeEnabled(false);
}

TEST_F(BookTest, WindowsColoursApplyAtOnceToTheChapterButNotTheContents) {
    open(2);
    const TColor contents = book->Color();
    dialogs.answerModal = answer(true, false, mrOk);
    book->Accessibility1->trigger();
    EXPECT_TRUE(book->WindowsColours);
    EXPECT_EQ(chapter()->Color(), clWindow);
    EXPECT_EQ(book->NavPanel->Color(), clWindow);
    EXPECT_EQ(book->Color(), contents);
    dialogs.answerModal = answer(false, false, mrOk);
    book->Accessibility1->trigger();
    EXPECT_EQ(chapter()->Color(), book->BookColour);
    EXPECT_EQ(chapter()->Font().Color, clBlack);
    EXPECT_EQ(chapter()->FeedbackFont->Color, RGB(0, 0, 157));
}

TEST_F(BookTest, CancelKeepsTheBoxesButAppliesNothingUntilThePageTurns) {
    open(2);
    auto* page = dynamic_cast<TThisChapter*>(chapter());
    dialogs.answerModal = answer(true, true, mrCancel);
    book->Accessibility1->trigger();
    EXPECT_FALSE(book->WindowsColours);
    EXPECT_FALSE(page->ScreenReaderSupport);
    EXPECT_TRUE(access->WinCheck->isChecked()) << "the boxes stay as the reader left them";
    book->PageForward();
    EXPECT_TRUE(page->ScreenReaderSupport) << "a page refresh reads the box itself";
    EXPECT_FALSE(book->WindowsColours) << "colours only change with OK";
    EXPECT_EQ(page->TextBox->focusPolicy(), Qt::StrongFocus);
}

TEST_F(BookTest, EnterPressesTheFocusedDialogButtonAndOtherwiseOk) {
    struct EnterCase {
        const char* name;
        QWidget* target;
        int result;
    };
    const EnterCase cases[] = {
        {"focused Cancel cancels", access->CancelButton, mrCancel},
        {"focused OK accepts", access->OKButton, mrOk},
        {"a check box leaves it to OK", access->WinCheck, mrOk},
    };
    for (const auto& [name, target, result] : cases) {
        SCOPED_TRACE(name);
        // The key goes to the control as it would with the focus there.
        QTimer::singleShot(0, [target] { QTest::keyClick(target, Qt::Key_Return); });
        QTimer::singleShot(2000, access, [this] { access->SetModalResult(-1); });
        EXPECT_EQ(access->ExecModal(), result);
    }
}

TEST_F(BookTest, DisabledColouredControlsStayReadableAndLookDisabledInBothSchemes) {
    for (bool system : {false, true}) {
        SCOPED_TRACE(system ? "system colours" : "own colours");
        dialogs.answerModal = answer(system, false, mrOk);
        book->Accessibility1->trigger();
        open(2);
        auto* sim = dynamic_cast<TBaseChapter*>(chapter());
        ASSERT_NE(sim, nullptr);
        QWidget* coloured[] = {sim->ShowVelocity,
                               sim->ChBoxPlanet1,
                               sim->ChBoxPlanet2,
                               sim->ChBoxPlanet3,
                               sim->ParamForm->PlanRadioButton1,
                               sim->ParamForm->PlanRadioButton2,
                               sim->ParamForm->PlanRadioButton3};
        for (QWidget* w : coloured) {
            SCOPED_TRACE(qobject_cast<QAbstractButton*>(w)->text().toStdString());
            w->setEnabled(false);
            const QPalette& pal = w->palette();
            const QColor text = pal.color(QPalette::Disabled, w->foregroundRole());
            const QColor ground = pal.color(QPalette::Disabled, w->backgroundRole());
            EXPECT_GE(ContrastRatio(text, ground), MinimumTextContrast);
            const QColor enabledText = pal.color(QPalette::Active, w->foregroundRole());
            const QColor enabledGround = pal.color(QPalette::Active, w->backgroundRole());
            EXPECT_GE(ContrastRatio(enabledText, enabledGround), MinimumTextContrast);
            EXPECT_NE(text, enabledText) << "the text dims";
            EXPECT_NE(ground, enabledGround) << "the swatch fades";
            w->setEnabled(true);
        }
    }
    EXPECT_NEAR(ContrastRatio(clBlack, clWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(clYellow, clYellow), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(clRed, clBlack), 5.25, 0.01);
}

TEST_F(BookTest, WithSystemColoursThePanelFramesKeepAllFourEdges) {
    dialogs.answerModal = answer(true, false, mrOk);
    book->Accessibility1->trigger();
    open(2);
    auto* sim = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(sim, nullptr);
    const QImage shot = sim->grab().toImage();
    for (TPanel* panel : {sim->ControlPanel, sim->GraphPanel}) {
        const QRect r = panel->geometry();
        const QColor outside = shot.pixelColor(r.right() + 2, r.center().y());
        // The middle of each edge, as the reader sees it on the chapter.
        const QPoint edges[] = {{r.center().x(), r.top()},
                                {r.left(), r.center().y()},
                                {r.center().x(), r.bottom()},
                                {r.right(), r.center().y()}};
        for (const QPoint& at : edges)
            EXPECT_GE(ContrastRatio(shot.pixelColor(at), outside), 1.15)
                << "edge at " << at.x() << ", " << at.y();
    }
}

TEST_F(BookTest, TheScreenReaderOptionFollowsTheAccessibilityBridge) {
    open(2);
    auto* page = dynamic_cast<TThisChapter*>(chapter());
    ASSERT_NE(page, nullptr);
    ASSERT_FALSE(page->ScreenReaderSupport);
    // The bridge reports a screen reader after start-up, and later loses it.
    QAccessible::setActive(true);
    EXPECT_TRUE(access->TabCheck->isChecked());
    EXPECT_TRUE(page->ScreenReaderSupport) << "applies to the open page at once";
    QAccessible::setActive(false);
    EXPECT_FALSE(access->TabCheck->isChecked());
    EXPECT_FALSE(page->ScreenReaderSupport);
}
