// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TNavPanel.h"

#include "TCustomBook.h"
#include "forms/NavPanelForm.h"

TNavPanel::TNavPanel(TCustomBook* owner) : TForm(owner->Client) {
    DefineNavPanelForm(*this);
    Book = owner;
    hide();
    move(0, 510);
}

void TNavPanel::BackButtonClick() { Book->PageBack(); }

void TNavPanel::NextButtonClick() { Book->PageForward(); }
