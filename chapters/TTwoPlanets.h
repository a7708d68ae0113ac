// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Chapter 4, "Two planets": nine pages with Mondas and Vulcan, showing that the sum of two
// periodic signals is not periodic, that two very different periods can still be read
// from the curve at suitable timescales, and that a planet's mass and its orbit's
// inclination cannot be told apart from the radial velocity alone. Page 3 asks for both
// periods; page 6 changes a hidden parameter, blanks the orbit view and asks which planet
// and which parameter changed.

#include "simulation/TBaseChapter.h"

#include <array>
#include <string>

class QComboBox;
class TKeyEdit;

class TTwoPlanets : public TBaseChapter {
public:
    explicit TTwoPlanets(TCustomBook* owner);

    QLabel* MondasLabel = nullptr; // the planet's name on its colour
    TKeyEdit* MondasAnswer = nullptr;
    QLabel* MondasDays = nullptr;
    QLabel* VulcanLabel = nullptr;
    TKeyEdit* VulcanAnswer = nullptr;
    QLabel* VulcanDays = nullptr;
    oBitBtn* QDoneButton = nullptr;
    QComboBox* ParamComboBox = nullptr; // which parameter changed
    QLabel* ofLabel = nullptr;
    QComboBox* PlanComboBox = nullptr; // of which planet

    // What each item of the drop-down lists means, carried by the item as its data, so that
    // the answer does not hang on the order of the list.
    enum class TParameterItem {
        SemimajorAxis, Eccentricity, Inclination, OrbitAzimuth, Mass, InclinationOrMass,
        EccentricityOrMass
    };
    enum class TPlanetItem { Mondas, Vulcan };

    void ShowPage() override;
    void WritePageText() override;
    bool IsAnswerCorrect() override;
    const char* MissingAnswer() const override;
    void WriteHint() override;
    void WriteConclusion() override;
    void WriteTeacherNotes(TRichEditControl& t) override;
    std::string AcceptedAnswer() override;

    // Handlers.
    void QDoneButtonClick() { JudgeAnswer(); }
    // Let through only what a number is typed with; Enter judges the answer.
    void MondasAnswerKeyPress(char& key);
    void VulcanAnswerKeyPress(char& key);

private:
    // Vulcan edge-on (10 degrees from face-on on pages 6 and 7), Mondas at the page's
    // distance, the time scale at 1000 days, and the simulation restarted from time zero.
    void SetUpPlanets();
    // The fixed velocity scale that holds both planets' largest speeds together.
    void FitScaleToPlanets();
    // The time scale at position 4: a window of 100 000 days at the step of position 3.
    void ShowLongestTimescale();
    // The labelled fields of the period question and the lists of the parameter question.
    std::array<QWidget*, 6> PeriodFields() const;
    // The translated text MissingAnswer last gave, which its caller reads as UTF-8.
    mutable std::string MissingText;
    std::array<QWidget*, 3> ParameterFields() const;
    void ShowPeriodQuestion();
    void ShowParameterQuestion();
    bool PeriodsCorrect();
    double RightPeriod_days(int planet) const;
};
