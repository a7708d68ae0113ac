// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TFreeExperiment.h"

#include "PageText.h"
#include "RichEditWriter.h"
#include "oRichEdit.h"
#include "simulation/OrbitView.h"
#include "simulation/RealSystemSetUp.h"

#include <QCheckBox>
#include <cmath>

TFreeExperiment::TFreeExperiment(TCustomBook* owner) : TBaseChapter(owner) {
    SetCaption("Free experiment");
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
        t << *HeadingFont << "Free experiment" << *BodyFont;
        t << "\n\nYou are now free to experiment with all the parameters of all three "
             "planets. The following pages suggest a few interesting investigations.";
        break;
    case 2:
        t << *HeadingFont << "Selection Effects" << *BodyFont;
        t << "\n\nSuppose you have daily access to a telescope for a year, and its "
             "spectrometer cannot measure the wavelength shifts of radial velocities below "
             "10 m s⁻¹.\n\n";
        t << fsBold << "What restrictions does that place on the planets that you can discover?" >>
            fsBold;
        break;
    case 3:
        t << *HeadingFont << "Reconstruct reality" << *BodyFont;
        t << "\n\nGive the planets the parameters of a real system, and you will see the "
             "work planet hunters do.\n\nOpen the card ";
        t << fsBold << "Real planetary systems" >> fsBold;
        t << " from the ";
        t << fsBold << "Tools" >> fsBold;
        t << " menu, choose a system and press ";
        t << fsBold << "Set up" >> fsBold;
        t << ". Or set them yourself: ";
        WriteInclination(t);
        t << " = 90° and " << fsItalic << "m" >> fsItalic << " to the given ";
        WriteMassTimesSine(t);
        t << ". Set up shortens the velocity arrows to fit the view; the star's is ";
        t << int(std::lround(TOrbitView::StarArrowMagnification))
          << " times a planet's at the same speed.";
        break;
    case 4:
        t << *HeadingFont << "Challenge other students" << *BodyFont;
        t << "\n\nCreate a planetary system of your own, then print its velocity curve with ";
        t << fsBold << "Print" >> fsBold;
        t << " in the File menu to send to other students. Can they discover the parameters "
             "you chose? ";
        t << fsBold << "Save system" >> fsBold;
        t << " in the File menu keeps your system, so that ";
        t << fsBold << "Open system" >> fsBold;
        t << " can show them the answer later.\n\nNote: the ";
        t << fsBold << "Zoom" >> fsBold;
        t << " slider can hide the animation graphics.";
        break;
    default:
        break;
    }
    t.SetSelStart(0);
}

void TFreeExperiment::WriteTeacherNotes(TRichEditControl& t) {
    t << fsBold << "Aims: " >> fsBold
      << "to predict, then check, how each element of up to three planets shapes the star's "
         "velocity curve; to set up a real system from the card and compare it with its "
         "published curve.\n";
    t << fsBold << "Misconceptions: " >> fsBold
      << "that the curves of several planets cannot be told apart; that a face-on orbit still "
         "shows a signal. The chapter asks no questions.\n";
    t << fsBold << "Lesson: " >> fsBold << "about 45 minutes. Prerequisites: chapters 3 and 4.\n";
    t << fsBold << "Support: " >> fsBold
      << "give each pair one system from Tools, Real planetary systems, and a table of its "
         "elements to fill in.\n";
    t << fsBold << "Extension: " >> fsBold
      << "page 4 in pairs: each builds a system, prints its curve and the other finds its "
         "period, K and m sin i.\n";
    t << fsBold << "Answers to the investigations: " >> fsBold
      << "page 2: a semi-amplitude K of at least 10 m/s, K ≈ 28.4 m/s (m sin i / 1 Jupiter "
         "mass) (P / 1 year)^(−1/3) for a Sun-like star on a circular orbit, needs m sin i "
         "of at least 0.35 Jupiter masses at a period of a year but only 0.08 (about 25 "
         "Earth masses) at 4 days, and a year of nights shows periods up to about a year, "
         "at least one whole orbit; so heavy planets close to their stars are found first, "
         "an Earth at 1 AU (0.09 m/s) not at all, and an orbit seen nearly face-on (small "
         "sin i) hides any planet. Page 3: the curve set up from the card has the "
         "published period and semi-amplitude. Page 4: the answers are the system the "
         "student saved with File, Save system.\n";
}
