// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "OnePlanetForm.h"

#include "BookText.h"
#include "QuestionParts.h"
#include "chapters/TOnePlanet.h"

using namespace questionparts;

void DefineOnePlanetForm(TOnePlanet& f) {
    f.SetCaption(BookText("Chapter 3: One planet", "One planet").toStdString());
    f.MessagePanel->setGeometry(f.MessagePanel->x(), 390, 200, 110);
    auto choose = [&f](oBitBtn* b) { f.QChoiceClick(b); };
    f.QChoice1 = ChoiceButton(
        f, 382, BookText("Chapter 3: One planet", "it decreases", "the radial velocity amplitude"),
        choose);
    f.QChoice2 = ChoiceButton(
        f, 414, BookText("Chapter 3: One planet", "it increases", "the radial velocity amplitude"),
        choose);
    f.QChoice3 = ChoiceButton(
        f, 446,
        BookText("Chapter 3: One planet", "it does not change", "the radial velocity amplitude"),
        choose);
    f.MessagePanel->raise();
}
