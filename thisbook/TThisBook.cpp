// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "thisbook/TThisBook.h"

#include "BookText.h"
#include "Precondition.h"
#include "book/ChapterTable.h"
#include "book/TAccessBox.h"
#include "book/TCustomChapter.h"
#include "book/TNavPanel.h"
#include "book/TThisChapter.h"
#include "forms/Artwork.h"
#include "forms/ThisBookForm.h"
#include "oRichEdit.h"
#include "observing/TObservingRunForm.h"
#include "realsystems/TRealSystemsForm.h"
#include "spectrum/TSpectrumForm.h"
#include "thisbook/TKeysBox.h"
#include "thisbook/TMyAnswersForm.h"

#include <QFrame>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>

TThisBook::TThisBook(QWidget* owner) : TCustomBook(owner) {
    DefineThisBookForm(*this);
    ChapterCount = ChapterTableSize();
}

TThisBook::~TThisBook() = default;

void TThisBook::ShowChapter(int page) {
    if (CurrentChapter)
        CurrentChapter->LeavePage();
    keptWork_ = StudentWork();
    TCustomChapter* next = CreateChapterWindow(ChapterNumber, *this);
    openNumber_ = next ? ChapterNumber : 0;
    // A chapter opened again takes up the student's answers and data where they were left.
    if (auto* chapter = dynamic_cast<TThisChapter*>(next); chapter && keptWork_.contains(openNumber_)) {
        const TChapterWork& kept = keptWork_.at(openNumber_);
        chapter->Work = kept.answers;
        if (kept.seed != 0)
            chapter->UseChapterSeed(kept.seed);
    }
    if (next) {
        if (page < 0 || page > next->PageCount)
            page = next->PageCount;
        next->Page = page;
        ContentsPanel->hide();
        repaint();
        next->show();
        NavPanel->show();
        NavPanel->raise();
        NavPanel->repaint();
        next->repaint();
        next->RefreshPage();
    } else {
        ContentsPanel->show();
        NavPanel->hide();
        GoBackButton->hide();
        if (!SplashScreen->isHidden())
            SetCaption(Application::Title());
        else
            SetContentsCaption();
    }
    ReplaceChapter(next);
    if (SpectrumForm)
        SpectrumForm->Follow(dynamic_cast<TSimulationFeed*>(CurrentChapter));
    if (ObservingRunForm)
        ObservingRunForm->Follow(dynamic_cast<TSimulationFeed*>(CurrentChapter));
    if (next)
        FocusTurnedPage();
    else
        KeepFocusVisible(SplashScreen->isHidden() ? Buttons[0] : SplashButton);
    if (RealSystemsCard)
        RealSystemsCard->FollowChapter();
}

std::map<int, TChapterWork> TThisBook::StudentWork() const {
    std::map<int, TChapterWork> work = keptWork_;
    if (const auto* chapter = dynamic_cast<const TThisChapter*>(CurrentChapter);
        chapter && openNumber_ != 0 &&
        (!chapter->Work.empty() || chapter->ChapterSeed() != 0 || work.contains(openNumber_)))
        work[openNumber_] = {chapter->Caption(), chapter->Work, chapter->ChapterSeed()};
    return work;
}

void TThisBook::KeepChapterSeed(int number, std::uint64_t seed) {
    PRECONDITION(number != openNumber_);
    keptWork_[number].seed = seed;
}

void TThisBook::mnitMyAnswersClick() {
    std::unique_ptr<TMyAnswersForm, void (*)(TForm*)> form(new TMyAnswersForm(*this), TForm::Free);
    form->ShowModal();
}

void TThisBook::ButtonClick(oBitBtn* sender) {
    ChapterNumber = sender->Tag;
    ShowChapter(1);
}

void TThisBook::mnitClick(QAction* sender) {
    ChapterNumber = sender->data().toInt();
    if (!SplashScreen->isHidden())
        LeaveSplash();
    ShowChapter(1);
}

void TThisBook::LeaveSplash() {
    // The splash covers the contents picture until now, so it is painted only now: the
    // first frame comes sooner without it.
    if (Image1->Picture().isNull())
        Image1->SetPicture(artwork::ContentsPicture());
    SplashScreen->hide();
    SplashButton->hide();
    if (ChapterNumber == 0)
        SetContentsCaption();
    for (oBitBtn* button : Buttons)
        button->setVisible(!ContentsPanel->isHidden());
    if (!ContentsPanel->isHidden())
        Buttons[0]->setFocus();
}

void TThisBook::mnitRealSystemsClick() {
    if (!RealSystemsCard) {
        RealSystemsCard = CreateForm<TRealSystemsForm>(this);
        RealSystemsCard->KeepClear = [this] { return KeepClearAreas(); };
        RealSystemsCard->OnOpenData = [this](const std::string& star) {
            mnitObservingRunClick();
            ObservingRunForm->OpenRealData(star);
        };
    }
    RealSystemsCard->FollowChapter();
    RealSystemsCard->show();
    RealSystemsCard->raise();
}

void TThisBook::mnitSpectrumClick() {
    if (!SpectrumForm) {
        SpectrumForm = CreateForm<TSpectrumForm>(this);
        SpectrumForm->KeepClear = [this] { return KeepClearAreas(); };
    }
    SpectrumForm->Follow(dynamic_cast<TSimulationFeed*>(CurrentChapter));
    SpectrumForm->show();
    SpectrumForm->raise();
    SpectrumForm->activateWindow();
}

void TThisBook::mnitKeysClick() {
    auto* keys = findChild<TKeysBox*>();
    if (!keys)
        keys = new TKeysBox(this);
    keys->show();
    keys->raise();
    keys->activateWindow();
}

TBookPlace TThisBook::Place() const {
    TBookPlace place;
    place.Chapter = CurrentChapter ? ChapterNumber : 0;
    place.Page = CurrentChapter ? CurrentChapter->Page : 1;
    place.ChapterUnderContents = CurrentChapter && !ContentsPanel->isHidden();
    place.SplashLeft = SplashScreen->isHidden();
    place.SystemColours = WindowsColours;
    place.Maximised = isMaximized();
    const TAccessBox* box = AccessBox();
    place.ScreenReader = box && box->TabCheck->isChecked();
    return place;
}

void TThisBook::Resume(const TBookPlace& place) {
    WindowsColours = place.SystemColours;
    if (TAccessBox* box = AccessBox()) {
        box->WinCheck->setChecked(place.SystemColours);
        box->TabCheck->setChecked(place.ScreenReader);
    }
    if (place.SplashLeft && !SplashScreen->isHidden())
        LeaveSplash();
    if (place.Chapter < 1 || place.Chapter > ChapterCount)
        return;
    if (!SplashScreen->isHidden())
        LeaveSplash();
    ChapterNumber = place.Chapter;
    ShowChapter(std::max(place.Page, 1));
    if (place.ChapterUnderContents)
        mnitContentsClick();
}

std::unique_ptr<QTextDocument> TThisBook::ChapterText() {
    if (!CurrentChapter)
        return nullptr;
    std::unique_ptr<TCustomChapter, void (*)(TForm*)> copy(
        CreateChapterWindow(ChapterNumber, *this), TForm::Free);
    auto* chapter = dynamic_cast<TThisChapter*>(copy.get());
    if (!chapter)
        return nullptr;
    auto text = std::make_unique<QTextDocument>();
    QTextCursor cursor(text.get());
    QTextCharFormat heading;
    heading.setFontFamilies({"Arial"});
    heading.setFontWeight(QFont::Bold);
    QTextBlockFormat block;
    block.setTopMargin(0);
    heading.setFontPointSize(16);
    cursor.setBlockFormat(block);
    cursor.insertText(BookText("Book window", "%1 : %2", "the book's title and the chapter's")
                          .arg(QString::fromStdString(Application::Title()),
                               QString::fromStdString(chapter->Caption())),
                      heading);
    heading.setFontPointSize(12);
    for (int page = 1; page <= chapter->PageCount; ++page) {
        chapter->Page = page;
        chapter->WritePageText();
        block.setTopMargin(page == 1 ? 12 : 24);
        cursor.insertBlock(block);
        cursor.insertText(BookText("Book window", "Page %1/%2", "the page and the pages")
                              .arg(chapter->FirstPage + page - 1)
                              .arg(chapter->PageTotal),
                          heading);
        cursor.insertBlock(QTextBlockFormat());
        // Without the empty lines that keep the text clear of the window's top.
        const std::unique_ptr<QTextDocument> body(chapter->TextBox->document()->clone());
        QTextCursor trim(body.get());
        while (trim.block().length() == 1 && trim.block().next().isValid())
            trim.deleteChar();
        cursor.insertFragment(QTextDocumentFragment(body.get()));
    }
    return text;
}

void TThisBook::mnitObservingRunClick() {
    if (!ObservingRunForm) {
        ObservingRunForm = CreateForm<TObservingRunForm>(this);
        ObservingRunForm->PlaceBeside(*this);
        ObservingRunForm->OnShowOnCard = [this](const std::string& star) {
            mnitRealSystemsClick();
            RealSystemsCard->SelectStar(star);
        };
    }
    auto* feed = dynamic_cast<TSimulationFeed*>(CurrentChapter);
    ObservingRunForm->Follow(feed);
    // A chapter of measurements and no star to observe: the window starts from the chapter's
    // own run, unless it already holds measurements of its own.
    if (const auto* chapter = dynamic_cast<const TThisChapter*>(CurrentChapter);
        !feed && chapter && ObservingRunForm->Measurements().data.empty()) {
        if (const std::string csv = chapter->MeasurementsCsv(); !csv.empty())
            ObservingRunForm->ImportMeasurements(
                csv, BookText("Book window", "the chapter's run, seed %1",
                              "where the observing window's measurements come from")
                         .arg(chapter->ChapterSeed()));
    }
    ObservingRunForm->show();
    ObservingRunForm->raise();
    ObservingRunForm->activateWindow();
}
