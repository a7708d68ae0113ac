// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TTwoPlanets.h"

#include "BookText.h"
#include "NumberText.h"
#include "PageQuestion.h"
#include "PageText.h"
#include "QuestionInput.h"
#include "RichEditWriter.h"
#include "TKeyEdit.h"
#include "WidgetColour.h"
#include "book/TCustomBook.h"
#include "book/TNavPanel.h"
#include "forms/TwoPlanetsForm.h"
#include "model/orbit/RadialSpeed.h"
#include "model/text/RoundToFigures.h"
#include "oRichEdit.h"
#include "oWorldPortPaintBox.h"
#include "simulation/TPlanetParamForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <cmath>

namespace {

constexpr int Mondas = 0;
constexpr int Vulcan = 1;
constexpr int PeriodQuestionPage = 3;
constexpr int ShortScalePage = 4; // runs by itself at 1000 days a division
constexpr int LongScalePage = 5;  // runs by itself at 10 000 days a division
constexpr int ParameterQuestionPage = 6;
constexpr int RevealPage = 7; // shows the change page 6 asked about
// How far typed periods may lie from the true ones, days.
constexpr double MondasTolerance_days = 3000.0;
constexpr double VulcanTolerance_days = 300.0;
// The time-scale positions of grid lines every 1000 and every 10 000 days.
constexpr int Scale1000Days = 3;
constexpr int Scale10000Days = 4;
constexpr double EdgeOn_rad = 1.5707963267948966;
constexpr double NearlyFaceOn_rad = 0.17453292519943295; // 10 degrees
// Mondas's semimajor axis on pages 1 and 2, and from page 3 on, AU.
constexpr double MondasNear_AU = 5.2;
constexpr double MondasFar_AU = 10.0;
// The right answer of page 6: "inclination or mass" of "Vulcan".
constexpr int RightParameter = int(TTwoPlanets::TParameterItem::InclinationOrMass);
constexpr int RightPlanet = int(TTwoPlanets::TPlanetItem::Vulcan);
QString Say(const TQuestionText& text) {
    return BookText("Chapter 4: Two planets", text.text, text.comment);
}

// The chapter's questions: both periods (the right ones the chapter works out; the
// conclusion states them), then which element of which planet changed (the two lists'
// right items above).
const TPageQuestion Questions[] = {
    {PeriodQuestionPage,
     -1,
     {QT_TRANSLATE_NOOP("Chapter 4: Two planets", "Hint: Try the largest timescale for Mondas.")},
     {QT_TRANSLATE_NOOP3("Chapter 4: Two planets", "The periods are %1 and %2 days.",
                         "periods of the orbits")},
     true,
     QT_TRANSLATE_NOOP3("Chapter 4: Two planets",
                        "Mondas %1 days (within %2 days) and Vulcan %3 days (within %4 whole "
                        "days), each to three figures.",
                        "periods of the orbits")},
    {ParameterQuestionPage,
     -1,
     {QT_TRANSLATE_NOOP("Chapter 4: Two planets",
                        "Hint: Compare the graph with the one on\nthe previous page")},
     {{QT_TRANSLATE_NOOP("Chapter 4: Two planets",
                         "The correct answer is the <i>inclination or\nmass of Vulcan.</i>")}},
     false,
     {QT_TRANSLATE_NOOP("Chapter 4: Two planets", "planet “%1”, parameter “%2”.")},
     false},
};

} // namespace

TTwoPlanets::TTwoPlanets(TCustomBook* owner) : TBaseChapter(owner) {
    DefineTwoPlanetsForm(*this);
    PageCount = PageTotal = 9;
}

void TTwoPlanets::SetUpPlanets() {
    ChBoxPlanet2->setEnabled(true);
    ChBoxPlanet2->setChecked(true);
    ChBoxPlanet3->setEnabled(false);
    AutoScaleVelocity->setChecked(false);
    TimeSlider->setValue(Scale1000Days);
    SetGraphSpan(Scale1000Days);
    // Both elements are set before the one reset they need; pages 6 and 7 keep the change
    // page 6 asks about. The hidden view must not draw the tilted orbit even once.
    const bool tilted = Page == ParameterQuestionPage || Page == RevealPage;
    Planets[Vulcan].inc = tilted ? NearlyFaceOn_rad : EdgeOn_rad;
    Planets[Mondas].a = Page >= PeriodQuestionPage ? MondasFar_AU : MondasNear_AU;
    NoDraw = Page == ParameterQuestionPage;
    FitScaleToPlanets();
    ResetSimulation();
}

void TTwoPlanets::FitScaleToPlanets() {
    // Vulcan counts edge-on, so that the tilted pages keep the scale of the page before
    // and the two graphs can be compared.
    std::array<TPlanet, PlanetCount> untilted = Planets;
    untilted[Vulcan].inc = EdgeOn_rad;
    FitScale(LargestRadialSpeed_AUperDay(untilted, StarMass));
}

void TTwoPlanets::ShowLongestTimescale() {
    TimeSlider->setValue(Scale10000Days);
    SetGraphSpan(Scale10000Days);
}

std::array<QWidget*, 6> TTwoPlanets::PeriodFields() const {
    return {MondasLabel, MondasAnswer, MondasDays, VulcanLabel, VulcanAnswer, VulcanDays};
}

std::array<QWidget*, 3> TTwoPlanets::ParameterFields() const {
    return {ParamComboBox, ofLabel, PlanComboBox};
}

void TTwoPlanets::ShowPage() {
    SetUpPlanets();
    OpenQuestion();
    for (QWidget* w : PeriodFields())
        w->hide();
    QDoneButton->hide();
    MondasLabel->setText(QString::fromStdString(Planets[Mondas].Name.str()));
    VulcanLabel->setText(QString::fromStdString(Planets[Vulcan].Name.str()));
    SetWidgetColour(*MondasLabel, Planets[Mondas].Colour);
    SetWidgetColour(*VulcanLabel, Planets[Vulcan].Colour);

    for (QWidget* w : ParameterFields())
        w->hide();

    switch (Page) {
    case PeriodQuestionPage:
        ShowPeriodQuestion();
        break;
    case ShortScalePage:
        Timer1->start();
        break;
    case LongScalePage:
        ShowLongestTimescale();
        Timer1->start();
        break;
    case ParameterQuestionPage:
        ShowParameterQuestion();
        break;
    case RevealPage:
        ShowLongestTimescale();
        break;
    default:
        break;
    }
    // The dialog shows the elements the page has just set, so that moving one slider does
    // not put back the values it showed before.
    ParamForm->ShowPlanet();
    WritePageText();
}

void TTwoPlanets::ShowPeriodQuestion() {
    MondasAnswer->clear();
    VulcanAnswer->clear();
    for (QWidget* w : PeriodFields())
        w->show();
    MessagePanel->setGeometry(MessagePanel->x(), 440, 350, 60);
    QDoneButton->move(QDoneButton->x(), 398);
    QDoneButton->show();
    ShowNextButton(false);
    // The reader's next step is to type Mondas's period.
    MondasAnswer->setFocus();
}

void TTwoPlanets::ShowParameterQuestion() {
    ShowLongestTimescale();
    ParamForm->hide();
    PlanetParamButton->setEnabled(false);
    for (QComboBox* list : {ParamComboBox, PlanComboBox})
        list->setCurrentIndex(-1);
    ParamComboBox->setEditText(
        BookText("Chapter 4: Two planets", "Parameter", "a parameter of the planet or its orbit"));
    PlanComboBox->setEditText(BookText("Chapter 4: Two planets", "Planet"));
    for (QWidget* w : ParameterFields())
        w->show();
    QDoneButton->move(QDoneButton->x(), 440);
    MessagePanel->setGeometry(MessagePanel->x(), 440, 290, 60);
    QDoneButton->show();
    ShowNextButton(false);
    wp->Invalidate();
}

void TTwoPlanets::WritePageText() {
    oRichEdit& t = *TextBox;
    t.Clear();
    switch (Page) {
    case 1:
        t << *HeadingFont << BookText("Chapter 4: Two planets", "Two planets") + " ";
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 4: Two planets",
                                "Working out the orbits when more than one planet circles a "
                                "star is a problem that real planet hunters face. Here a "
                                "second planet, Vulcan, joins Mondas."));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 4: Two planets",
                                "Click <b>Start</b> to see why it is a problem.",
                                "Start: the caption of the button"));
        break;
    case 2:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 4: Two planets",
                                "The radial velocity profile is now much more complicated. "
                                "Each planet has a fixed period, but their combined effect "
                                "does not repeat itself after any fixed time: the profile is "
                                "not periodic.",
                                "period of an orbit"));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 4: Two planets",
                                "You can see at once, though, that there is more than one "
                                "planet."));
        break;
    case 3:
        t << *BodyFont;
        WriteMarked(t, BookText("Chapter 4: Two planets",
                                "<b>The orbits now have very different\nsemimajor axes. What "
                                "are the periods?</b>",
                                "periods of the orbits"));
        break;
    case 4:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 4: Two planets",
                                "The timescale is now set to 1000 days. On this scale the "
                                "period of Vulcan is clear, but that of Mondas is not.",
                                "period of an orbit"));
        break;
    case 5:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 4: Two planets",
                                "The timescale is now set to 10000 days. Now the much longer "
                                "period of Mondas shows, with the shorter variations of "
                                "Vulcan superimposed on it.",
                                "period of an orbit"));
        break;
    case 6:
        t << *BodyFont;
        WriteMarked(t, BookText("Chapter 4: Two planets",
                                "<b>One parameter has been changed from\nthe last page. From "
                                "the radial velocity\nprofile alone, what parameter(s) could "
                                "have been changed? (Animation has been disabled.)</b>"));
        break;
    case 7:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 4: Two planets",
                                "The animation shows that the yellow orbit of Vulcan is now "
                                "greatly inclined: it is only 10° from face-on. The radial "
                                "velocity alone did not reveal this."));
        t << "\n\n";
        WriteWithInclination(t, BookText("Chapter 4: Two planets",
                                         "In the <b>Edit parameters</b> window choose "
                                         "Vulcan, then try setting %1 to 90° and the mass to "
                                         "0.17 Jupiter masses. The graph should look the "
                                         "same.",
                                         "%1 is the inclination's symbol, an italic i; Edit "
                                         "parameters: the caption of the button"));
        break;
    case 8:
        t << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 4: Two planets",
                                "There are two lessons here. Even when several planets orbit "
                                "a star, their properties can still be worked out, because "
                                "their periods are different. But the mass of a planet and "
                                "the inclination of its orbit cannot be determined "
                                "separately.",
                                "periods of the orbits"));
        break;
    case 9:
        t << *BodyFont << "\n\n";
        WriteMarkedWith(t,
                        BookText("Chapter 4: Two planets",
                                 "Astronomers find the planets' parameters from the radial "
                                 "velocity profile by an automated trial-and-error "
                                 "procedure called <i>fitting</i>. It fits %1 as one "
                                 "parameter. The number of planets can itself be fitted, "
                                 "although it is often guessed from the profile.",
                                 "%1 is the product m sin i"),
                        {WriteMassTimesSine});
        break;
    default:
        break;
    }
    t.SetSelStart(0);
}

void TTwoPlanets::MondasAnswerKeyPress(char& key) {
    if (FilterAnswerKey(key))
        JudgeAnswer();
}

void TTwoPlanets::VulcanAnswerKeyPress(char& key) {
    if (FilterAnswerKey(key))
        JudgeAnswer();
}

// A planet's period as the period question wants it, to three figures.
double TTwoPlanets::RightPeriod_days(int planet) const {
    return RoundToFigures(Planets[planet].Period, 3, true);
}

bool TTwoPlanets::PeriodsCorrect() {
    if (MondasAnswer->text().isEmpty() || VulcanAnswer->text().isEmpty())
        return false;
    double mondas = 0.0, vulcan = 0.0;
    ReadAnswer(MondasAnswer->text(), mondas);
    ReadAnswer(VulcanAnswer->text(), vulcan);
    if (std::fabs(mondas - RightPeriod_days(Mondas)) > MondasTolerance_days)
        return false;
    // Whole days count: the difference is cut to an integer before it is compared.
    return std::fabs(std::trunc(vulcan - RightPeriod_days(Vulcan))) <= VulcanTolerance_days;
}

bool TTwoPlanets::IsAnswerCorrect() {
    switch (Page) {
    case PeriodQuestionPage:
        return PeriodsCorrect();
    case ParameterQuestionPage:
        return ChosenMeaning(*PlanComboBox) == RightPlanet &&
               ChosenMeaning(*ParamComboBox) == RightParameter;
    default:
        return false;
    }
}

const char* TTwoPlanets::MissingAnswer() const {
    if (Page != ParameterQuestionPage)
        return nullptr;
    const bool parameter = ChosenMeaning(*ParamComboBox) >= 0;
    const bool planet = ChosenMeaning(*PlanComboBox) >= 0;
    if (parameter && planet)
        return nullptr;
    MissingText =
        (!parameter && !planet ? BookText("Chapter 4: Two planets",
                                          "Choose a parameter and a planet from the lists first.")
         : !parameter
             ? BookText("Chapter 4: Two planets", "Choose a parameter from the list first.")
             : BookText("Chapter 4: Two planets", "Choose a planet from the list first."))
            .toStdString();
    return MissingText.c_str();
}

void TTwoPlanets::WriteHint() {
    if (const TPageQuestion* question = QuestionOn(Questions, Page); question && WrongAnswers > 1)
        WriteQuestionHint(*FeedbackBox, Say, *question);
}

void TTwoPlanets::WriteConclusion() {
    if (const TPageQuestion* question = QuestionOn(Questions, Page)) {
        const QStringList periods[] = {
            {NumberText(RightPeriod_days(Mondas)), NumberText(RightPeriod_days(Vulcan))}};
        WriteQuestionConclusion(*FeedbackBox, Say, *question, AnswerCorrect,
                                Page == PeriodQuestionPage ? periods
                                                           : std::span<const QStringList>{});
    }
    ShowNextButton(true);
    if (TCustomBook* book = Book())
        book->NavPanel->BackButton->show();
    PlanetParamButton->setEnabled(true);
    NoDraw = false;
    // Drawn at once, not at the next tick, so that a stopped simulation shows its view too.
    DrawBackground();
    DrawFrame();
}

void TTwoPlanets::WriteTeacherNotes(TRichEditControl& t) {
    WriteMarked(
        t,
        BookText("Teacher's guide",
                 "<b>Aims: </b>to untangle a velocity curve made by two planets: each period from "
                 "the timescale that shows it, and which element of a planet changed the curve."));
    t << "\n";
    WriteMarked(
        t,
        BookText(
            "Teacher's guide",
            "<b>Misconceptions: </b>that the curve of two planets repeats with either period; that "
            "the inclination and the mass of a planet can be told apart from the velocity alone."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Lesson: </b>about 40 minutes. Prerequisites: chapter 3."));
    t << "\n";
    WriteMarked(t,
                BookText("Teacher's guide", "<b>Support: </b>give one planet its least mass first, "
                                            "so that the other planet's curve shows alone."));
    t << "\n";
    WriteMarked(
        t,
        BookText("Teacher's guide",
                 "<b>Extension: </b>find two periods for which the curve of both planets repeats "
                 "(their ratio a fraction of small whole numbers), and say after how long."));
    t << "\n";
}

std::string TTwoPlanets::AcceptedAnswer() {
    const TPageQuestion* question = QuestionOn(Questions, Page);
    if (!question)
        return {};
    const QStringList numbers =
        Page == PeriodQuestionPage
            ? QStringList{FiguresText(RightPeriod_days(Mondas), 6),
                          FiguresText(MondasTolerance_days, 6),
                          FiguresText(RightPeriod_days(Vulcan), 6),
                          FiguresText(VulcanTolerance_days, 6)}
            : QStringList{ItemTextOf(*PlanComboBox, RightPlanet),
                          ItemTextOf(*ParamComboBox, RightParameter)};
    return QuestionWording(Say, question->accepted, numbers).toStdString();
}
