// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "OnePlanetForm.h"

#include "QuestionParts.h"
#include "chapters/TOnePlanet.h"

using namespace questionparts;

void DefineOnePlanetForm(TOnePlanet& f) {
    f.SetCaption("One planet");
    f.MessagePanel->setGeometry(f.MessagePanel->x(), 390, 200, 110);
    auto choose = [&f](oBitBtn* b) { f.QChoiceClick(b); };
    f.QChoice1 = ChoiceButton(f, 382, "it decreases", choose);
    f.QChoice2 = ChoiceButton(f, 414, "it increases", choose);
    f.QChoice3 = ChoiceButton(f, 446, "it does not change", choose);
    f.MessagePanel->raise();
}
