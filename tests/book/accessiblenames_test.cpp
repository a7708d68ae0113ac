// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Every control the reader can see, in every window and on every page, has a name that a
// screen reader says.

#include "BookFixture.h"

#include "book/TAboutBox.h"
#include "realsystems/TRealSystemsForm.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"
#include "spectrum/TSpectrumForm.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <set>
#include <string>

namespace {

bool IsControl(const QWidget& w) {
    return qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QAbstractSlider*>(&w) ||
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
    TAboutBox about(book);
    about.show();
    for (int page = 0; page < about.Notebook->count(); ++page) {
        about.Notebook->setCurrentIndex(page);
        ExpectAllNamed(about, "about " + std::to_string(page));
    }
}
