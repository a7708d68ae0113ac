// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The page texts of "Finding a planet". They state nothing that depends on the student's run:
// the numbers of the run are written beside the views, so a printed copy of the chapter is
// true of every seed.
#include "TFindingPlanet.h"

#include "FindingPlanetQuestions.h"
#include "PageText.h"
#include "RichEditWriter.h"
#include "model/HiddenSystems.h"
#include "oRichEdit.h"

namespace q = findingplanet;

void TFindingPlanet::WritePageText() {
    oRichEdit& t = *TextBox;
    t.Clear();
    switch (Page) {
    case 1:
        t << *HeadingFont << "Finding a planet" << *BodyFont;
        t << "\n\nIn the simulation you could watch the star's velocity all the time. An "
             "astronomer cannot. A star is measured only on clear nights, in the months when it "
             "is up at night: a few dozen velocities in a season. Each has an error, the "
             "instrument's precision, and the star's restless surface adds a ";
        t << fsItalic << "jitter" >> fsItalic;
        t << " of a few m/s that no instrument removes.\n\nThe plot on the right shows such "
             "measurements, each with its error bar, of a star whose planet you do not know "
             "yet.";
        break;
    case q::ObservePage:
        t << fsBold << "Your star" >> fsBold;
        t << "\n\nThe book has hidden a planet around this star. The ";
        t << fsBold << "seed" >> fsBold;
        t << " below the plot picks the star and the nights: note it, and your teacher can "
             "make the very same measurements. Type another seed and press ";
        t << fsBold << "Observe" >> fsBold;
        t << " for another star.\n\nLook at the points before you answer.";
        break;
    case q::PeakPage:
        t << fsBold << "The periodogram" >> fsBold;
        t << "\n\nFor every trial period from half a day to the length of the run, the "
             "periodogram fits a sine of that period to the measurements and plots how much "
             "of their scatter it explains: its ";
        t << fsItalic << "power" >> fsItalic;
        t << ", from 0 to 1. A planet shows as a high, narrow peak at its period.\n\nThe red "
             "marker shows the highest peak. The narrower a peak, the better it fixes the "
             "period: its half width is written below the plot. An answer within the half "
             "width counts, so give the period to as many decimals as the half width has.";
        break;
    case q::FalseAlarmPage:
        t << fsBold << "False alarms" >> fsBold;
        t << "\n\nNoise alone makes peaks too: among thousands of trial periods, a sine fits "
             "random numbers a little at some of them. The ";
        t << fsItalic << "false-alarm probability" >> fsItalic;
        t << " is the chance that noise alone would raise a peak as high as the highest one "
             "anywhere in the search. Astronomers trust a peak when it is below about 1 %.\n\n"
             "Press ";
        t << fsBold << "Only 12 nights" >> fsBold << ", then ";
        t << fsBold << "Noisier instrument" >> fsBold;
        t << ", and watch the false-alarm probability below the plot rise; ";
        t << fsBold << "My run again" >> fsBold << " brings your own run back.";
        break;
    case q::AliasPage:
        t << fsBold << "Aliases" >> fsBold;
        t << "\n\nThe star is measured only at night, at about the same hour. Tick ";
        t << fsBold << "Show the window function" >> fsBold;
        t << ": the grey curve is the periodogram of the nights alone, and it peaks at a "
             "period of 1 day. Every signal is echoed by that peak: a planet of period ";
        t << fsItalic << "P" >> fsItalic;
        t << " also makes peaks, called ";
        t << fsItalic << "aliases" >> fsItalic;
        t << ", at 1/|1/";
        t << fsItalic << "P" >> fsItalic << " − 1| and 1/(1/";
        t << fsItalic << "P" >> fsItalic;
        t << " + 1) days. An alias can even stand higher than the true peak; folding and "
             "fitting tell them apart.";
        break;
    case q::FoldPage:
        t << fsBold << "Folding" >> fsBold;
        t << "\n\nFolding puts every measurement at its phase: its time since the first "
             "measurement divided by the trial period, keeping only the fraction. On the right period the points of every orbit "
             "fall onto one curve, and the phases from 1 to 1.2 repeat those from 0 to 0.2.\n\n"
             "Type a period beside ";
        t << fsBold << "Fold on" >> fsBold << ", or press ";
        t << fsBold << "The peak" >> fsBold << " or ";
        t << fsBold << "Peak × 1.1" >> fsBold << ".";
        break;
    case q::FitPage:
        t << fsBold << "The fit" >> fsBold;
        t << "\n\nA planet on an eccentric orbit moves its star in a curve sharper than a "
             "sine. On the ";
        t << fsBold << "By hand" >> fsBold;
        t << " tab the points are folded on the period the sliders set, so that one orbit "
             "shows: move the period until the points gather into one curve, then the others "
             "until the green curve runs through them and the rms is small (Page Up and Page "
             "Down move a slider in big steps). On the ";
        t << fsBold << "Fit" >> fsBold;
        t << " tab the book has done it properly: starting from the periodogram's highest "
             "peaks it adjusts ";
        t << fsItalic << "P" >> fsItalic << ", ";
        t << fsItalic << "K" >> fsItalic << ", ";
        t << fsItalic << "e" >> fsItalic << ", ω, the time of periastron and the star's mean "
             "velocity, each point weighed by its error. It also finds the star's jitter, the "
             "scatter the error bars leave unexplained, and adds it to every error, so the "
             "reduced χ² comes out near 1.";
        break;
    case q::MassPage:
        // K = 28.4329 m/s for one Jupiter mass on a one-year circular orbit about one solar
        // mass: Lovis & Fischer 2010, in Exoplanets (ed. Seager), eq. 14.
        t << fsBold << "Weighing the planet" >> fsBold;
        t << "\n\nFor a planet much lighter than its star of mass ";
        t << fsItalic << "M" >> fsItalic << "★";
        t << ",\n\n   ";
        WriteMassTimesSine(t);
        t << " ≈ (";
        t << fsItalic << "K" >> fsItalic << " / 28.4 m/s) √(1 − ";
        t << fsItalic << "e" >> fsItalic << fsSuperscript << "2" >> fsSuperscript << ")\n"
          << "      × (";
        t << fsItalic << "P" >> fsItalic << " / 365.25 d)" << fsSuperscript << "1/3" >>
            fsSuperscript;
        t << " (";
        t << fsItalic << "M" >> fsItalic << "★ / 1 solar mass)" << fsSuperscript << "2/3" >>
            fsSuperscript;
        t << "\n\nin Jupiter masses. The star's mass is under the measurements; ";
        t << fsBold << "Tools, Calculator" >> fsBold;
        t << " helps. The tilt ";
        WriteInclination(t);
        t << " of the orbit is unknown, so the velocity gives only ";
        WriteMassTimesSine(t);
        t << ", the least the planet's mass can be.";
        break;
    case q::SecondPlanetPage:
        t << fsBold << "Another planet?" >> fsBold;
        t << "\n\nTake the fitted curve away and what is left, the residuals, may hide a second "
             "planet. An extra planet always fits the noise a little better, so the book's "
             "one- and two-planet fits are compared by\n\n   BIC = −2 ln ";
        t << fsItalic << "L" >> fsItalic << " + ";
        t << fsItalic << "k" >> fsItalic << " ln ";
        t << fsItalic << "N" >> fsItalic;
        t << "\n\nfor ";
        t << fsItalic << "k" >> fsItalic << " parameters and ";
        t << fsItalic << "N" >> fsItalic;
        t << " measurements (−2 ln ";
        t << fsItalic << "L" >> fsItalic;
        t << " is χ² plus a charge for the jitter): the lower, the better. ΔBIC, below the "
             "residuals' plot, is the two-planet BIC less the one-planet BIC. The second planet "
             "is supported only when it lowers the BIC by more than 10 (ΔBIC below −10); a "
             "rise (ΔBIC above 0) means one planet is enough.";
        break;
    case q::RealDataPage:
        // 51 Pegasi b: Mayor & Queloz 1995, Nature 378, 355. The data's papers are those the
        // bundled files' headers name.
        t << fsBold << "Real data: 51 Pegasi" >> fsBold;
        t << "\n\nNow a real star. The Data tab shows published velocities of 51 Pegasi, "
             "an instrument a plot: LICK, from Lick Observatory (Butler et al. 2006, ApJ 646, "
             "505), and ELODIE, from Haute-Provence (Naef et al. 2004, A&A 414, 351). Each "
             "instrument measures from a zero point of its own, so the book takes each one's "
             "zero point off before the periodogram. An instrument's jitter is a scatter, not "
             "an offset, so it cannot be taken off: the fit adds it to that instrument's error "
             "bars.";
        break;
    case q::RealMassPage:
        t << fsBold << "Weighing 51 Peg b" >> fsBold;
        t << "\n\nThe Fit tab shows one planet fitted to both instruments at once, each with "
             "its own zero point and jitter, and every point at its time since periastron: "
             "years of nights fall onto one orbit. The star's mass is on the Data tab, "
             "under the measurements. Weigh the planet as on page 8 of this chapter.";
        break;
    case q::PageCount:
        // 51 Pegasi b: Mayor & Queloz 1995, Nature 378, 355.
        t << fsBold << "How planets are found" >> fsBold;
        t << "\n\nMeasuring a star on a few dozen nights, searching the periodogram, ruling out "
             "false alarms and aliases, folding, fitting and weighing: this is how 51 Pegasi b, "
             "the first planet found around a star like the Sun, was found in 1995, and how "
             "most planets since have been found by their stars' velocity.\n\nThe Data "
             "tab now shows your own star again with, in red, the curve of the planets the book "
             "hid around it, and their true values beside your answers. How close did you come?";
        break;
    default:
        break;
    }
    if (const q::TQuestion* question = q::QuestionOn(Page))
        t << "\n\n" << fsBold << question->label >> fsBold;
    t.SetSelStart(0);
}
