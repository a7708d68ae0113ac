// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "SpectrumForm.h"

#include "book/colourmatch.h"
#include "model/spectrum/Spectrum.h"
#include "spectrum/TSpectrumForm.h"
#include "spectrum/TSpectrumView.h"

#include "BookText.h"
#include "NumberText.h"
#include "Precondition.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

const TFont Arial13("Arial", -13, clWindowText);
const TFont Arial13Bold("Arial", -13, clWindowText, TFontStyles{}.with(fsBold));
const TFont Arial12("Arial", -12, clWindowText);

QLabel* label(TSpectrumForm& f, QRect place, const QString& text, const TFont& font) {
    auto* l = new QLabel(text, &f);
    l->setGeometry(place);
    l->setFont(font.toQFont());
    return l;
}

// One readout row: its caption and the value beside it.
void readout(TSpectrumForm& f, int top, const QString& caption, QLabel*& c, QLabel*& value) {
    c = label(f, QRect(16, top, 150, 20), caption, Arial13Bold);
    value = label(f, QRect(170, top, 474, 20), "", Arial13);
}

} // namespace

void DefineSpectrumForm(TSpectrumForm& f) {
    f.setWindowFlags(Qt::Window);
    f.SetCaption(BookText("Spectrum window", "Spectrum of the star").toStdString());
    f.SetBorderStyle(bsSingle);
    f.SetClientSize(660, 586);
    f.SetFont(TFont("Times New Roman", -16, clWindowText));
    f.SetColor(DisplayColour(213, 230, 227));
    f.setAccessibleName(BookText("Spectrum window", "Spectrum of the star"));

    f.StatusLabel = label(f, QRect(16, 8, 628, 20), "", Arial13Bold);
    f.StatusLabel->setStyleSheet("color: rgb(0, 0, 157)");

    f.View = new TSpectrumView(&f);
    f.View->setGeometry(16, 32, 628, 292);
    f.View->setAccessibleName(BookText("Spectrum window", "Spectrum of the star"));
    f.View->setAccessibleDescription(BookText(
        "Spectrum window",
        "The visible spectrum from 380 to 700 nm with its dark absorption lines, and a panel "
        "that magnifies the shift of one line, its rest wavelength marked by a dashed line."));

    f.LineLabel =
        label(f, QRect(16, 336, 70, 22), BookText("Spectrum window", "&Magnify:"), Arial13Bold);
    f.LineBox = new QComboBox(&f);
    f.LineBox->setGeometry(90, 334, 220, 26);
    f.LineBox->setFont(Arial13.toQFont());
    for (const spectrum::TLineGroup& group : spectrum::MagnifiedGroups()) {
        PRECONDITION(group.Count == 1 || group.Count == 2);
        const auto rest = [&group](int i) {
            return FixedText(spectrum::Lines()[std::size_t(group.First + i)].Rest_nm, 3);
        };
        const QString name = QString::fromUtf8(group.Name);
        f.LineBox->addItem(group.Count == 1 ? BookText("Spectrum window", "%1  (%2 nm)",
                                                       "a line and its rest wavelength")
                                                  .arg(name, rest(0))
                                            : BookText("Spectrum window", "%1  (%2, %3 nm)",
                                                       "a pair of lines and their rest wavelengths")
                                                  .arg(name, rest(0), rest(1)));
    }
    f.LineBox->setAccessibleName(BookText("Spectrum window", "Line to magnify"));
    f.LineLabel->setBuddy(f.LineBox);

    f.CloseButton = new QPushButton(BookText("Spectrum window", "&Close"), &f);
    f.CloseButton->setGeometry(564, 334, 80, 26);
    f.CloseButton->setFont(Arial13.toQFont());
    f.SetCancelButton(f.CloseButton);

    readout(f, 372, BookText("Spectrum window", "Radial velocity v"), f.VelocityCaption,
            f.VelocityValue);
    readout(f, 396, BookText("Spectrum window", "Line shift Δλ"), f.ShiftCaption, f.ShiftValue);
    readout(f, 420, BookText("Spectrum window", "Resolution element"), f.ResolutionCaption,
            f.ResolutionValue);

    f.Caption = label(f, QRect(16, 452, 628, 66), "", TFont("Times New Roman", -16, clWindowText));
    f.Caption->setWordWrap(true);
    f.Caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    f.MeasureNote = label(
        f, QRect(16, 522, 628, 54),
        BookText(
            "Spectrum window",
            "How so small a shift is really measured: one line's centre can be found to a small "
            "fraction of a resolution element only from a great deal of light, so thousands of "
            "lines are cross-correlated with a reference recorded through the same spectrograph "
            "at the same time (an iodine cell, a thorium–argon lamp or a laser frequency comb); "
            "the shift that best matches them all is found to a thousandth of an element."),
        Arial12);
    f.MeasureNote->setWordWrap(true);
    f.MeasureNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // As high as its lines need, the window taller where they reach its bottom margin.
    const int noteHeight = std::max(54, f.MeasureNote->heightForWidth(628));
    f.MeasureNote->setFixedHeight(noteHeight);
    f.SetClientSize(660, std::max(586, 522 + noteHeight + 8));

    QObject::connect(f.LineBox, &QComboBox::currentIndexChanged, [&f] { f.LineBoxChange(); });
    QObject::connect(f.CloseButton, &QPushButton::clicked, [&f] { f.CloseButtonClick(); });
}
