// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The main window of this book: splash screen, contents page with one button per
// chapter, and the chapter table from chapter number to chapter window.

#include "book/BookPlace.h"
#include "book/TCustomBook.h"
#include "TImage.h"

#include <QPushButton>
#include <array>

class TRealSystemsForm;
class TObservingRunForm;
class TSpectrumForm;

class TThisBook : public TCustomBook {
public:
    explicit TThisBook(QWidget* owner = nullptr);
    ~TThisBook() override;

    TImage* Image1 = nullptr; // the contents picture, painted when the splash is left
    TImage* ContentsImage = nullptr;
    TImage* SplashScreen = nullptr;
    std::array<oBitBtn*, 6> Buttons{};
    // The clickable titles and summaries of the chapters on the contents picture.
    std::array<TImage*, 6> ChapterEntries{};
    QPushButton* SplashButton = nullptr;
    std::array<QAction*, 6> mnitChapters{};
    std::unique_ptr<TImageList> ButtonImages;
    QAction* mnitRealSystems = nullptr;
    // The reference card of real systems; made when first opened, owned as a child.
    TRealSystemsForm* RealSystemsCard = nullptr;
    QAction* mnitSpectrum = nullptr;
    // The spectrum window, made when first asked for; it follows the open simulation chapter.
    TSpectrumForm* SpectrumForm = nullptr;
    QAction* mnitObservingRun = nullptr;
    // The observing run window, made when first asked for; it observes the open simulation
    // chapter's star.
    TObservingRunForm* ObservingRunForm = nullptr;

    void ShowChapter(int page) override;
    void ButtonClick(oBitBtn* sender);
    void mnitClick(QAction* sender);
    void SplashScreenClick() { LeaveSplash(); }
    void SplashButtonClick() { LeaveSplash(); }
    void LeaveSplash();
    void mnitRealSystemsClick();
    void mnitSpectrumClick();

    // Where the reader is and the reader's options.
    TBookPlace Place() const;
    // Takes the reader to `place` with its options, as the reader would get there; a page
    // past the chapter's last opens its last.
    void Resume(const TBookPlace& place);
    // Writes every page of a fresh copy of the open chapter, so that the reader's own
    // simulation and answers stay as they are.
    std::unique_ptr<QTextDocument> ChapterText() override;
    void mnitObservingRunClick();
};
