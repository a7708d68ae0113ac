// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Chapter 3, "One planet": fifteen pages on how each orbital element of a single planet,
// Mondas, shows (or does not show) in the star's radial velocity curve. The pages release
// the sliders of the parameter dialog one at a time, in the order the text discusses
// them: inclination, mass, semimajor axis, eccentricity, the angles psi and phi, and the
// star's mass. Page 6 asks how the amplitude changes when the planet's mass decreases.

#include "QuestionInput.h"
#include "simulation/TBaseChapter.h"

class TOnePlanet : public TBaseChapter {
public:
    explicit TOnePlanet(TCustomBook* owner);

    oBitBtn* QChoice1 = nullptr; // "it decreases"
    oBitBtn* QChoice2 = nullptr; // "it increases"
    oBitBtn* QChoice3 = nullptr; // "it does not change"

    void ShowPage() override;
    void WritePageText() override;
    bool IsAnswerCorrect() override;
    void WriteHint() override;
    void WriteConclusion() override;
    void WriteTeacherNotes(TRichEditControl& t) override;
    std::string AcceptedAnswer() override;

    // Releases the three choice buttons and gives them the window-text caption colour.
    void ResetChoices();
    void QChoiceClick(oBitBtn* sender);

private:
    TChoiceQuestion MassQuestion() const;
    // Enables the dialog's sliders that the pages up to this one have released.
    void UnlockParameters();
};
