// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DialogRecorder.h"

#include "TForm.h"

DialogRecorder::DialogRecorder() : previous_(Application::SetDialogHook(this)) {}

DialogRecorder::~DialogRecorder() { Application::SetDialogHook(previous_); }

void DialogRecorder::showMessage(const AnsiString& text) { messages.push_back(text); }

int DialogRecorder::showModal(TForm& form) {
    modalForms.push_back(form.Caption());
    return answerModal ? answerModal(form) : int(mrCancel);
}

void DialogRecorder::showException(const AnsiString& message) { exceptions.push_back(message); }

bool DialogRecorder::printDialog(QPrinter& printer, TPrintOptions& options) {
    ++printDialogs;
    offeredOnWhite = options.OffersOnWhite;
    if (options.OffersOnWhite)
        options.OnWhite = answerOnWhite;
    return answerPrint ? answerPrint(printer) : false;
}
