// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Every control the reader can see, in every window and on every page, has a name that a
// screen reader says.

#include "BookFixture.h"

#include "book/TAboutBox.h"
#include "chapters/TFindingPlanet.h"
#include "observing/TFitByHandPage.h"
#include "observing/TObservingRunForm.h"
#include "observing/TOrbitFitPage.h"
#include "oWorldPortPaintBox.h"
#include "realsystems/TRealSystemsForm.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"
#include "spectrum/TSpectrumForm.h"
#include "thisbook/TKeysBox.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTextBrowser>
#include <set>
#include <string>

namespace {

// Controls, and what a reader reads: plots (paint boxes) and labels.
bool IsControl(const QWidget& w) {
    return w.inherits("TPaintBox") || qobject_cast<const QLabel*>(&w) ||
           qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QAbstractSlider*>(&w) ||
           qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QComboBox*>(&w) ||
           qobject_cast<const QAbstractScrollArea*>(&w) || qobject_cast<const QTabBar*>(&w) ||
           w.focusPolicy() != Qt::NoFocus || w.cursor().shape() != Qt::ArrowCursor;
}

// The visible controls of `window` without a spoken name, each as "class at x,y".
std::set<std::string> Unnamed(QWidget& window) {
    std::set<std::string> unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || !IsControl(*w) || w->isWindow())
            continue;
        // Parts of a control that it names itself: a scroll area's viewport and bars.
        if (qobject_cast<QAbstractScrollArea*>(w->parentWidget()) ||
            (w->parentWidget() && qobject_cast<QAbstractScrollArea*>(w->parentWidget()->parentWidget())))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (face && !face->text(QAccessible::Name).trimmed().isEmpty())
            continue;
        // A piece of a text that another piece reads as a whole.
        if (face && face->state().invisible)
            continue;
        const QPoint at = w->mapTo(&window, QPoint());
        unnamed.insert(std::string(w->metaObject()->className()) + " at " +
                       std::to_string(at.x()) + "," + std::to_string(at.y()));
    }
    return unnamed;
}

void ExpectAllNamed(QWidget& window, const std::string& where) {
    SCOPED_TRACE(where);
    for (const std::string& control : Unnamed(window))
        ADD_FAILURE() << "no accessible name: " << control;
}

} // namespace

TEST_F(BookTest, EveryVisibleControlOfEveryWindowHasAnAccessibleName) {
    ExpectAllNamed(*book, "splash");
    book->LeaveSplash();
    ExpectAllNamed(*book, "contents");
    for (int number = 1; number <= book->ChapterCount; ++number) {
        open(number);
        for (int page = 1; page <= chapter()->PageCount; ++page) {
            open(number, page);
            ExpectAllNamed(*book, caption());
            if (auto* sim = dynamic_cast<TBaseChapter*>(chapter())) {
                sim->PlanetParamButtonClick();
                ExpectAllNamed(*sim->ParamForm, caption() + ", parameters");
                sim->ParamForm->hide();
            }
        }
    }
    book->mnitSpectrum->trigger();
    ExpectAllNamed(*book->SpectrumForm, "spectrum");
    book->mnitRealSystems->trigger();
    ExpectAllNamed(*book->RealSystemsCard, "real systems");
    access->show();
    ExpectAllNamed(*access, "accessibility");
    access->hide();
    book->mnitKeys->trigger();
    auto* keys = book->findChild<TKeysBox*>();
    ASSERT_NE(keys, nullptr);
    ExpectAllNamed(*keys, "keys");
    for (const char* key : {"Alt+Right", "Page Down", "Home", "Ctrl+0", "Tab", "Done"})
        EXPECT_TRUE(keys->Text->toPlainText().contains(key)) << key;
    keys->close();
    TAboutBox about(book);
    about.show();
    for (int page = 0; page < about.Notebook->count(); ++page) {
        about.Notebook->setCurrentIndex(page);
        ExpectAllNamed(about, "about " + std::to_string(page));
    }
}

// The velocity's axis title is set in six labels; a screen reader reads it as one text that
// follows the exponent the graph shows, and the graph says what it is.
TEST_F(BookTest, TheGraphAndItsAxisTitleAreReadAsWholes) {
    book->LeaveSplash();
    open(2, 6);
    auto* sim = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(sim, nullptr);
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(name(sim->wpGraph), "Radial velocity graph");
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(sim->wpGraph)
                     ->text(QAccessible::Description)
                     .isEmpty());
    EXPECT_EQ(name(sim->StaticText5), "Radial velocity v r, in 10 to the power " +
                                          sim->RVExp->text().toStdString() +
                                          " metres per second");
    for (QWidget* piece : {static_cast<QWidget*>(sim->StaticText9),
                           static_cast<QWidget*>(sim->StaticText7),
                           static_cast<QWidget*>(sim->RVExp), static_cast<QWidget*>(sim->RVUnit),
                           static_cast<QWidget*>(sim->StaticText8)}) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(piece);
        EXPECT_TRUE(face->state().invisible) << "read with the whole";
        EXPECT_TRUE(face->text(QAccessible::Name).isEmpty());
    }
    EXPECT_EQ(book->Accessibility1->text().count('&'), 1) << "Help, Accessibility has a key";
    EXPECT_EQ(book->mnitAbout->text().count('&'), 1);
    EXPECT_NE(book->Accessibility1->text().section('&', 1).left(1).toLower(),
              book->mnitAbout->text().section('&', 1).left(1).toLower())
        << "each its own letter";
    // Without a right click: File, Save picture lists the page's pictures.
    QMenu* pictures = nullptr;
    for (QAction* action : book->FileMenu->actions())
        if (action->menu() && action->text() == "Save pic&ture")
            pictures = action->menu();
    ASSERT_NE(pictures, nullptr);
    emit pictures->aboutToShow();
    QStringList listed;
    for (const QAction* action : pictures->actions())
        listed << action->text();
    EXPECT_EQ(listed, QStringList({"Orbit view...", "Radial velocity graph..."}));
}


namespace {

std::string Name(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString();
}

} // namespace

// A reader hears the numbers the eye sees: readouts with their values, sliders in the unit of
// their scale, the status and the fit's summary with their texts.
TEST_F(BookTest, ReadoutsSlidersAndStatusLinesAreReadWithTheirNumbersAndUnits) {
    book->LeaveSplash();
    open(6, 7);
    auto* finding = dynamic_cast<TFindingPlanet*>(chapter());
    ASSERT_NE(finding, nullptr);
    TFitByHandPage* hand = finding->ByHandPage;
    for (int i = 0; i < 5; ++i) {
        QSlider* slider = hand->Sliders[std::size_t(i)];
        const QString shown = hand->Readouts[std::size_t(i)]->text();
        SCOPED_TRACE(shown.toStdString());
        EXPECT_TRUE(QString::fromStdString(Name(hand->Readouts[std::size_t(i)])).endsWith(": " + shown));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(slider);
        EXPECT_EQ(face->text(QAccessible::Value), shown);
        ASSERT_NE(face->valueInterface(), nullptr);
    }
    QAccessibleValueInterface* period =
        QAccessible::queryAccessibleInterface(hand->Sliders[TFitByHandPage::Period])->valueInterface();
    EXPECT_EQ(period->currentValue().toDouble(), hand->Elements().period_days) << "days, not steps";
    EXPECT_EQ(period->minimumValue().toDouble(), 0.5);
    period->setCurrentValue(period->maximumValue());
    EXPECT_EQ(hand->Sliders[TFitByHandPage::Period]->value(), TFitByHandPage::SliderSteps);
    EXPECT_NE(Name(hand->RmsLabel).find(" m/s"), std::string::npos) << Name(hand->RmsLabel);

    open(3, 6);
    auto* sim = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(sim, nullptr);
    QAccessibleInterface* tilt = QAccessible::queryAccessibleInterface(sim->omegatrack);
    EXPECT_EQ(tilt->text(QAccessible::Value), "90°") << "step 157 of 0..157";
    EXPECT_NEAR(tilt->valueInterface()->maximumValue().toDouble(), 90.0, 0.1);
    EXPECT_NEAR(QAccessible::queryAccessibleInterface(sim->thetatrack)
                    ->valueInterface()->maximumValue().toDouble(), 360.0, 0.5);
    QAccessibleInterface* time = QAccessible::queryAccessibleInterface(sim->TimeSlider);
    EXPECT_EQ(time->valueInterface()->currentValue().toDouble(), 1000.0) << "step 3 of -1..4";
    time->valueInterface()->setCurrentValue(100.0);
    EXPECT_EQ(sim->TimeSlider->value(), 2);

    open(5, 1);
    book->mnitObservingRunClick();
    TObservingRunForm& run = *book->ObservingRunForm;
    run.ObserveButton->click();
    run.WaitForPeriodogram();
    EXPECT_EQ(Name(run.StatusLabel), "Status: " + run.StatusLabel->text().toStdString());
    EXPECT_EQ(Name(run.FitPage->Summary), "Fit summary: " + run.FitPage->Summary->text().toStdString());
}
