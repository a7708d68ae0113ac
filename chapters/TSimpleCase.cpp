// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TSimpleCase.h"

#include "BookText.h"
#include "NumberText.h"
#include "PageQuestion.h"
#include "QuestionInput.h"
#include "RichEditWriter.h"
#include "TKeyEdit.h"
#include "forms/SimpleCaseForm.h"
#include "model/text/RoundToFigures.h"
#include "oRichEdit.h"
#include "simulation/OrbitView.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <cmath>
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

QString Say(const TQuestionText& text) {
    return BookText("Chapter 2: The simulation", text.text, text.comment);
}

// The chapter's questions. The period's conclusion carries the period to two figures and to
// four; the first question's right answer is the period the chapter works out.
const TPageQuestion Questions[] = {
    {PeriodQuestionPage,
     -1,
     {QT_TRANSLATE_NOOP("Chapter 2: The simulation",
                        "Hint: Measure between maxima or minima,\nand note the scale of the "
                        "time axis.")},
     {QT_TRANSLATE_NOOP3("Chapter 2: The simulation", "The period to two sig figs is %1 days.",
                         "of the orbit"),
      QT_TRANSLATE_NOOP3("Chapter 2: The simulation", "(The precise period is %1 days.)",
                         "of the orbit")},
     true,
     QT_TRANSLATE_NOOP3("Chapter 2: The simulation",
                        "Mondas's period to three figures, %1 days; answers within %2 days "
                        "count.",
                        "of the orbit")},
    {ZeroVelocityQuestionPage,
     2,
     QT_TRANSLATE_NOOP3("Chapter 2: The simulation",
                        "Hint: Press <b>Stop</b> when the graph\ncrosses zero.",
                        "Stop: the caption of the button"),
     {{QT_TRANSLATE_NOOP("Chapter 2: The simulation",
                         "The correct answer is when it crosses the <i>z</i> axis.")}},
     false,
     {}},
};

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
        t << *HeadingFont << BookText("Chapter 2: The simulation", "The simulation") + " ";
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "We start with a simple system: a star of one solar mass (the "
                                "yellow dot) and a single planet of one Jupiter mass, Mondas "
                                "(the white dot). The light-blue line is the orbit of Mondas. "
                                "Its semimajor axis is 5.2 AU and its eccentricity is 0, so "
                                "Mondas moves on a circle of radius 5.2 AU."));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "At first you see the orbit edge-on, so the circle looks like "
                                "a straight line."));
        break;
    case 2:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "You can turn the view to look at the orbit from any "
                                "direction: drag the mouse across the black pane, or move the "
                                "<b>Rotate axes </b>sliders. The <b>Zoom </b>slider makes the "
                                "picture larger or smaller.",
                                "Rotate axes, Zoom: the captions of the view's sliders"));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "Click the <b>Start </b>button to begin the simulation."));
        break;
    case 3:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "The star and Mondas both orbit their common centre of mass, "
                                "which lies at the origin, where the <i>x, y </i>and <i>z "
                                "</i>axes meet. The star is much heavier than the planet, so "
                                "its orbit is much smaller."));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "<b>NOTE: The star's motion is always drawn %1 times larger "
                                "than the planet's, so that you can see it move.</b>")
                           .arg(Times(TOrbitView::StarMagnification)));
        break;
    case 4:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "Observers on Earth are a very long way off along the <i>z "
                                "</i>axis. They cannot see the star wobble across the sky; all "
                                "they can measure is the <i>radial velocity </i>of the star, "
                                "<i>v<sub>r</sub></i>, the part of its velocity directed "
                                "towards or away from them."));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "<b>The radial velocity is always measured along the <i>z "
                                "</i>axis.</b>"));
        break;
    case 5:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "Tick the <b>Velocity vector </b>check box to show the "
                                "velocities of the star and the planet as arrows. The length "
                                "of each arrow is proportional to the speed. The star's arrow "
                                "is drawn %1 times longer than the planet's would be at the "
                                "same speed.",
                                "Velocity vector: the caption of the check box")
                           .arg(Times(TOrbitView::StarArrowMagnification)));
        break;
    case 6:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "The graph on the right plots the radial velocity of the star "
                                "against time. The timescale slider below the graph sets how "
                                "much time one division of the time axis stands for, as the "
                                "unit beside the axis says (<i>t</i> / 1000 days: each "
                                "division is 1000 days); the graph shows ten divisions. When "
                                "the curve reaches the end of the displayed time range, the "
                                "velocity axis is rescaled automatically to fit it; untick "
                                "<b>Autoscale velocity </b>to switch this off. The <b>Rescale "
                                "velocity</b> button rescales the velocity axis at any time.",
                                "Autoscale velocity, Rescale velocity: the captions of the check "
                                "box and the button below the graph"));
        break;
    case 7:
        t << *BodyFont;
        WriteMarked(t, BookText("Chapter 2: The simulation", "<b>What is the orbital period?</b>"));
        t << fsBold << "\n" >> fsBold;
        WriteMarked(
            t, BookText("Chapter 2: The simulation", "Enter your answer below to 2 sig figs."));
        break;
    case 8:
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "<b>When is the star's radial velocity zero?</b>"));
        t << fsBold << "\n" >> fsBold;
        WriteMarked(
            t, BookText("Chapter 2: The simulation", "Click on one of the following answers."));
        t << "\n";
        WriteMarked(
            t, BookText("Chapter 2: The simulation", "The view is turned: the axes show apart."));
        break;
    case 9:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "Tick the <b>Velocity vector </b>check box and watch the "
                                "star's velocity vector (the green arrow). When the radial "
                                "velocity is greatest, the arrow is parallel to the "
                                "<i>z</i> axis: the star is moving straight towards or away "
                                "from the Earth. When the radial velocity is zero, the star's "
                                "velocity is perpendicular to the <i>z</i> axis, and the star "
                                "moves across our line of sight.",
                                "Velocity vector: the caption of the check box"));
        break;
    case 10:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 2: The simulation",
                                "You should now see why the radial velocity of the star varies "
                                "as the planet and the star orbit their centre of mass. Next "
                                "we investigate how the orientation of the orbit and the "
                                "other parameters affect the amplitude of the radial velocity "
                                "curve."));
        break;
    default:
        break;
    }
    t.SetSelStart(0);
}

// Where the star is when the graph crosses zero.
TChoiceQuestion TSimpleCase::ZeroVelocityQuestion() const {
    return {{QChoice1, QChoice2, QChoice3}, QuestionOn(Questions, ZeroVelocityQuestionPage)->right};
}

// The period the period question wants, to the three figures it is asked for.
double TSimpleCase::RightPeriod_days() const {
    return RoundToFigures(Planets[0].Period, 3, true);
}

void TSimpleCase::ResetChoices() { ReleaseChoices(ZeroVelocityQuestion().choices); }

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
        return std::fabs(days - RightPeriod_days()) <= PeriodTolerance_days;
    }
    case ZeroVelocityQuestionPage:
        return ZeroVelocityQuestion().RightChosen();
    default:
        return false;
    }
}

void TSimpleCase::WriteHint() {
    oRichEdit& t = *FeedbackBox;
    // A period read in the axis's own unit (thousands of days) is told at once.
    if (Page == PeriodQuestionPage) {
        for (const double factor : {1000.0, 0.001}) {
            if (std::fabs(TypedPeriod_days * factor - RightPeriod_days()) <=
                PeriodTolerance_days) {
                t << "\n";
                WriteMarked(t, factor > 1 ? BookText("Chapter 2: The simulation",
                                                     "Hint: Your number is 1000 times too "
                                                     "small:\nread the unit beside the time "
                                                     "axis.")
                                          : BookText("Chapter 2: The simulation",
                                                     "Hint: Your number is 1000 times too "
                                                     "large:\nread the unit beside the time "
                                                     "axis."));
                return;
            }
        }
    }
    if (const TPageQuestion* question = QuestionOn(Questions, Page); question && WrongAnswers > 1)
        WriteQuestionHint(t, Say, *question);
}

void TSimpleCase::WriteConclusion() {
    const TPageQuestion* question = QuestionOn(Questions, Page);
    if (!question)
        return;
    const double period = Planets[0].Period;
    const QStringList numbers[] = {{NumberText(RoundToFigures(period, 2, true))},
                                   {NumberText(RoundToFigures(period, 4, true))}};
    WriteQuestionConclusion(*FeedbackBox, Say, *question, AnswerCorrect,
                            Page == PeriodQuestionPage ? numbers : std::span<const QStringList>{});
    ShowNextButton(true);
}

void TSimpleCase::WriteTeacherNotes(TRichEditControl& t) {
    WriteMarked(
        t, BookText("Teacher's guide",
                    "<b>Aims: </b>to read the orbit view and the velocity graph together: the "
                    "period from the graph, and when the radial velocity is zero or greatest."));
    t << "\n";
    WriteMarked(
        t,
        BookText(
            "Teacher's guide",
            "<b>Misconceptions: </b>that the velocity is greatest when the star is farthest from "
            "us (it is zero there); that the graph's time axis is the same at every timescale."));
    t << "\n";
    WriteMarked(
        t, BookText("Teacher's guide", "<b>Lesson: </b>about 30 minutes. Prerequisites: chapter 1; "
                                       "reading the period off a repeating graph."));
    t << "\n";
    WriteMarked(
        t, BookText("Teacher's guide", "<b>Support: </b>stop the simulation at each quarter of the "
                                       "orbit and mark on the graph where the star is."));
    t << "\n";
    WriteMarked(t,
                BookText("Teacher's guide", "<b>Extension: </b>why is the radial velocity zero "
                                            "when the star is nearest to us or farthest from us?"));
    t << "\n";
}

std::string TSimpleCase::AcceptedAnswer() {
    if (Page == PeriodQuestionPage)
        return QuestionWording(Say, QuestionOn(Questions, Page)->accepted,
                               {FiguresText(RightPeriod_days(), 6),
                                FiguresText(PeriodTolerance_days, 6)})
            .toStdString();
    if (Page == ZeroVelocityQuestionPage)
        return ZeroVelocityQuestion().Accepted().toStdString();
    return {};
}
