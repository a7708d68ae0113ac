// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The page texts of "Finding a planet". They state nothing that depends on the student's run:
// the numbers of the run are written beside the views, so a printed copy of the chapter is
// true of every seed.
#include "TFindingPlanet.h"

#include "BookText.h"
#include "FindingPlanetQuestions.h"
#include "PageText.h"
#include "RichEditWriter.h"
#include "model/observing/HiddenSystems.h"
#include "oRichEdit.h"

namespace q = findingplanet;

void TFindingPlanet::WritePageText() {
    oRichEdit& t = *TextBox;
    t.Clear();
    switch (Page) {
    case 1:
        t << *HeadingFont << BookText("Chapter 6: Finding a planet", "Finding a planet")
          << *BodyFont << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "In the simulation you could watch the star's velocity all the "
                                "time. An astronomer cannot. A star is measured only on clear "
                                "nights, in the months when it is up at night: a few dozen "
                                "velocities in a season. Each has an error, the instrument's "
                                "precision, and the star's restless surface adds a "
                                "<i>jitter</i> of a few m/s that no instrument removes."));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "The plot on the right shows such measurements, each with its "
                                "error bar, of a star whose planet you do not know yet."));
        break;
    case q::ObservePage:
        t << fsBold << BookText("Chapter 6: Finding a planet", "Your star") >> fsBold << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "The book has hidden a planet around this star. The "
                                "<b>seed</b> below the plot picks the star and the nights: note "
                                "it, and your teacher can make the very same measurements. Type "
                                "another seed and press <b>Observe</b> for another star.",
                                "Observe: the caption of the button"));
        t << "\n\n";
        WriteMarked(
            t, BookText("Chapter 6: Finding a planet", "Look at the points before you answer."));
        break;
    case q::PeakPage:
        t << fsBold << BookText("Chapter 6: Finding a planet", "The periodogram") >> fsBold
                                                                                         << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "For every trial period from half a day to the length of the "
                                "run, the periodogram fits a sine of that period to the "
                                "measurements and plots how much of their scatter it explains: "
                                "its <i>power</i>, from 0 to 1. A planet shows as a high, narrow "
                                "peak at its period.",
                                "period of a signal; power of the periodogram"));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "The red marker shows the highest peak. The narrower a peak, the "
                                "better it fixes the period: its half width is written below the "
                                "plot. An answer within the half width counts, so give the "
                                "period to as many decimals as the half width has.",
                                "period of a signal"));
        break;
    case q::FalseAlarmPage:
        t << fsBold << BookText("Chapter 6: Finding a planet", "False alarms") >> fsBold << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "Noise alone makes peaks too: among thousands of trial periods, "
                                "a sine fits random numbers a little at some of them. The "
                                "<i>false-alarm probability</i> is the chance that noise alone "
                                "would raise a peak as high as the highest one anywhere in the "
                                "search. Astronomers trust a peak when it is below about 1 %.",
                                "periods of a signal"));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "Press <b>Only 12 nights</b>, then <b>Noisier instrument</b>, "
                                "and watch the false-alarm probability below the plot rise; "
                                "<b>My run again</b> brings your own run back.",
                                "Only 12 nights, Noisier instrument, My run again: the captions "
                                "of the buttons"));
        break;
    case q::AliasPage:
        t << fsBold << BookText("Chapter 6: Finding a planet", "Aliases") >> fsBold << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "The star is measured only at night, at about the same hour. "
                                "Tick <b>Show the window function</b>: the grey curve is the "
                                "periodogram of the nights alone, and it peaks at a period of 1 "
                                "day. Every signal is echoed by that peak: a planet of period "
                                "<i>P</i> also makes peaks, called <i>aliases</i>, at "
                                "1/|1/<i>P</i> − 1| and 1/(1/<i>P</i> + 1) days. An alias can "
                                "even stand higher than the true peak; folding and fitting tell "
                                "them apart.",
                                "Show the window function: the caption of the check box; period "
                                "of a signal"));
        break;
    case q::FoldPage:
        t << fsBold << BookText("Chapter 6: Finding a planet", "Folding") >> fsBold << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "Folding puts every measurement at its phase: its time since the "
                                "first measurement divided by the trial period, keeping only the "
                                "fraction. On the right period the points of every orbit fall "
                                "onto one curve, and the phases from 1 to 1.2 repeat those from "
                                "0 to 0.2.",
                                "period of a signal"));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "Type a period beside <b>Fold on</b>, or press <b>The peak</b> "
                                "or <b>Peak × 1.1</b>.",
                                "Fold on: the caption beside the box; The peak, Peak × 1.1: the "
                                "captions of the buttons"));
        break;
    case q::FitPage:
        t << fsBold << BookText("Chapter 6: Finding a planet", "The fit") >> fsBold << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "A planet on an eccentric orbit moves its star in a curve "
                                "sharper than a sine. On the <b>By hand</b> tab the points are "
                                "folded on the period the sliders set, so that one orbit shows: "
                                "move the period until the points gather into one curve, then "
                                "the others until the green curve runs through them and the rms "
                                "is small (Page Up and Page Down move a slider in big steps). On "
                                "the <b>Fit</b> tab the book has done it properly: starting from "
                                "the periodogram's highest peaks it adjusts <i>P</i>, <i>K</i>, "
                                "<i>e</i>, ω, the time of periastron and the star's mean "
                                "velocity, each point weighed by its error. It also finds the "
                                "star's jitter, the scatter the error bars leave unexplained, "
                                "and adds it to every error, so the reduced χ² comes out near 1.",
                                "By hand, Fit: the captions of the tabs; Page Up, Page Down: the "
                                "keys; period of the orbit"));
        break;
    case q::MassPage:
        // K = 28.4329 m/s for one Jupiter mass on a one-year circular orbit about one solar
        // mass: Lovis & Fischer 2010, in Exoplanets (ed. Seager), eq. 14.
        t << fsBold << BookText("Chapter 6: Finding a planet", "Weighing the planet") >>
            fsBold << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "For a planet much lighter than its star of mass <i>M</i>★,",
                                "the sentence goes on after the formula below it"));
        t << "\n\n   ";
        WriteMarkedWith(t,
                        BookText("Chapter 6: Finding a planet",
                                 "%1 ≈ (<i>K</i> / 28.4 m/s) √(1 − <i>e</i><sup>2</sup>)\n"
                                 "      × (<i>P</i> / 365.25 d)<sup>1/3</sup> (<i>M</i>★ / 1 "
                                 "solar mass)<sup>2/3</sup>",
                                 "a formula: %1 is the product m sin i; d stands for days"),
                        {WriteMassTimesSine});
        t << "\n\n";
        WriteWithInclination(t, BookText("Chapter 6: Finding a planet",
                                         "in Jupiter masses. The star's mass is under the "
                                         "measurements; <b>Tools, Calculator</b> helps. The tilt "
                                         "%1 of the orbit is unknown, so the velocity gives only "
                                         "%2, the least the planet's mass can be.",
                                         "ends the sentence before the formula above it; Tools, "
                                         "Calculator: the menu and its entry; %1 is the "
                                         "inclination's symbol, an italic i; %2 the product m "
                                         "sin i"));
        break;
    case q::SecondPlanetPage:
        t << fsBold << BookText("Chapter 6: Finding a planet", "Another planet?") >> fsBold
                                                                                         << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "Take the fitted curve away and what is left, the residuals, may "
                                "hide a second planet. An extra planet always fits the noise a "
                                "little better, so the book's one- and two-planet fits are "
                                "compared by",
                                "the sentence goes on after the formula below it"));
        // The formula has no words to translate.
        t << "\n\n   BIC = −2 ln " << fsItalic << "L" >> fsItalic << " + " << fsItalic << "k" >>
            fsItalic << " ln " << fsItalic << "N" >> fsItalic << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "for <i>k</i> parameters and <i>N</i> measurements (−2 ln "
                                "<i>L</i> is χ² plus a charge for the jitter): the lower, the "
                                "better. ΔBIC, below the residuals' plot, is the two-planet BIC "
                                "less the one-planet BIC. The second planet is supported only "
                                "when it lowers the BIC by more than 10 (ΔBIC below −10); a "
                                "rise (ΔBIC above 0) means one planet is enough.",
                                "ends the sentence before the formula above it"));
        break;
    case q::RealDataPage:
        // 51 Pegasi b: Mayor & Queloz 1995, Nature 378, 355. The data's papers are those the
        // bundled files' headers name.
        t << fsBold << BookText("Chapter 6: Finding a planet", "Real data: 51 Pegasi") >>
            fsBold << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "Now a real star. The Data tab shows published velocities of 51 "
                                "Pegasi, an instrument a plot: LICK, from Lick Observatory "
                                "(Butler et al. 2006, ApJ 646, 505), and ELODIE, from "
                                "Haute-Provence (Naef et al. 2004, A&amp;A 414, 351). Each "
                                "instrument measures from a zero point of its own, so the book "
                                "takes each one's zero point off before the periodogram. An "
                                "instrument's jitter is a scatter, not an offset, so it cannot "
                                "be taken off: the fit adds it to that instrument's error bars.",
                                "Data: the caption of the tab; LICK and ELODIE are the "
                                "instruments' names"));
        break;
    case q::RealMassPage:
        t << fsBold << BookText("Chapter 6: Finding a planet", "Weighing 51 Peg b") >>
            fsBold << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "The Fit tab shows one planet fitted to both instruments at "
                                "once, each with its own zero point and jitter, and every point "
                                "at its time since periastron: years of nights fall onto one "
                                "orbit. The star's mass is on the Data tab, under the "
                                "measurements. Weigh the planet as on page 8 of this chapter.",
                                "Fit, Data: the captions of the tabs"));
        break;
    case q::EccentricityPage:
        t << fsBold << BookText("Chapter 6: Finding a planet", "How sure is e?") >> fsBold
                                                                                  << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "A fit's ± σ takes the orbits that fit about as well as the best "
                                "one to spread like a bell curve about it. For a weak planet they "
                                "need not. On the right, a made-up star: the book fits its planet "
                                "as on the Fit tab, then draws thousands of orbits that fit the "
                                "measurements about as well, as <b>How sure?</b> in the observing "
                                "window does, and counts their <i>e</i> in the histogram.",
                                "How sure?: the entry of the observing window's File menu"));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "The shaded band holds the middle 68 % of the orbits; the red line "
                                "and bar are the fit's <i>e</i> ± σ. An orbit with <i>e</i> below "
                                "0.1 is hardly told from a circle."));
        break;
    case q::PageCount:
        // 51 Pegasi b: Mayor & Queloz 1995, Nature 378, 355.
        t << fsBold << BookText("Chapter 6: Finding a planet", "How planets are found") >>
            fsBold << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "Measuring a star on a few dozen nights, searching the "
                                "periodogram, ruling out false alarms and aliases, folding, "
                                "fitting and weighing: this is how 51 Pegasi b, the first planet "
                                "found around a star like the Sun, was found in 1995, and how "
                                "most planets since have been found by their stars' velocity."));
        t << "\n\n";
        WriteMarked(t, BookText("Chapter 6: Finding a planet",
                                "The Data tab now shows your own star again with, in red, the "
                                "curve of the planets the book hid around it, and their true "
                                "values beside your answers. How close did you come?",
                                "Data: the caption of the tab"));
        break;
    default:
        break;
    }
    if (const q::TQuestion* question = q::QuestionOn(Page))
        t << "\n\n" << fsBold << BookText("Chapter 6: Finding a planet", question->label) >> fsBold;
    t.SetSelStart(0);
}
