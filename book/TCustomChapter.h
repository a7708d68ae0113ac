// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A chapter window: numbered pages, embedding in the book, the caption that shows the
// page, the chapter fonts, the colour scheme, and the page protocol a chapter fills in.

#include "Printing.h"
#include "TForm.h"

#include <memory>
#include <vector>

class TCustomBook;

class TCustomChapter : public TForm {
public:
    explicit TCustomChapter(TCustomBook* owner);
    ~TCustomChapter() override;

    int Page = 1;
    int PageCount = 1;
    // Number shown for page 1 in the caption, and the total shown there.
    int FirstPage = 1;
    int PageTotal = 1;
    std::unique_ptr<TFont> SymbolFont;
    std::unique_ptr<TFont> BodyFont;
    std::unique_ptr<TFont> HeadingFont;
    std::unique_ptr<TFont> FeedbackFont;
    TColor ChapterColour;

    // Sets up page Page: controls, simulation settings, question state, text.
    virtual void ShowPage() = 0;
    // Called before the page changes and before the chapter is replaced.
    virtual void LeavePage() {}
    // Caption, forward button, screen reader support, then ShowPage.
    virtual void RefreshPage();
    // Writes the book's caption: title, chapter and page ("... : The simulation 3/10").
    void ShowCaption();
    virtual void ApplyColours();
    virtual void SetScreenReaderSupport(bool) {}
    // The control a page just turned to gives the keyboard to, the first in reading order
    // that the reader acts on, or nullptr where the page arrows keep it.
    virtual QWidget* FirstControl() const { return nullptr; }
    // What of the page a window opening over it should leave clear, on the screen.
    virtual std::vector<TKeepClear> KeepClearAreas() const { return {}; }
    // The dark pictures of the page, which "Print on white" prints on white.
    virtual std::vector<QWidget*> DarkPictures() const { return {}; }
    // The pictures of the page that print as drawings of their own, lines and text kept as
    // such; `onWhite` when "Print on white" is chosen.
    virtual std::vector<TPrintedDrawing> PrintedDrawings(bool /*onWhite*/) const { return {}; }

    void FormCreate();
    void FormDestroy();
    // The application's main window as a book; shows a message and returns nullptr when
    // the main window is something else.
    TCustomBook* Book() const;
};
