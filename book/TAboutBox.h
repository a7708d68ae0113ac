// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The About box: a title page, the acknowledgements, the contact details and the credits of
// the published measurements that come with the book, switched by four buttons. Each Help,
// About makes a new one, which opens on the title page.

#include "TForm.h"
#include "TImage.h"
#include "TImageList.h"
#include "oBitBtn.h"

#include <QLabel>
#include <QStackedWidget>
#include <memory>

class TRichEditControl;

class TAboutBox : public TForm {
public:
    // Loads "Copyrght.rtf" and "Contacts.rtf"; raises EFOpenError when one is missing. The
    // data page says so itself when the measurements' files are missing.
    explicit TAboutBox(QWidget* owner);
    ~TAboutBox() override;

    QStackedWidget* Notebook = nullptr;
    TImage* Image1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright = nullptr;
    TRichEditControl* rtfCredits = nullptr;
    TRichEditControl* rtfContacts = nullptr;
    TRichEditControl* rtfData = nullptr;
    oBitBtn* btnOK = nullptr;
    oBitBtn* CopyRightButton = nullptr;
    oBitBtn* AcknowlButton = nullptr;
    oBitBtn* ContactButton = nullptr;
    oBitBtn* DataButton = nullptr;
    std::unique_ptr<TImageList> ImageList1;
    std::unique_ptr<TImageList> ImageList2;

    void FormCreate();
    void btnOKClick();
    void btnPageClick(QObject* sender);
};
