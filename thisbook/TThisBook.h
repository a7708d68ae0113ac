// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The main window of this book: splash screen, contents page with one button per
// chapter, and the chapter table from chapter number to chapter window.

#include "book/BookPlace.h"
#include "book/StudentWork.h"
#include "book/TCustomBook.h"
#include "TImage.h"

#include <QJsonObject>
#include <QPushButton>
#include <array>
#include <map>

struct TKeptAnswers;
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
    // The student's answers in every chapter, the open one's as they stand, by chapter
    // number; and the name the student gave them.
    std::map<int, TChapterWork> StudentWork() const;
    std::string StudentName;
    // Has chapter `number`, the next time it opens, draw its data from `seed` (the teacher's
    // guide, for a student's seed). Call with another chapter open.
    void KeepChapterSeed(int number, std::uint64_t seed);
    QAction* mnitMyAnswers = nullptr;
    QAction* mnitExportMeasurements = nullptr; // while the open chapter shows measurements
    // Writes the open chapter's measurements as CSV; a failure is shown. Returns whether they
    // were written.
    bool ExportMeasurementsFile(const QString& path);
    void mnitExportMeasurementsClick();
    // Shows the answers with the name and prints them.
    void mnitMyAnswersClick();
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
    QAction* mnitKeys = nullptr;
    // Help, Keys: the keys and how to use the book, in a window of its own made once.
    void mnitKeysClick();

    QAction* mnitOpenSystem = nullptr;
    QAction* mnitSaveSystem = nullptr; // while the open chapter keeps a system
    // Writes the open chapter's system as a work file; a failure is shown. Returns whether it
    // was written.
    bool SaveSystemFile(const QString& path);
    // Reads a work file's system and opens it in the chapter that keeps systems; a refused
    // file is shown with its reason and changes nothing. Returns whether it was taken.
    bool OpenSystemFile(const QString& path);
    void mnitSaveSystemClick();
    void mnitOpenSystemClick();
    // The reader's work that a reopened book takes over: the open chapter's system, if it
    // keeps one, and the observing run, if it has measurements.
    QJsonObject KeptWork() const;
    // Takes over the work KeptWork gave, after Resume has opened the reader's place; the
    // reason a part could not be taken, or an empty text.
    QString RestoreWork(const QJsonObject& parts);
    // The student's name and answers as a work file's "answers" part; empty while there are
    // none.
    QJsonObject KeptAnswersPart() const;
    // Takes over a name and answers read back, the open chapter reopened on its kept data.
    void RestoreAnswers(const TKeptAnswers& kept);

private:
    // The work of the chapters closed, and the number of the one open.
    std::map<int, TChapterWork> keptWork_;
    int openNumber_ = 0;
};
