// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Application.h"

#include "TForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QVBoxLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <cstdio>

namespace {

class InteractiveHook final : public DialogHook {
public:
    void showMessage(const AnsiString& text) override {
        QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(Application::Title()),
                        QString::fromStdString(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        // Messages quote files, names and fields; none is meant as markup.
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    int showModal(TForm& form) override { return form.ExecModal(); }
    void showException(const AnsiString& message) override {
        // Also for the log of a book started from a desktop entry, where no one may see the box.
        std::fprintf(stderr, "%s: %s\n", Application::Title().c_str(), message.c_str());
        std::fflush(stderr);
        QMessageBox box(QMessageBox::Critical, QString::fromStdString(Application::Title()),
                        QString::fromStdString(message), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    bool printDialog(QPrinter& printer, TPrintOptions& options) override {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        QCheckBox* onWhite = nullptr;
        if (options.OffersOnWhite) {
            auto* tab = new QWidget;
            tab->setWindowTitle("Book");
            onWhite = new QCheckBox("Print on &white", tab);
            onWhite->setToolTip("Prints the black orbit view on white paper, its lines dark.");
            onWhite->setChecked(options.OnWhite);
            auto* layout = new QVBoxLayout(tab);
            layout->addWidget(onWhite);
            layout->addStretch();
            dialog.setOptionTabs({tab});
        }
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (onWhite)
            options.OnWhite = onWhite->isChecked();
        return true;
    }
};

InteractiveHook interactiveHook;
DialogHook* currentHook = &interactiveHook;
AnsiString title;
TForm* mainForm = nullptr;

} // namespace

namespace Application {

void SetTitle(const AnsiString& t) {
    title = t;
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(QString::fromStdString(t));
}

const AnsiString& Title() { return title; }

void SetMainForm(TForm* form) { mainForm = form; }
TForm* MainForm() { return mainForm; }

DialogHook* SetDialogHook(DialogHook* hook) {
    DialogHook* previous = currentHook == &interactiveHook ? nullptr : currentHook;
    currentHook = hook ? hook : &interactiveHook;
    return previous;
}

void ShowMessage(const AnsiString& text) { currentHook->showMessage(text); }
int ShowModal(TForm& form) { return currentHook->showModal(form); }

namespace {

void WriteToStandardError(const char* message, const char* failure) noexcept {
    std::fprintf(stderr, "%s: %s\n(The error could not be shown: %s.)\n", Title().c_str(), message,
                 failure);
    std::fflush(stderr);
}

// The exception display must not fail in turn and end the program: when it throws (a hook,
// or memory running out while the message box is built) the message goes to standard error
// and the program carries on. Only C strings here, which need no memory.
void Display(const char* message) noexcept {
    try {
        currentHook->showException(message);
    } catch (const std::exception& e) {
        WriteToStandardError(message, e.what());
    } catch (...) {
        WriteToStandardError(message, "an unknown error");
    }
}

} // namespace

void ShowException(const std::exception& e) { Display(e.what()); }
bool RunPrintDialog(QPrinter& printer, TPrintOptions& options) {
    return currentHook->printDialog(printer, options);
}

void HandleException() {
    try {
        throw;
    } catch (const std::exception& e) {
        Display(e.what());
    } catch (...) {
        Display("Unknown error");
    }
}

} // namespace Application
