// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TSimpleCase.h"

#include "QuestionInput.h"
#include "RichEditWriter.h"
#include "TKeyEdit.h"
#include "forms/SimpleCaseForm.h"
#include "model/mylib.h"
#include "oRichEdit.h"
#include "simulation/OrbitView.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr int PeriodQuestionPage = 7;
constexpr int ZeroVelocityQuestionPage = 8;
// How far a typed period may lie from the true one, days.
constexpr double PeriodTolerance_days = 300.0;
// The view of the zero-velocity question, in the rotate sliders' hundredths of a radian:
// turned by about 26° and tilted 63° from the side.
constexpr int QuestionViewTheta = 45;
constexpr int QuestionViewTilt = 110;

// A magnification factor as the pages state it: a whole number.
int Times(double factor) { return int(std::lround(factor)); }

} // namespace

TSimpleCase::TSimpleCase(TCustomBook* owner) : TBaseChapter(owner) {
    DefineSimpleCaseForm(*this);
    PageCount = PageTotal = 10;
}

void TSimpleCase::ShowPage() {
    ChBoxPlanet2->setEnabled(false);
    ChBoxPlanet3->setEnabled(false);
    ShowVelocity->setChecked(false);
    ShowVelocity->setEnabled(false);
    TimeSlider->setEnabled(false);
    AutoScaleVelocity->setEnabled(false);
    PlanetParamButton->setEnabled(false);

    for (QWidget* w : {static_cast<QWidget*>(QChoice1), static_cast<QWidget*>(QChoice2),
                       static_cast<QWidget*>(QChoice3), static_cast<QWidget*>(QChoiceIntro)})
        w->hide();
    ResetChoices();
    OpenQuestion();
    Q7Answer->hide();
    Q7DoneButton->hide();
    Q7Label->hide();

    if (Page >= 5) {
        ShowVelocity->setChecked(false);
        ShowVelocity->setEnabled(true);
    }
    if (Page >= 6) {
        TimeSlider->setEnabled(true);
        AutoScaleVelocity->setEnabled(true);
    }
    if (Page == PeriodQuestionPage) {
        MessagePanel->setGeometry(MessagePanel->x(), 420, 350, 80);
        Q7Answer->clear();
        Q7Answer->show();
        Q7Label->show();
        Q7DoneButton->show();
        ShowNextButton(false);
        // The reader's next step is to type the period.
        Q7Answer->setFocus();
    }
    if (Page == ZeroVelocityQuestionPage) {
        // Seen along the line of sight the z axis is a dot at the origin, where the y axis
        // also runs: turned, the three axes show apart and the choices can be told apart.
        thetatrack->setValue(QuestionViewTheta);
        omegatrack->setValue(QuestionViewTilt);
        MessagePanel->setGeometry(MessagePanel->x(), 382, 200, 118);
        ShowNextButton(false);
        QChoice1->show();
        QChoice2->show();
        QChoice3->show();
        QChoiceIntro->show();
    }
    WritePageText();
}

void TSimpleCase::WritePageText() {
    oRichEdit& t = *TextBox;
    t.Clear();
    switch (Page) {
    case 1:
        t << *HeadingFont << "The simulation ";
        t << *BodyFont
          << "\n\nWe start with a simple system: a star of one solar mass (the yellow dot) "
             "and a single planet of one Jupiter mass, Mondas (the white dot). The light-blue "
             "line is the orbit of Mondas. Its semimajor axis is 5.2 AU and its eccentricity "
             "is 0, so Mondas moves on a circle of radius 5.2 AU.\n\nAt first you see the "
             "orbit edge-on, so the circle looks like a straight line.";
        break;
    case 2:
        t << *BodyFont
          << "\n\nYou can turn the view to look at the orbit from any direction: drag the "
             "mouse across the black pane, or move the ";
        t << fsBold << "Rotate axes " >> fsBold;
        t << "sliders. The ";
        t << fsBold << "Zoom " >> fsBold;
        t << "slider makes the picture larger or smaller.\n\n";
        t << "Click the ";
        t << fsBold << "Start " >> fsBold;
        t << "button to begin the simulation.";
        break;
    case 3:
        t << *BodyFont
          << "\n\nThe star and Mondas both orbit their common centre of mass, which lies at "
             "the origin, where the ";
        t << fsItalic << "x, y " >> fsItalic;
        t << "and ";
        t << fsItalic << "z " >> fsItalic;
        t << "axes meet. The star is much heavier than the planet, so its orbit is much "
             "smaller.\n\n";
        t << fsBold << "NOTE: The star's motion is always drawn "
          << Times(TOrbitView::StarMagnification)
          << " times larger than the planet's, so that you can see it move." >>
            fsBold;
        break;
    case 4:
        t << *BodyFont << "\n\nObservers on Earth are a very long way off along the ";
        t << fsItalic << "z " >> fsItalic;
        t << "axis. They cannot see the star wobble across the sky; all they can measure is "
             "the ";
        t << fsItalic << "radial velocity " >> fsItalic;
        t << "of the star, ";
        t << fsItalic << "v" << fsSubscript << "r" >> fsSubscript >> fsItalic;
        t << ", the part of its velocity directed towards or away from them.\n\n";
        t << fsBold << "The radial velocity is always measured along the ";
        t << fsItalic << "z " >> fsItalic;
        t << "axis." >> fsBold;
        break;
    case 5:
        t << *BodyFont << "\n\nTick the ";
        t << fsBold << "Velocity vector " >> fsBold;
        t << "check box to show the velocities of the star and the planet as arrows. The "
             "length of each arrow is proportional to the speed. The star's arrow is drawn ";
        t << Times(TOrbitView::StarArrowMagnification)
          << " times longer than the planet's would be at the same speed.";
        break;
    case 6:
        t << *BodyFont
          << "\n\nThe graph on the right plots the radial velocity of the star against time. "
             "The timescale slider below the graph sets how much time one division of the "
             "time axis stands for, as the unit beside the axis says (";
        t << fsItalic << "t" >> fsItalic;
        t << " / 1000 days: each division is 1000 days); the graph shows ten divisions. "
             "When the curve reaches the end of the displayed time range, the velocity axis "
             "is rescaled automatically to fit it; untick ";
        t << fsBold << "Autoscale velocity " >> fsBold;
        t << "to switch this off. The ";
        t << fsBold << "Rescale velocity" >> fsBold;
        t << " button rescales the velocity axis at any time.";
        break;
    case 7:
        t << *BodyFont;
        t << fsBold << "What is the orbital period?\n" >> fsBold;
        t << "Enter your answer below to 2 sig figs.";
        break;
    case 8:
        t << fsBold << "When is the star's radial velocity zero?\n" >> fsBold;
        t << "Click on one of the following answers.\nThe view is turned: the axes show apart.";
        break;
    case 9:
        t << *BodyFont << "\n\nTick the ";
        t << fsBold << "Velocity vector " >> fsBold;
        t << "check box and watch the star's velocity vector (the green arrow). When the "
             "radial velocity is greatest, the arrow is parallel to the ";
        t << fsItalic << "z" >> fsItalic;
        t << " axis: the star is moving straight towards or away from the Earth. When the "
             "radial velocity is zero, the star's velocity is perpendicular to the ";
        t << fsItalic << "z" >> fsItalic;
        t << " axis, and the star moves across our line of sight.";
        break;
    case 10:
        t << *BodyFont
          << "\n\nYou should now see why the radial velocity of the star varies as the planet "
             "and the star orbit their centre of mass. Next we investigate how the "
             "orientation of the orbit and the other parameters affect the amplitude of the "
             "radial velocity curve.";
        break;
    default:
        break;
    }
    t.SetSelStart(0);
}

void TSimpleCase::ResetChoices() { ReleaseChoices({QChoice1, QChoice2, QChoice3}); }

void TSimpleCase::QChoiceClick(oBitBtn* sender) {
    ResetChoices();
    LatchChoice(*sender);
    JudgeAnswer();
}

void TSimpleCase::Q7AnswerKeyPress(char& key) {
    if (FilterAnswerKey(key))
        JudgeAnswer();
}

bool TSimpleCase::IsAnswerCorrect() {
    TypedPeriod_days = std::numeric_limits<double>::quiet_NaN();
    switch (Page) {
    case PeriodQuestionPage: {
        if (Q7Answer->text().isEmpty())
            return false;
        double days = 0.0;
        if (!ReadAnswer(Q7Answer->text(), days))
            return false;
        TypedPeriod_days = days;
        const double period = RoundToFigures(Planets[0].Period, 3, true);
        return std::fabs(days - period) <= PeriodTolerance_days;
    }
    case ZeroVelocityQuestionPage:
        return QChoice3->Checked();
    default:
        return false;
    }
}

void TSimpleCase::WriteHint() {
    oRichEdit& t = *FeedbackBox;
    // A period read in the axis's own unit (thousands of days) is told at once.
    if (Page == PeriodQuestionPage) {
        const double period = RoundToFigures(Planets[0].Period, 3, true);
        for (const double factor : {1000.0, 0.001}) {
            if (std::fabs(TypedPeriod_days * factor - period) <= PeriodTolerance_days) {
                t << "\nHint: Your number is 1000 times too " << (factor > 1 ? "small" : "large")
                  << ":\nread the unit beside the time axis.";
                return;
            }
        }
    }
    if (WrongAnswers <= 1)
        return;
    if (Page == PeriodQuestionPage) {
        t << "\nHint: Measure between maxima or minima,\n";
        t << "and note the scale of the time axis.";
    } else if (Page == ZeroVelocityQuestionPage) {
        t << "\nHint: Press ";
        t << fsBold << "Stop" >> fsBold;
        t << " when the graph\ncrosses zero.\n";
    }
}

void TSimpleCase::WriteConclusion() {
    oRichEdit& t = *FeedbackBox;
    if (Page == PeriodQuestionPage) {
        const double period = Planets[0].Period;
        t << "\nThe period to two sig figs is " << RoundToFigures(period, 2, true) << " days.\n";
        t << "(The precise period is " << RoundToFigures(period, 4, true) << " days.)";
    } else if (Page == ZeroVelocityQuestionPage && !AnswerCorrect) {
        t << "\nThe correct answer is when it crosses the ";
        t << fsItalic << "z" >> fsItalic;
        t << " axis.";
    }
    if (Page == PeriodQuestionPage || Page == ZeroVelocityQuestionPage)
        ShowNextButton(true);
}

void TSimpleCase::WriteTeacherNotes(TRichEditControl& t) {
    t << fsBold << "Aims: " >> fsBold
      << "to read the orbit view and the velocity graph together: the period from the graph, "
         "and when the radial velocity is zero or greatest.\n";
    t << fsBold << "Misconceptions: " >> fsBold
      << "that the velocity is greatest when the star is farthest from us (it is zero there); "
         "that the graph's time axis is the same at every timescale.\n";
    t << fsBold << "Lesson: " >> fsBold
      << "about 30 minutes. Prerequisites: chapter 1; reading the period off a repeating "
         "graph.\n";
    t << fsBold << "Support: " >> fsBold
      << "stop the simulation at each quarter of the orbit and mark on the graph where the "
         "star is.\n";
    t << fsBold << "Extension: " >> fsBold
      << "why is the radial velocity zero when the star is nearest to us or farthest from "
         "us?\n";
}

std::string TSimpleCase::AcceptedAnswer() {
    if (Page == PeriodQuestionPage) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "Mondas's period to three figures, %g days; answers within %g days count.",
                      RoundToFigures(Planets[0].Period, 3, true), PeriodTolerance_days);
        return text;
    }
    if (Page == ZeroVelocityQuestionPage)
        return "“crosses the z axis” (the third choice).";
    return {};
}
