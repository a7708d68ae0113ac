#include "TAboutBox.h"

#include "colourmatch.h"
#include "forms/AboutBoxForm.h"

#include "DataFileText.h"
#include "TRichEditControl.h"

TAboutBox::TAboutBox(QWidget* owner) : TForm(owner) {
    // The form-created handler runs while the form is built, before the rest of the
    // constructor, as the platform does for this dialog.
    DefineAboutBoxForm(*this);
    FormCreate();
    SetCaption("About " + Application::Title());
    Notebook->setCurrentIndex(0);
    StreamInDataFile(*rtfCredits, "Copyrght.rtf");
    StreamInDataFile(*rtfContacts, "Contacts.rtf");
    SetColor(DisplayColour(239, 232, 255));
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::FormCreate() { SetColor(DisplayColour(240, 242, 247)); }

void TAboutBox::btnOKClick() { SetModalResult(mrOk); }

void TAboutBox::btnPageClick(QObject* sender) {
    if (auto* button = dynamic_cast<oCustomButton*>(sender))
        Notebook->setCurrentIndex(button->Tag);
}
