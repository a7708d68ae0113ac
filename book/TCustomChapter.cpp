// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TCustomChapter.h"

#include "BookText.h"
#include "TAccessBox.h"
#include "TCustomBook.h"
#include "TNavPanel.h"
#include "forms/CustomChapterForm.h"

TCustomChapter::TCustomChapter(TCustomBook*) : TForm(nullptr) {
    DefineCustomChapterForm(*this);
    if (TCustomBook* book = Book()) {
        hide();
        setParent(book->Client);
        setGeometry(0, 0, book->Client->width(), book->Client->height());
        ChapterColour = book->BookColour;
    }
    Page = PageCount = FirstPage = PageTotal = 1;
}

TCustomChapter::~TCustomChapter() = default;

TCustomBook* TCustomChapter::Book() const {
    auto* book = dynamic_cast<TCustomBook*>(Application::MainForm());
    if (!book)
        Application::ShowMessage("The main form must be of type TCustomBook");
    return book;
}

void TCustomChapter::FormCreate() {
    BodyFont = std::make_unique<TFont>(Font());
    HeadingFont = std::make_unique<TFont>(*BodyFont);
    HeadingFont->Height = int(BodyFont->Height * 14 * 0.1);
    // Greek letters are written as the letters themselves, which the body face has, so
    // that a screen reader and the clipboard take them for what they are.
    SymbolFont = std::make_unique<TFont>(*BodyFont);
    FeedbackFont = std::make_unique<TFont>(*BodyFont);
    ApplyColours();
}

void TCustomChapter::FormDestroy() {
    SymbolFont.reset();
    BodyFont.reset();
    HeadingFont.reset();
    FeedbackFont.reset();
}

void TCustomChapter::ShowCaption() {
    if (TCustomBook* book = Book())
        book->SetCaption(BookText("Book window", "%1 : %2 %3/%4",
                                  "the book's title, the chapter's, the page and the pages")
                             .arg(QString::fromStdString(Application::Title()),
                                  QString::fromStdString(Caption()))
                             .arg(FirstPage + Page - 1)
                             .arg(PageTotal)
                             .toStdString());
}

void TCustomChapter::RefreshPage() {
    TCustomBook* book = Book();
    if (!book)
        return;
    ShowCaption();
    const bool lastPageOfBook = book->ChapterNumber == book->ChapterCount && Page == PageCount;
    book->NavPanel->NextButton->setVisible(!lastPageOfBook);
    TAccessBox* access = AccessBox();
    SetScreenReaderSupport(access && access->TabCheck->isChecked());
    ShowPage();
    repaint();
}

void TCustomChapter::ApplyColours() {
    TCustomBook* book = Book();
    if (!book)
        return;
    TFont font = Font();
    if (book->WindowsColours) {
        SetColor(clWindow);
        font.Color = clWindowText;
        FeedbackFont->Color = font.Color;
        book->NavPanel->SetColor(clWindow);
    } else {
        SetColor(ChapterColour);
        font.Color = clBlack;
        FeedbackFont->Color = RGB(0, 0, 157);
        book->NavPanel->SetColor(ChapterColour);
    }
    SetFont(font);
    BodyFont->Color = HeadingFont->Color = SymbolFont->Color = font.Color;
    repaint();
}
