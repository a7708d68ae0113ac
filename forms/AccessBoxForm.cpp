// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "AccessBoxForm.h"

#include "Artwork.h"
#include "book/TAccessBox.h"

#include "TRichEditControl.h"

namespace {

oBitBtn* dialogButton(TAccessBox& f, const char* caption, int left, int result) {
    auto* button = new oBitBtn(&f);
    button->setGeometry(left, 417, 63, 36);
    button->SetCaption(caption);
    button->SetImages(f.ImageList2.get());
    button->NumGlyphs = 3;
    button->FocusMargin = 1;
    QObject::connect(button, &QPushButton::clicked, [&f, result] { f.SetModalResult(result); });
    return button;
}

} // namespace

void DefineAccessBoxForm(TAccessBox& f) {
    f.SetCaption("Accessibility options");
    f.SetFont(TFont("Arial", -13));
    f.SetClientSize(379, 460);
    f.SetBorderStyle(bsDialog);
    f.SetCentred(true);

    f.rtfText = new TRichEditControl(&f);
    f.rtfText->setGeometry(6, 5, 367, 300);
    f.rtfText->setAccessibleName("About these options");
    f.rtfText->setFrameShape(QFrame::NoFrame);
    f.rtfText->SetFont(TFont("Arial", -13, clNavy));
    f.rtfText->setReadOnly(true);
    f.rtfText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    f.WinCheck = new QCheckBox("Use system colours", &f);
    f.WinCheck->setGeometry(17, 319, 237, 21);
    f.TabCheck = new QCheckBox("Include support for screen reader users", &f);
    f.TabCheck->setGeometry(17, 347, 250, 21);
    f.ForgetButton = new QPushButton("&Forget kept settings", &f);
    f.ForgetButton->setGeometry(17, 377, 200, 28);
    f.ForgetButton->setAccessibleDescription(
        "Deletes the book's settings file; the book then keeps nothing when it closes.");
    QObject::connect(f.ForgetButton, &QPushButton::clicked, [&f] { f.ForgetButtonClick(); });

    f.ImageList2 = std::make_unique<TImageList>(63, 36);
    artwork::AddBlankFaces(*f.ImageList2, 3);
    f.CancelButton = dialogButton(f, "Cancel", 102, mrCancel);
    f.OKButton = dialogButton(f, "OK", 213, mrOk);
    f.SetCancelButton(f.CancelButton);
    f.SetDefaultButton(f.OKButton);

    f.OnCreate = [&f] { f.FormCreate(); };
}
