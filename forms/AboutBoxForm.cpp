// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "AboutBoxForm.h"

#include "Artwork.h"
#include "BookText.h"
#include "book/TAboutBox.h"

#include "TRichEditControl.h"
#include "WidgetColour.h"

namespace {

QLabel* centredLabel(QWidget* page, const QString& text, int top, int height, int pixelSize) {
    auto* label = new QLabel(text, page);
    label->setGeometry(0, top, 632, height);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(TFont("Arial", -pixelSize, clBlack).toQFont());
    SetWidgetTextColour(*label, clBlack);
    return label;
}

TRichEditControl* textPage(QWidget* page, const QString& name) {
    auto* box = new TRichEditControl(page);
    box->setAccessibleName(name);
    box->setGeometry(14, 8, 605, 385);
    box->setFrameShape(QFrame::NoFrame);
    box->SetFont(TFont("Times New Roman", -16, clNavy));
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setFocusPolicy(Qt::NoFocus);
    SetWidgetColour(*box, RGB(219, 234, 232));
    return box;
}

oBitBtn* pageButton(TAboutBox& f, const QString& caption, int left, int tag, TImageList* faces) {
    auto* button = new oBitBtn(&f);
    button->setGeometry(left, 410, faces->Width(), 36);
    button->SetCaption(caption.toStdString());
    button->Tag = tag;
    button->SetImages(faces);
    button->NumGlyphs = 3;
    QObject::connect(button, &QPushButton::clicked, [&f, button] { f.btnPageClick(button); });
    return button;
}

} // namespace

void DefineAboutBoxForm(TAboutBox& f) {
    f.SetFont(TFont("Arial", -13));
    f.SetClientSize(633, 454);
    f.SetBorderStyle(bsDialog);
    f.SetCentred(true);

    f.Notebook = new QStackedWidget(&f);
    f.Notebook->setGeometry(0, 0, 633, 454);
    SetWidgetColour(*f.Notebook, RGB(219, 234, 232));
    auto* copyright = new QWidget;
    auto* credits = new QWidget;
    auto* contacts = new QWidget;
    auto* data = new QWidget;
    copyright->setObjectName("Copyright");
    credits->setObjectName("Credits");
    contacts->setObjectName("Contacts");
    data->setObjectName("Data");
    for (QWidget* page : {copyright, credits, contacts, data})
        f.Notebook->addWidget(page);

    f.Image1 = new TImage(copyright);
    f.Image1->setGeometry(1, 1, 124, 135);
    f.Image1->SetPicture(artwork::AboutPicture());
    f.lblTitle = centredLabel(copyright, BookText("About", "Doppler spectroscopy"), 160, 27, 24);
    f.lblVersion = centredLabel(copyright, BookText("About", "Version 1.0"), 192, 19, 19);
    f.lblCopyright =
        centredLabel(copyright, BookText("About", "Copyright \xC2\xA9 2026 The Doppler spectroscopy book authors"), 232,
                     19, 13);
    f.rtfCredits = textPage(credits, BookText("About", "Acknowledgements and copyright"));
    f.rtfContacts = textPage(contacts, BookText("About", "Contacts"));
    f.rtfData = textPage(data, BookText("About", "Published measurements"));

    f.ImageList1 = std::make_unique<TImageList>(150, 36);
    artwork::AddBlankFaces(*f.ImageList1, 3);
    f.ImageList2 = std::make_unique<TImageList>(63, 36);
    artwork::AddBlankFaces(*f.ImageList2, 3);

    f.btnOK = new oBitBtn(&f);
    f.btnOK->setGeometry(561, 410, 63, 36);
    f.btnOK->SetCaption(BookText("About", "OK").toStdString());
    f.btnOK->SetImages(f.ImageList2.get());
    f.btnOK->NumGlyphs = 3;
    f.btnOK->setDefault(true);
    QObject::connect(f.btnOK, &QPushButton::clicked, [&f] { f.btnOKClick(); });
    f.SetDefaultButton(f.btnOK);
    f.SetCancelButton(f.btnOK);

    f.CopyRightButton = pageButton(f, BookText("About", "Copyright"), 10, 0, f.ImageList1.get());
    f.AcknowlButton = pageButton(f, BookText("About", "Acknowledgements"), 170, 1, f.ImageList1.get());
    f.ContactButton = pageButton(f, BookText("About", "Contacts"), 330, 2, f.ImageList1.get());
    // The fourth page's button takes the OK button's narrow faces to fit in the row.
    f.DataButton = pageButton(f, BookText("About", "Data"), 490, 3, f.ImageList2.get());
    f.btnOK->setFocus();
}
