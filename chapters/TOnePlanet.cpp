// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TOnePlanet.h"

#include "BookText.h"
#include "PageQuestion.h"
#include "PageText.h"
#include "QuestionInput.h"
#include "RichEditWriter.h"
#include "forms/OnePlanetForm.h"
#include "oRichEdit.h"
#include "simulation/TPlanetParamForm.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>

namespace {

constexpr int MassQuestionPage = 6;
QString Say(const TQuestionText& text) {
    return BookText("Chapter 3: One planet", text.text, text.comment);
}

// The one question: what a lighter planet does to the curve's amplitude.
const TPageQuestion Questions[] = {
    {MassQuestionPage,
     0,
     QT_TRANSLATE_NOOP3("Chapter 3: One planet", "Make sure %1 is not zero.",
                        "%1 is the inclination's symbol, an italic i"),
     {{QT_TRANSLATE_NOOP("Chapter 3: One planet",
                         "The radial velocity amplitude <i>decreases</i> as the planet's mass is "
                         "decreased.")}},
     false,
     {}},
};
// From this page on the "Edit parameters" button opens the dialog.
constexpr int FirstEditPage = 3;

// The dialog's sliders in the order the pages release them.
struct Release {
    int fromPage;
    QSlider* TPlanetParamForm::*slider;
};
constexpr Release Releases[] = {
    {3, &TPlanetParamForm::incSlider},    {6, &TPlanetParamForm::massSlider},
    {8, &TPlanetParamForm::aSlider},      {9, &TPlanetParamForm::EccSlider},
    {11, &TPlanetParamForm::psiSlider},   {12, &TPlanetParamForm::phiSlider},
    {13, &TPlanetParamForm::SmassSlider},
};

} // namespace

TOnePlanet::TOnePlanet(TCustomBook* owner) : TBaseChapter(owner) {
    DefineOnePlanetForm(*this);
    PageCount = PageTotal = 15;
}

void TOnePlanet::UnlockParameters() {
    PlanetParamButton->setEnabled(Page >= FirstEditPage);
    for (const Release& r : Releases)
        (ParamForm->*r.slider)->setEnabled(Page >= r.fromPage);
}

void TOnePlanet::ShowPage() {
    UnlockParameters();
    ChBoxPlanet2->setEnabled(false);
    ChBoxPlanet3->setEnabled(false);
    // Only Mondas takes part: the dialog must not edit the hidden planets.
    ParamForm->PlanRadioButton2->setEnabled(false);
    ParamForm->PlanRadioButton3->setEnabled(false);
    // The amplitude changes the pages discuss show only on an unchanging scale.
    AutoScaleVelocity->setChecked(false);

    for (oBitBtn* b : {QChoice1, QChoice2, QChoice3})
        b->hide();
    ResetChoices();
    OpenQuestion();

    if (Page == MassQuestionPage) {
        ShowNextButton(false);
        for (oBitBtn* b : {QChoice1, QChoice2, QChoice3})
            b->show();
    }
    WritePageText();
}

void TOnePlanet::WritePageText() {
    oRichEdit& t = *TextBox;
    t.Clear();
    // An angle's Greek letter in the symbol face, italic.
    const auto greek = [this](const char* letter) {
        return [this, letter](TRichEditControl& e) {
            e << *SymbolFont << fsItalic << letter >> fsItalic << *BodyFont;
        };
    };
    switch (Page) {
    case 1:
        t << *HeadingFont << BookText("Chapter 3: One planet", "One planet") + " ";
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "This section shows what the radial velocity profile of a star "
                                "can tell us about a single planet orbiting it, and what it "
                                "cannot. We keep one planet, Mondas, and change its orbit and "
                                "its mass one parameter at a time."));
        break;
    case 2:
        t << *BodyFont << "\n\n";
        WriteWithInclination(t, BookText("Chapter 3: One planet",
                                         "First we look at how changing the inclination %1 of "
                                         "the orbit changes the amplitude of the radial "
                                         "velocity. %1 is the angle between the line of sight "
                                         "(the <i>z</i> axis) and the orbit's normal vector, "
                                         "the arrow drawn at right angles to the orbit in the "
                                         "orbit's own colour, here light blue.",
                                         "%1 is the inclination's symbol, an italic i"));
        t << "\n\n";
        WriteWithInclination(t, BookText("Chapter 3: One planet",
                                         "The orbit starts edge-on, seen from the side: %1 is "
                                         "90°.",
                                         "%1 is the inclination's symbol, an italic i"));
        break;
    case 3:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "Press <b>Start</b>. The masses and the orbit are the same as "
                                "in the last section, so the radial velocity profile is the "
                                "same too.",
                                "Start: the caption of the button"));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "Now click <b>Edit parameters</b> and, in the window that "
                                "opens, use the slider to change the inclination of the orbit "
                                "of Mondas to about 30°.",
                                "Edit parameters: the caption of the button"));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "(Sliders will be enabled when you first need them.)"));
        break;
    case 4:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "The amplitude of the radial velocity is reduced: the maxima "
                                "and minima are smaller. (Automatic rescaling has been turned "
                                "off so that you can see this.)"));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "Drag the orbit view to look at the orbit from different "
                                "angles, and notice that the star orbits in the same plane as "
                                "the planet."));
        break;
    case 5:
        t << *BodyFont << "\n\n";
        WriteWithInclination(t, BookText("Chapter 3: One planet",
                                         "Now set %1 to zero. The orbit then lies in the plane "
                                         "of the sky, at right angles to the line of sight, "
                                         "and the star's radial velocity is always zero: the "
                                         "star never moves towards or away from us.",
                                         "%1 is the inclination's symbol, an italic i"));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "Planets whose orbits we see face-on like this cannot be "
                                "detected by Doppler spectroscopy."));
        break;
    case 6:
        t << *BodyFont;
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "<b>Decrease the planet's mass.\nHow does the radial "
                                "velocity\namplitude change?</b>"));
        break;
    case 7:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "A lighter planet pulls less on the star, so the star moves "
                                "more slowly around the centre of mass and the amplitude of "
                                "its radial velocity is smaller. A heavier planet gives a "
                                "larger amplitude."));
        break;
    case 8:
        t << *BodyFont << "\n\n";
        WriteMarked(t,
                    BookText("Chapter 3: One planet",
                             "Changing the inclination and the mass did not change the "
                             "period of the radial velocity curve. Now vary the semimajor "
                             "axis <i>a. </i>You may need the graph's scaling controls "
                             "below to see the whole curve: the timescale slider and the "
                             "<b>Rescale velocity</b> button.",
                             "period of the orbit; Rescale velocity: the caption of the button"));
        break;
    case 9:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "The semimajor axis <i>a </i>affects both the period and the "
                                "amplitude. A planet with a smaller <i>a </i>is closer to the "
                                "star and moves faster, so the amplitude is larger and the "
                                "period shorter.",
                                "period of the orbit"));
        t << "\n\n";
        WriteMarked(
            t, BookText("Chapter 3: One planet", "Now try an eccentricity <i>e </i>of about 0.5."));
        break;
    case 10:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "An ellipse has an eccentricity between 0 (a circle) and 1. On "
                                "an elliptical orbit the speed is no longer constant, so the "
                                "radial velocity profile looks skewed. The speed is greatest "
                                "when the star and the planet are closest together."));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "The period has not changed: it depends on the semimajor axis, "
                                "not on the eccentricity.",
                                "period of the orbit"));
        break;
    case 11:
        t << *BodyFont << "\n\n";
        WriteMarkedWith(t,
                        BookText("Chapter 3: One planet",
                                 "Now try altering the angle %1. It rotates the orbit "
                                 "about its normal, turning the ellipse within its own "
                                 "plane. For a circular orbit this does not change the "
                                 "shape of the radial velocity profile, only shifts it in "
                                 "time (the planet starts from another place); for an "
                                 "elliptical orbit it changes the shape itself.",
                                 "%1 is the angle's symbol, an italic Greek psi"),
                        {greek("ψ")});
        break;
    case 12:
        t << *BodyFont << "\n\n";
        WriteMarkedWith(t,
                        BookText("Chapter 3: One planet",
                                 "The azimuth %1 of the orbit rotates the orbit's normal "
                                 "about the <i>z</i> axis. The radial velocity profile "
                                 "does not depend on %1 at all, so Doppler spectroscopy "
                                 "tells us nothing about the azimuth of an orbit.",
                                 "%1 is the azimuth's symbol, an italic Greek phi"),
                        {greek("φ")});
        break;
    case 13:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "The mass of the star can be found by other methods, from its "
                                "spectrum and its brightness, so we treat it as known."));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "You may now vary it as well. The period follows from the "
                                "star's mass and the semimajor axis.",
                                "period of the orbit"));
        break;
    case 14:
        t << *BodyFont;
        WriteMarked(t, BookText("Chapter 3: One planet", "So, for one planet: "));
        t << "\n\n";
        WriteWithInclination(t, BookText("Chapter 3: One planet",
                                         "- the amplitude tells us about the semimajor axis "
                                         "<i>a, </i>the inclination %1 and the planet's mass "
                                         "<i>m.</i>",
                                         "%1 is the inclination's symbol, an italic i"));
        t << "\n";
        WriteMarked(t,
                    BookText("Chapter 3: One planet", "- the period determines the semimajor axis.",
                             "period of the orbit"));
        t << "\n";
        WriteMarked(t, BookText("Chapter 3: One planet",
                                "- the shape of the profile determines the eccentricity "
                                "<i>e.</i>"));
        break;
    case 15:
        t << *HeadingFont << BookText("Chapter 3: One planet", "Conclusions");
        t << *BodyFont << "\n\n";
        WriteWithInclination(t, BookText("Chapter 3: One planet",
                                         "With one planet, the semimajor axis <i>a</i> and the "
                                         "eccentricity <i>e</i> follow from the radial "
                                         "velocity profile. But the amplitude depends on both "
                                         "the mass <i>m</i> and the inclination %1, so the "
                                         "two cannot be found separately: the best we can "
                                         "find is %2.",
                                         "%1 is the inclination's symbol, an italic i; %2 the "
                                         "product m sin i"));
        break;
    default:
        break;
    }
    t.SetSelStart(0);
}

TChoiceQuestion TOnePlanet::MassQuestion() const {
    return {{QChoice1, QChoice2, QChoice3}, QuestionOn(Questions, MassQuestionPage)->right};
}

void TOnePlanet::ResetChoices() { ReleaseChoices(MassQuestion().choices); }

void TOnePlanet::QChoiceClick(oBitBtn* sender) {
    ResetChoices();
    LatchChoice(*sender);
    JudgeAnswer();
}

bool TOnePlanet::IsAnswerCorrect() { return MassQuestion().RightChosen(); }

void TOnePlanet::WriteHint() {
    if (const TPageQuestion* question = QuestionOn(Questions, Page); question && WrongAnswers > 1)
        WriteQuestionHint(*FeedbackBox, Say, *question);
}

void TOnePlanet::WriteConclusion() {
    if (const TPageQuestion* question = QuestionOn(Questions, Page))
        WriteQuestionConclusion(*FeedbackBox, Say, *question, AnswerCorrect);
    ShowNextButton(true);
}

void TOnePlanet::WriteTeacherNotes(TRichEditControl& t) {
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Aims: </b>how the planet's mass, the size and shape of its orbit "
                            "and the orbit's tilt change the amplitude and shape of the velocity "
                            "curve; that only m sin i can be measured."));
    t << "\n";
    WriteMarked(
        t, BookText(
               "Teacher's guide",
               "<b>Misconceptions: </b>that a heavier planet gives a longer period; that a face-on "
               "orbit shows its full signal; that an eccentric orbit's curve is a sine."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide", "<b>Lesson: </b>about 40 minutes. Prerequisites: "
                                               "chapters 1 and 2; Kepler's third law."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide", "<b>Support: </b>change one slider at a time, and "
                                               "sketch the curve before and after each change."));
    t << "\n";
    WriteMarked(
        t, BookText("Teacher's guide", "<b>Extension: </b>predict what doubling the planet's mass "
                                       "does to the curve's height, then check it (it doubles)."));
    t << "\n";
}

std::string TOnePlanet::AcceptedAnswer() {
    if (Page == MassQuestionPage)
        return MassQuestion().Accepted().toStdString();
    return {};
}
