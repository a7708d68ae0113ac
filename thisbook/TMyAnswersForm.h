// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// File, My answers: the student's name, asked here once and kept by the book, and the
// student's answers as they will print; Print sends them to the printer or a PDF file.

#include "TForm.h"

class QLineEdit;
class QPushButton;
class QTextBrowser;
class TThisBook;

class TMyAnswersForm : public TForm {
public:
    explicit TMyAnswersForm(TThisBook& book);

    QLineEdit* NameEdit = nullptr;
    QTextBrowser* ReportBox = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* CloseButton = nullptr;

    void NameEditChange();
    void PrintButtonClick();
    void CloseButtonClick();

private:
    void ShowReport();

    TThisBook& book_;
};
