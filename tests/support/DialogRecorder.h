// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Answers the application's dialogs during a test and records what was shown.

#include "Application.h"

#include <functional>
#include <string>
#include <vector>

class DialogRecorder : public DialogHook {
public:
    DialogRecorder();
    ~DialogRecorder() override;

    std::vector<std::string> messages;
    std::vector<std::string> exceptions;
    std::vector<std::string> modalForms; // captions of the forms shown modally
    // Decides a modal form's result; by default it is cancelled.
    std::function<int(TForm&)> answerModal;
    // Decides the print dialog; by default it is cancelled.
    std::function<bool(QPrinter&)> answerPrint;
    int printDialogs = 0;
    // Whether the last print dialog offered "Print on white", and the answer given to it.
    bool offeredOnWhite = false;
    bool answerOnWhite = false;

    void showMessage(const AnsiString& text) override;
    int showModal(TForm& form) override;
    void showException(const AnsiString& message) override;
    bool printDialog(QPrinter& printer, TPrintOptions& options) override;

private:
    DialogHook* previous_;
};
