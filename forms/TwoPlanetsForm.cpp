// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TwoPlanetsForm.h"

#include "QuestionParts.h"
#include "TKeyEdit.h"
#include "chapters/TTwoPlanets.h"
#include "oRichEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLabel>

using namespace questionparts;

namespace {

struct TItem {
    const char* text;
    int meaning; // the item's data
};

// A drop-down list whose field can be typed in; typed text never becomes an item.
QComboBox* dropDown(QWidget* parent, QRect place, const char* text,
                    std::initializer_list<TItem> items) {
    auto* list = new QComboBox(parent);
    list->setGeometry(place);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setFont(TFont("Arial", -13, clWindowText).toQFont());
    for (const TItem& item : items)
        list->addItem(item.text, item.meaning);
    list->setMaxVisibleItems(int(items.size()));
    list->setCurrentIndex(-1);
    list->setEditText(text);
    list->setAccessibleName(text);
    list->lineEdit()->setAccessibleName(text);
    list->setProperty(TThisChapter::QuestionPartProperty, true);
    list->hide();
    return list;
}

QLabel* hiddenText(QWidget* parent, QRect place, const char* text) {
    QLabel* l = BoldText(parent, place, text);
    l->hide();
    return l;
}

} // namespace

void DefineTwoPlanetsForm(TTwoPlanets& f) {
    f.SetCaption("Two planets");
    f.TextBox->move(15, f.TextBox->y());
    f.MessagePanel->setGeometry(f.MessagePanel->x(), 440, 290, 60);

    f.MondasLabel = hiddenText(&f, QRect(28, 379, 51, 20), "planet1");
    f.MondasAnswer =
        AnswerField(&f, QRect(100, 376, 73, 24), [&f](char& key) { f.MondasAnswerKeyPress(key); });
    // Which timescale shows Mondas's period, beside the field that asks for it.
    f.MondasDays = hiddenText(&f, QRect(185, 379, 188, 20), "days (largest timescale)");
    f.VulcanLabel = hiddenText(&f, QRect(28, 411, 51, 20), "planet2");
    f.VulcanAnswer =
        AnswerField(&f, QRect(100, 408, 73, 24), [&f](char& key) { f.VulcanAnswerKeyPress(key); });
    f.VulcanDays = hiddenText(&f, QRect(185, 411, 33, 20), "days");
    // The planets' names are the student's to type: shown as the text they are.
    for (QLabel* name : {f.MondasLabel, f.VulcanLabel}) {
        name->setAutoFillBackground(true);
        name->setTextFormat(Qt::PlainText);
    }
    // The field is read out with its planet's name, which the page writes into the label.
    f.MondasLabel->setBuddy(f.MondasAnswer);
    f.VulcanLabel->setBuddy(f.VulcanAnswer);
    f.QDoneButton = DoneButton(f, QRect(310, 440, 65, 36), [&f] { f.QDoneButtonClick(); });

    using Parameter = TTwoPlanets::TParameterItem;
    using Planet = TTwoPlanets::TPlanetItem;
    f.ParamComboBox = dropDown(&f, QRect(28, 408, 193, 24), "Parameter",
                               {{"semimajor axis", int(Parameter::SemimajorAxis)},
                                {"eccentricity", int(Parameter::Eccentricity)},
                                {"inclination", int(Parameter::Inclination)},
                                {"orbit azimuth", int(Parameter::OrbitAzimuth)},
                                {"mass", int(Parameter::Mass)},
                                {"inclination or mass", int(Parameter::InclinationOrMass)},
                                {"eccentricity or mass", int(Parameter::EccentricityOrMass)}});
    f.ofLabel = hiddenText(&f, QRect(237, 411, 16, 20), "of");
    f.PlanComboBox = dropDown(&f, QRect(268, 408, 89, 24), "Planet",
                              {{"Mondas", int(Planet::Mondas)}, {"Vulcan", int(Planet::Vulcan)}});
    f.MessagePanel->raise();
}
