// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TAccessBox.h"

#include "BookText.h"

#include "BookSettings.h"
#include "colourmatch.h"
#include "forms/AccessBoxForm.h"

#include "Application.h"
#include "DataFileText.h"
#include "TRichEditControl.h"
#include "WidgetColour.h"

#include <QAccessible>

namespace {

TAccessBox* theAccessBox = nullptr;

} // namespace

TAccessBox* AccessBox() { return theAccessBox; }

TAccessBox::TAccessBox() : TForm(nullptr) {
    DefineAccessBoxForm(*this);
    StreamInDataFile(*rtfText, "Access.rtf");
    theAccessBox = this;
}

TAccessBox::~TAccessBox() {
    if (theAccessBox == this)
        theAccessBox = nullptr;
}

void TAccessBox::FormCreate() {
    SetColor(DisplayColour(213, 230, 227));
    TFont font = Font();
    font.Color = clBlack;
    SetFont(font);
    SetWidgetColour(*rtfText, Color());
    TabCheck->setChecked(QAccessible::isActive());
}

void TAccessBox::ForgetButtonClick() {
    if (const QString fault = ForgetBookSettings(BookSettingsFile()); !fault.isEmpty()) {
        Application::ShowMessage(fault.toStdString());
        return;
    }
    SettingsForgotten = true;
    ForgetButton->setText(BookText("Accessibility options", "Kept settings forgotten"));
    ForgetButton->setEnabled(false);
}
