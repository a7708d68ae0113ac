// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "AccessBoxForm.h"

#include "Artwork.h"
#include "BookText.h"
#include "book/TAccessBox.h"

#include "TRichEditControl.h"

#include <algorithm>
#include <initializer_list>

namespace {

oBitBtn* dialogButton(TAccessBox& f, const QString& caption, int left, int result) {
    auto* button = new oBitBtn(&f);
    button->setGeometry(left, 417, 63, 36);
    button->SetCaption(caption.toStdString());
    button->SetImages(f.ImageList2.get());
    button->NumGlyphs = 3;
    button->FocusMargin = 1;
    QObject::connect(button, &QPushButton::clicked, [&f, result] { f.SetModalResult(result); });
    return button;
}

} // namespace

void DefineAccessBoxForm(TAccessBox& f) {
    f.SetCaption(BookText("Accessibility options", "Accessibility options").toStdString());
    f.SetFont(TFont("Arial", -13));
    f.SetClientSize(379, 460);
    f.SetBorderStyle(bsDialog);
    f.SetCentred(true);

    f.rtfText = new TRichEditControl(&f);
    f.rtfText->setGeometry(6, 5, 367, 300);
    f.rtfText->setAccessibleName(BookText("Accessibility options", "About these options"));
    f.rtfText->setFrameShape(QFrame::NoFrame);
    f.rtfText->SetFont(TFont("Arial", -13, clNavy));
    f.rtfText->setReadOnly(true);
    f.rtfText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    f.WinCheck = new QCheckBox(BookText("Accessibility options", "Use system colours"), &f);
    f.WinCheck->setGeometry(17, 319, 237, 21);
    f.TabCheck = new QCheckBox(BookText("Accessibility options", "Include support for screen reader users"), &f);
    f.TabCheck->setGeometry(17, 347, 250, 21);
    f.ForgetButton = new QPushButton(BookText("Accessibility options", "&Forget kept settings"), &f);
    f.ForgetButton->setGeometry(17, 377, 200, 28);
    f.ForgetButton->setAccessibleDescription(
        BookText("Accessibility options", "Deletes the book's settings file; the book then keeps nothing when it closes."));
    QObject::connect(f.ForgetButton, &QPushButton::clicked, [&f] { f.ForgetButtonClick(); });
    // As wide as a language's words need, within the dialog.
    for (QWidget* control : std::initializer_list<QWidget*>{f.WinCheck, f.TabCheck, f.ForgetButton})
        control->resize(std::clamp(control->sizeHint().width(), control->width(), 379 - 2 * 17),
                        control->height());

    f.ImageList2 = std::make_unique<TImageList>(63, 36);
    artwork::AddBlankFaces(*f.ImageList2, 3);
    f.CancelButton = dialogButton(f, BookText("Accessibility options", "Cancel"), 102, mrCancel);
    f.OKButton = dialogButton(f, BookText("Accessibility options", "OK"), 213, mrOk);
    f.SetCancelButton(f.CancelButton);
    f.SetDefaultButton(f.OKButton);

    f.OnCreate = [&f] { f.FormCreate(); };
}
