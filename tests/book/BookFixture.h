// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A book window as start-up makes it, with its accessibility dialog, on the offscreen
// platform; dialogs are recorded instead of shown.

#include "DialogRecorder.h"
#include "book/TAccessBox.h"
#include "book/TCustomChapter.h"
#include "book/TNavPanel.h"
#include "thisbook/TThisBook.h"
#include "book/TThisChapter.h"

#include "TRichEditControl.h"
#include "oRichEdit.h"

#include "BookText.h"

#include <QApplication>
#include <QFrame>
#include <gtest/gtest.h>

class BookTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application::SetTitle(BookText("Book window", "Doppler spectroscopy").toStdString());
        book = CreateForm<TThisBook>();
        Application::SetMainForm(book);
        access = CreateForm<TAccessBox>();
        access->TabCheck->setChecked(false);
        book->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        Application::SetMainForm(nullptr);
        TForm::Free(access);
        TForm::Free(book);
    }

    // Opens a chapter from the contents page as the chapter buttons do.
    void open(int chapter, int page = 1) {
        if (!book->SplashScreen->isHidden())
            book->LeaveSplash();
        book->ChapterNumber = chapter;
        book->ShowChapter(page);
    }
    std::string caption() const { return book->Caption(); }
    TCustomChapter* chapter() const { return book->CurrentChapter; }
    bool nextShown() const { return !book->NavPanel->NextButton->isHidden(); }

    DialogRecorder dialogs;
    TThisBook* book = nullptr;
    TAccessBox* access = nullptr;
};

// A book with chapter `Number`, of class TChapter, open on a chosen page.
template <class TChapter, int Number> class ChapterTest : public BookTest {
protected:
    TChapter* current() const { return dynamic_cast<TChapter*>(chapter()); }
    void openPage(int page) {
        open(Number, page);
        ASSERT_NE(current(), nullptr);
    }
    std::string text() const { return current()->TextBox->toPlainText().toStdString(); }
    std::string feedback() const { return current()->FeedbackBox->toPlainText().toStdString(); }
    // The page text from its first line that is not empty.
    std::string opening() const {
        const std::string body = text();
        const std::size_t start = body.find_first_not_of('\n');
        return start == std::string::npos ? std::string() : body.substr(start);
    }
};
