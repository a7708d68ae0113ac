#include "TThisBook.h"

#include "ChapterTable.h"
#include "TCustomChapter.h"
#include "TNavPanel.h"
#include "TRealSystemsForm.h"
#include "forms/Artwork.h"
#include "forms/ThisBookForm.h"
#include "simulation/TObservingRunForm.h"
#include "simulation/TSpectrumForm.h"

#include <QFrame>

TThisBook::TThisBook(QWidget* owner) : TCustomBook(owner) {
    DefineThisBookForm(*this);
    ChapterCount = 6;
}

TThisBook::~TThisBook() = default;

void TThisBook::ShowChapter(int page) {
    if (CurrentChapter)
        CurrentChapter->LeavePage();
    TCustomChapter* next = CreateChapterWindow(ChapterNumber, *this);
    if (next) {
        if (page < 0)
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
        KeepFocusVisible(NavFocus());
    else
        KeepFocusVisible(SplashScreen->isHidden() ? Buttons[0] : SplashButton);
    if (RealSystemsCard)
        RealSystemsCard->FollowChapter();
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
    if (!RealSystemsCard)
        RealSystemsCard = CreateForm<TRealSystemsForm>(this);
    RealSystemsCard->FollowChapter();
    RealSystemsCard->show();
    RealSystemsCard->raise();
}

void TThisBook::mnitSpectrumClick() {
    if (!SpectrumForm) {
        SpectrumForm = CreateForm<TSpectrumForm>(this);
        SpectrumForm->PlaceBeside(*this);
    }
    SpectrumForm->Follow(dynamic_cast<TSimulationFeed*>(CurrentChapter));
    SpectrumForm->show();
    SpectrumForm->raise();
    SpectrumForm->activateWindow();
}

void TThisBook::mnitObservingRunClick() {
    if (!ObservingRunForm) {
        ObservingRunForm = CreateForm<TObservingRunForm>(this);
        ObservingRunForm->PlaceBeside(*this);
    }
    ObservingRunForm->Follow(dynamic_cast<TSimulationFeed*>(CurrentChapter));
    ObservingRunForm->show();
    ObservingRunForm->raise();
    ObservingRunForm->activateWindow();
}
