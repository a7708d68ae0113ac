// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The dialog hook of the tools that drive the book unattended: dialogs never block the run;
// messages and errors are printed, the errors counted, and every dialog cancelled.
#pragma once

#include "Application.h"

#include <cstdio>

class PrintedDialogs : public DialogHook {
public:
    void showMessage(const AnsiString& text) override { std::printf("message: %s\n", text.c_str()); }
    int showModal(TForm&) override { return mrCancel; }
    void showException(const AnsiString& message) override {
        std::printf("error: %s\n", message.c_str());
        ++errors;
    }
    bool printDialog(QPrinter&, TPrintOptions&) override { return false; }
    int errors = 0;
};
