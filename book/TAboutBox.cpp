// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TAboutBox.h"

#include "BookText.h"

#include "BundledDataCredits.h"
#include "colourmatch.h"
#include "forms/AboutBoxForm.h"

#include "DataFileText.h"
#include "TRichEditControl.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Empty paragraphs and the space after the last one are no content, yet they count in the
// text's height: left in, a page that fits shows a scroll bar.
void DropTrailingSpace(TRichEditControl& box) {
    QTextDocument& doc = *box.document();
    QTextCursor c(&doc);
    c.movePosition(QTextCursor::End);
    while (doc.blockCount() > 1 && c.block().text().trimmed().isEmpty()) {
        c.deletePreviousChar();
        c.movePosition(QTextCursor::End);
    }
    QTextBlockFormat last = c.blockFormat();
    last.setBottomMargin(0);
    c.setBlockFormat(last);
}

} // namespace

TAboutBox::TAboutBox(QWidget* owner) : TForm(owner) {
    // The form-created handler runs while the form is built, before the rest of the
    // constructor, as the platform does for this dialog.
    DefineAboutBoxForm(*this);
    FormCreate();
    SetCaption(BookText("About", "About %1").arg(QString::fromStdString(Application::Title())).toStdString());
    Notebook->setCurrentIndex(0);
    StreamInDataFile(*rtfCredits, "Copyrght.rtf");
    StreamInDataFile(*rtfContacts, "Contacts.rtf");
    rtfData->StreamIn(BundledDataCreditsRtf());
    for (TRichEditControl* box : {rtfCredits, rtfContacts, rtfData})
        DropTrailingSpace(*box);
    SetColor(DisplayColour(239, 232, 255));
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::FormCreate() { SetColor(DisplayColour(240, 242, 247)); }

void TAboutBox::btnOKClick() { SetModalResult(mrOk); }

void TAboutBox::btnPageClick(QObject* sender) {
    if (auto* button = dynamic_cast<oCustomButton*>(sender))
        Notebook->setCurrentIndex(button->Tag);
}
