// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TFreeExperiment.h"

#include "BookText.h"
#include "PageText.h"
#include "RichEditWriter.h"
#include "oRichEdit.h"
#include "simulation/OrbitView.h"
#include "simulation/RealSystemSetUp.h"

#include <QCheckBox>
#include <cmath>

TFreeExperiment::TFreeExperiment(TCustomBook* owner) : TBaseChapter(owner) {
    SetCaption(BookText("Chapter 5: Free experiment", "Free experiment").toStdString());
    PageCount = PageTotal = 4;
}

void TFreeExperiment::ShowPage() {
    ChBoxPlanet2->setEnabled(true);
    ChBoxPlanet3->setEnabled(true);
    // Vulcan takes part on every page (ticking it again resets the simulation), unless a
    // real system was set up: that stays as it was set up.
    if (!RealSystemInUse)
        ChBoxPlanet2->setChecked(true);
    WritePageText();
}

void TFreeExperiment::SetUpSystem(const TRealSystem& system) {
    SetUpRealSystem(*this, system);
    RealSystemInUse = true;
}

TSystemState TFreeExperiment::KeptSystem() const { return CaptureSystem(*this); }

QString TFreeExperiment::SystemRefused(const TSystemState& state) const {
    return SystemRefusal(*this, state);
}

void TFreeExperiment::RestoreSystem(const TSystemState& state) {
    ApplySystem(*this, state);
    RealSystemInUse = true;
}

void TFreeExperiment::WritePageText() {
    oRichEdit& t = *TextBox;
    t.Clear();
    switch (Page) {
    case 1:
        t << *HeadingFont << BookText("Chapter 5: Free experiment", "Free experiment") << *BodyFont
          << "\n\n";
        WriteMarked(t, BookText("Chapter 5: Free experiment",
                                "You are now free to experiment with all the parameters of all "
                                "three planets. The following pages suggest a few interesting "
                                "investigations."));
        break;
    case 2:
        t << *HeadingFont << BookText("Chapter 5: Free experiment", "Selection Effects")
          << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 5: Free experiment",
                                "Suppose you have daily access to a telescope for a year, and "
                                "its spectrometer cannot measure the wavelength shifts of "
                                "radial velocities below 10 m s⁻¹."));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 5: Free experiment",
                                "<b>What restrictions does that place on the planets that you "
                                "can discover?</b>"));
        break;
    case 3:
        t << *HeadingFont << BookText("Chapter 5: Free experiment", "Reconstruct reality")
          << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 5: Free experiment",
                                "Give the planets the parameters of a real system, and you "
                                "will see the work planet hunters do."));
        t << "\n\n";
        WriteMarkedWith(
            t,
            BookText("Chapter 5: Free experiment",
                     "Open the card <b>Real planetary systems</b> from the <b>Tools</b> menu, "
                     "choose a system and press <b>Set up</b>. Or set them yourself: %1 = 90° "
                     "and <i>m</i> to the given %2. Set up shortens the velocity arrows to fit "
                     "the view; the star's is %3 times a planet's at the same speed.",
                     "%1 is the inclination's symbol, an italic i; %2 the product m sin i; %3 a "
                     "whole number. Real planetary systems, Tools, Set up: the names of the "
                     "card, the menu and the card's button"),
            {WriteInclination, WriteMassTimesSine, [](TRichEditControl& e) {
                 e << int(std::lround(TOrbitView::StarArrowMagnification));
             }});
        break;
    case 4:
        t << *HeadingFont << BookText("Chapter 5: Free experiment", "Challenge other students")
          << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 5: Free experiment",
                                "Create a planetary system of your own, then print its "
                                "velocity curve with <b>Print</b> in the File menu to send to "
                                "other students. Can they discover the parameters you chose? "
                                "<b>Save system</b> in the File menu keeps your system, so "
                                "that <b>Open system</b> can show them the answer later.",
                                "Print, File, Save system, Open system: the names of the menu "
                                "and its entries"));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 5: Free experiment",
                                "Note: the <b>Zoom</b> slider can hide the animation "
                                "graphics.",
                                "Zoom: the caption of the view's slider"));
        break;
    default:
        break;
    }
    t.SetSelStart(0);
}

void TFreeExperiment::WriteTeacherNotes(TRichEditControl& t) {
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Aims: </b>to predict, then check, how each element of up to three "
                            "planets shapes the star's velocity curve; to set up a real system "
                            "from the card and compare it with its published curve."));
    t << "\n";
    WriteMarked(
        t,
        BookText("Teacher's guide",
                 "<b>Misconceptions: </b>that the curves of several planets cannot be told apart; "
                 "that a face-on orbit still shows a signal. The chapter asks no questions."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Lesson: </b>about 45 minutes. Prerequisites: chapters 3 and 4."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Support: </b>give each pair one system from Tools, Real planetary "
                            "systems, and a table of its elements to fill in."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Extension: </b>page 4 in pairs: each builds a system, prints its "
                            "curve and the other finds its period, K and m sin i."));
    t << "\n";
    WriteMarked(
        t,
        BookText("Teacher's guide",
                 "<b>Answers to the investigations: </b>page 2: a semi-amplitude K of at least 10 "
                 "m/s, K ≈ 28.4 m/s (m sin i / 1 Jupiter mass) (P / 1 year)^(−1/3) for a Sun-like "
                 "star on a circular orbit, needs m sin i of at least 0.35 Jupiter masses at a "
                 "period of a year but only 0.08 (about 25 Earth masses) at 4 days, and a year of "
                 "nights shows periods up to about a year, at least one whole orbit; so heavy "
                 "planets close to their stars are found first, an Earth at 1 AU (0.09 m/s) not at "
                 "all, and an orbit seen nearly face-on (small sin i) hides any planet. Page 3: "
                 "the curve set up from the card has the published period and semi-amplitude. Page "
                 "4: the answers are the system the student saved with File, Save system."));
    t << "\n";
}
