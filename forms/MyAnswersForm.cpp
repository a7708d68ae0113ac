// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "MyAnswersForm.h"

#include "BookText.h"
#include "thisbook/TMyAnswersForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>

void DefineMyAnswersForm(TMyAnswersForm& f) {
    f.SetFont(TFont("Arial", -13));
    f.SetClientSize(560, 520);
    f.SetBorderStyle(bsDialog);
    f.SetCentred(true);
    f.setWindowTitle(BookText("My answers", "My answers"));

    auto* nameCaption = new QLabel(BookText("My answers", "Your &name:"), &f);
    // As wide as a language's words need, the name's box taking what is left.
    const int captionWidth = std::max(90, nameCaption->sizeHint().width());
    nameCaption->setGeometry(12, 14, captionWidth, 22);
    f.NameEdit = new QLineEdit(&f);
    f.NameEdit->setGeometry(14 + captionWidth, 12, 534 - captionWidth, 26);
    f.NameEdit->setMaxLength(80);
    nameCaption->setBuddy(f.NameEdit);
    QObject::connect(f.NameEdit, &QLineEdit::textEdited, [&f] { f.NameEditChange(); });

    f.ReportBox = new QTextBrowser(&f);
    f.ReportBox->setGeometry(12, 48, 536, 416);
    f.ReportBox->setAccessibleName(BookText("My answers", "My answers"));

    f.PrintButton = new QPushButton(BookText("My answers", "&Print..."), &f);
    f.PrintButton->setGeometry(356, 476, 90, 32);
    QObject::connect(f.PrintButton, &QPushButton::clicked, [&f] { f.PrintButtonClick(); });
    f.CloseButton = new QPushButton(BookText("My answers", "Close"), &f);
    f.CloseButton->setGeometry(458, 476, 90, 32);
    f.CloseButton->setDefault(true);
    QObject::connect(f.CloseButton, &QPushButton::clicked, [&f] { f.CloseButtonClick(); });
}
