// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TwoPlanetsForm.h"

#include "BookText.h"
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
    QString text;
    int meaning; // the item's data
};

// A drop-down list whose field can be typed in; typed text never becomes an item.
QComboBox* dropDown(QWidget* parent, QRect place, const QString& text,
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

QLabel* hiddenText(QWidget* parent, QRect place, const QString& text) {
    QLabel* l = BoldText(parent, place, text);
    l->hide();
    return l;
}

} // namespace

void DefineTwoPlanetsForm(TTwoPlanets& f) {
    f.SetCaption(BookText("Chapter 4: Two planets", "Two planets").toStdString());
    f.TextBox->move(15, f.TextBox->y());
    f.MessagePanel->setGeometry(f.MessagePanel->x(), 440, 290, 60);

    f.MondasLabel = hiddenText(&f, QRect(28, 379, 51, 20), "planet1");
    f.MondasAnswer =
        AnswerField(&f, QRect(100, 376, 73, 24), [&f](char& key) { f.MondasAnswerKeyPress(key); });
    // Which timescale shows Mondas's period, beside the field that asks for it.
    f.MondasDays = hiddenText(&f, QRect(185, 379, 188, 20),
                              BookText("Chapter 4: Two planets", "days (largest timescale)"));
    f.VulcanLabel = hiddenText(&f, QRect(28, 411, 51, 20), "planet2");
    f.VulcanAnswer =
        AnswerField(&f, QRect(100, 408, 73, 24), [&f](char& key) { f.VulcanAnswerKeyPress(key); });
    f.VulcanDays =
        hiddenText(&f, QRect(185, 411, 33, 20), BookText("Chapter 4: Two planets", "days"));
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
    f.ParamComboBox = dropDown(
        &f, QRect(28, 408, 193, 24),
        BookText("Chapter 4: Two planets", "Parameter", "a parameter of the planet or its orbit"),
        {{BookText("Chapter 4: Two planets", "semimajor axis",
                   "a parameter of the planet or its orbit"),
          int(Parameter::SemimajorAxis)},
         {BookText("Chapter 4: Two planets", "eccentricity",
                   "a parameter of the planet or its orbit"),
          int(Parameter::Eccentricity)},
         {BookText("Chapter 4: Two planets", "inclination",
                   "a parameter of the planet or its orbit"),
          int(Parameter::Inclination)},
         {BookText("Chapter 4: Two planets", "orbit azimuth",
                   "a parameter of the planet or its orbit"),
          int(Parameter::OrbitAzimuth)},
         {BookText("Chapter 4: Two planets", "mass", "a parameter of the planet or its orbit"),
          int(Parameter::Mass)},
         {BookText("Chapter 4: Two planets", "inclination or mass",
                   "a parameter of the planet or its orbit"),
          int(Parameter::InclinationOrMass)},
         {BookText("Chapter 4: Two planets", "eccentricity or mass",
                   "a parameter of the planet or its orbit"),
          int(Parameter::EccentricityOrMass)}});
    f.ofLabel = hiddenText(&f, QRect(237, 411, 16, 20),
                           BookText("Chapter 4: Two planets", "of", "the parameter of the planet"));
    f.PlanComboBox =
        dropDown(&f, QRect(268, 408, 89, 24), BookText("Chapter 4: Two planets", "Planet"),
                 {{"Mondas", int(Planet::Mondas)}, {"Vulcan", int(Planet::Vulcan)}});
    f.MessagePanel->raise();
}
