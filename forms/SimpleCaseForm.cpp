// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "SimpleCaseForm.h"

#include "BookText.h"
#include "QuestionParts.h"
#include "TKeyEdit.h"
#include "chapters/TSimpleCase.h"

#include <QLabel>

using namespace questionparts;

void DefineSimpleCaseForm(TSimpleCase& f) {
    f.SetCaption(BookText("Chapter 2: The simulation", "The simulation").toStdString());
    auto choose = [&f](oBitBtn* b) { f.QChoiceClick(b); };
    f.QChoice1 =
        ChoiceButton(f, 402, BookText("Chapter 2: The simulation", "crosses the x axis"), choose);
    f.QChoice2 =
        ChoiceButton(f, 434, BookText("Chapter 2: The simulation", "crosses the y axis"), choose);
    f.QChoice3 =
        ChoiceButton(f, 466, BookText("Chapter 2: The simulation", "crosses the z axis"), choose);
    f.QChoiceIntro =
        BoldText(&f, QRect(233, 380, 65, 20), BookText("Chapter 2: The simulation", "When it..."));

    f.Q7Answer =
        AnswerField(&f, QRect(32, 376, 73, 24), [&f](char& key) { f.Q7AnswerKeyPress(key); });
    f.Q7Label =
        BoldText(&f, QRect(109, 379, 33, 20), BookText("Chapter 2: The simulation", "days"));
    f.Q7Answer->setAccessibleName(
        BookText("Chapter 2: The simulation", "Period of Mondas in days", "of the orbit"));
    f.Q7DoneButton = DoneButton(f, QRect(150, 369, 65, 36), [&f] { f.Q7DoneButtonClick(); });
    f.MessagePanel->raise();
}
