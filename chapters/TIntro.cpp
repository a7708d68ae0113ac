// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TIntro.h"

#include "BookText.h"
#include "RichEditWriter.h"
#include "oRichEdit.h"

TIntro::TIntro(TCustomBook* owner) : TThisChapter(owner) {
    SetCaption(BookText("Chapter 1: Doppler spectroscopy", "Doppler spectroscopy").toStdString());
    TextBox->setGeometry(26, 26, 410, 484);
    PageCount = PageTotal = 1;
}

void TIntro::ShowPage() { WritePageText(); }

void TIntro::WritePageText() {
    oRichEdit& t = *TextBox;
    t.Clear();
    t << *HeadingFont << BookText("Chapter 1: Doppler spectroscopy", "Doppler spectroscopy") + " ";
    t << *BodyFont << "\n\n";
    WriteMarked(t, BookText("Chapter 1: Doppler spectroscopy",
                            "Light and other radiation from a moving object, such as a star, is "
                            "shifted in wavelength. When the star moves away from us its light is "
                            "stretched to longer, redder wavelengths; when it approaches, the "
                            "light is compressed to shorter, bluer wavelengths. The size of the "
                            "shift is proportional to the star's <b>radial velocity</b> "
                            "(<i>v<sub>r</sub></i>) the speed at which the star is moving "
                            "towards or away from the observer. This kind of shift in wavelength "
                            "is known as the <b>Doppler effect.</b>"));
    // The blank line keeps the bold of the sentence it ends, as the page has always written it.
    t << fsBold << "\n\n" >> fsBold;
    WriteMarked(t, BookText("Chapter 1: Doppler spectroscopy",
                            "Modern instruments measure the wavelength of a line in a star's "
                            "spectrum very precisely. Comparing it with the wavelength of the "
                            "same line measured in the laboratory gives the star's radial "
                            "velocity. Once the effects of the Earth's own orbit around the Sun "
                            "and of the star's steady motion through space are removed, any "
                            "periodic variation that remains means the star is orbiting with an "
                            "unseen companion. The companion is often another star, but "
                            "sometimes it is a planet. This way of finding unseen companions is "
                            "often called<b> Doppler spectroscopy.</b>"));
    t.SetSelStart(0);
}

void TIntro::WriteTeacherNotes(TRichEditControl& t) {
    WriteMarked(
        t, BookText("Teacher's guide", "<b>Aims: </b>the Doppler effect of light; that a star and "
                                       "its planet orbit their common centre of mass, so an unseen "
                                       "planet shows in the periodic shift of its star's lines."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Misconceptions: </b>that the planet is seen or its own light "
                            "measured; that the star stands still while the planet orbits it; that "
                            "a shift to the red means a redder star."));
    t << "\n";
    WriteMarked(
        t, BookText(
               "Teacher's guide",
               "<b>Lesson: </b>about 20 minutes. Prerequisites: waves, wavelength and frequency."));
    t << "\n";
    WriteMarked(t, BookText("Teacher's guide",
                            "<b>Support: </b>first let the class hear the Doppler effect of sound: "
                            "a siren or a phone on a string passing by."));
    t << "\n";
    WriteMarked(t,
                BookText("Teacher's guide", "<b>Extension: </b>how far does a speed of 10 m/s "
                                            "shift a line at 500 nm? (λ v / c = 1.7 × 10⁻⁵ nm.)"));
    t << "\n";
}
