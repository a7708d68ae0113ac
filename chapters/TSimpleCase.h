// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Chapter 2, "The simulation": ten pages that introduce the simulation window with one
// planet, Mondas, around a star of one solar mass. The pages unlock the controls one by one
// and then ask two questions: the orbital period, typed in days (page 7), and when the star's
// radial velocity is zero, chosen from three buttons (page 8).

#include "QuestionInput.h"
#include "simulation/TBaseChapter.h"

class QLabel;
class TKeyEdit;

class TSimpleCase : public TBaseChapter {
public:
    explicit TSimpleCase(TCustomBook* owner);

    oBitBtn* QChoice1 = nullptr; // "crosses the x axis"
    oBitBtn* QChoice2 = nullptr; // "crosses the y axis"
    oBitBtn* QChoice3 = nullptr; // "crosses the z axis"
    QLabel* QChoiceIntro = nullptr;
    TKeyEdit* Q7Answer = nullptr; // the period in days
    QLabel* Q7Label = nullptr;
    oBitBtn* Q7DoneButton = nullptr;

    void ShowPage() override;
    void WritePageText() override;
    bool IsAnswerCorrect() override;
    void WriteHint() override;
    void WriteConclusion() override;
    void WriteTeacherNotes(TRichEditControl& t) override;
    std::string AcceptedAnswer() override;

    // Releases the three choice buttons and gives them the window-text caption colour.
    void ResetChoices();

    // Handlers.
    void QChoiceClick(oBitBtn* sender);
    void Q7DoneButtonClick() { JudgeAnswer(); }
    // Lets through only what a number is typed with; Enter judges the answer.
    void Q7AnswerKeyPress(char& key);

private:
    TChoiceQuestion ZeroVelocityQuestion() const;
    double RightPeriod_days() const;
    // The period last judged, days; NaN when the field held no number.
    double TypedPeriod_days = 0.0;
};
