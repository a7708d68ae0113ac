// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "NavPanelForm.h"

#include "Artwork.h"
#include "BookText.h"
#include "book/TNavPanel.h"

namespace {

// One arrow button: its group of four faces starts at `firstImage`; the caption is
// pushed off the face by leading spaces.
oBitBtn* arrowButton(TNavPanel& f, int left, int firstImage, const std::string& caption,
                     const QString& hint) {
    auto* button = new oBitBtn(&f);
    button->move(left, 3);
    button->SetImages(f.NavImages.get());
    button->ImageIndex = firstImage;
    button->NumGlyphs = 4;
    button->FocusMargin = 2;
    button->SetCaption(caption);
    button->SetHint(hint.toStdString());
    return button;
}

} // namespace

void DefineNavPanelForm(TNavPanel& f) {
    f.SetBorderStyle(bsNone);
    f.SetFont(TFont("MS Sans Serif", -11));
    f.resize(133, 42);
    f.setMinimumWidth(105);
    f.NavImages = std::make_unique<TImageList>(40, 36);
    artwork::AddNavFaces(*f.NavImages);

    f.BackButton =
        arrowButton(f, 11, 0,
                    std::string(33, ' ') +
                        BookText("Book window", "back", "turns to the page before").toStdString(),
                    BookText("Book window", "Click to move back"));
    QObject::connect(f.BackButton, &QPushButton::clicked, [&f] { f.BackButtonClick(); });
    f.NextButton =
        arrowButton(f, 51, 4,
                    std::string(27, ' ') +
                        BookText("Book window", "forward", "turns to the next page").toStdString(),
                    BookText("Book window", "Click to move forward"));
    QObject::connect(f.NextButton, &QPushButton::clicked, [&f] { f.NextButtonClick(); });

    f.resize(105, 42);
}
