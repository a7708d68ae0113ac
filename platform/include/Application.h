// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The application object as the book uses it: title, main form, the standard
// exception display, and the user-facing dialogs routed through a replaceable hook
// so that tests can answer or record them instead of blocking.

#include "AnsiString.h"

#include <exception>

class QPrinter;
class TForm;

enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

// The choices the print dialog offers beside the printer's own settings.
struct TPrintOptions {
    // The dialog offers "Print on white".
    bool OffersOnWhite = false;
    // Dark pictures are printed on white: their black ground white, their light lines dark.
    bool OnWhite = false;
};

class DialogHook {
public:
    virtual ~DialogHook() = default;
    // A message box with an OK button.
    virtual void showMessage(const AnsiString& text) = 0;
    // Shows the form modally and returns its modal result.
    virtual int showModal(TForm& form) = 0;
    // The standard exception display.
    virtual void showException(const AnsiString& message) = 0;
    // The print dialog; true when the user chose to print with the printer's settings and
    // the options.
    virtual bool printDialog(QPrinter& printer, TPrintOptions& options) = 0;
};

namespace Application {

void SetTitle(const AnsiString& title);
const AnsiString& Title();

void SetMainForm(TForm* form);
TForm* MainForm();

// Installs a hook and returns the previous one; nullptr restores the interactive one.
DialogHook* SetDialogHook(DialogHook* hook);

void ShowMessage(const AnsiString& text);
int ShowModal(TForm& form);
void ShowException(const std::exception& e);
bool RunPrintDialog(QPrinter& printer, TPrintOptions& options);
// Shows the exception being handled; call only inside a catch block.
void HandleException();

} // namespace Application
