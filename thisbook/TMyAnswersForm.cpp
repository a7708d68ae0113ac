// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "thisbook/TMyAnswersForm.h"

#include "Application.h"
#include "Printing.h"
#include "forms/MyAnswersForm.h"
#include "thisbook/AnswerReport.h"
#include "thisbook/TThisBook.h"

#include <QLineEdit>
#include <QTextBrowser>
#include <QTextDocument>

TMyAnswersForm::TMyAnswersForm(TThisBook& book) : TForm(&book), book_(book) {
    DefineMyAnswersForm(*this);
    NameEdit->setText(QString::fromStdString(book_.StudentName));
    ShowReport();
}

void TMyAnswersForm::ShowReport() {
    ReportBox->setHtml(AnswerReportHtml(book_.StudentName, book_.StudentWork()));
}

void TMyAnswersForm::NameEditChange() {
    book_.StudentName = NameEdit->text().simplified().toStdString();
    ShowReport();
}

void TMyAnswersForm::PrintButtonClick() {
    TPrintOptions options; // the answers have no dark pictures
    if (!ExecutePrintDialog(book_.Printer(), options))
        return;
    try {
        PrintDocument(*AnswerReport(book_.StudentName, book_.StudentWork()), QPageLayout::Portrait,
                      book_.Printer());
    } catch (const std::exception& e) {
        Application::ShowException(e);
    }
}

void TMyAnswersForm::CloseButtonClick() { SetModalResult(mrOk); }
