// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TCustomBook.h"

#include "PageKeys.h"
#include "TAboutBox.h"
#include "TAccessBox.h"
#include "calculator/TCalculatorForm.h"
#include "TCustomChapter.h"
#include "TNavPanel.h"
#include "colourmatch.h"
#include "forms/CustomBookForm.h"

#include "Printing.h"
#include "WindowPlace.h"
#include "BookLanguage.h"
#include "BookText.h"
#include "Zoom.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <QWindowStateChangeEvent>

class TCustomBook::ScreenReaderWatch final : public QAccessible::ActivationObserver {
public:
    explicit ScreenReaderWatch(TCustomBook& book) : book_(book) {
        QAccessible::installActivationObserver(this);
    }
    ~ScreenReaderWatch() override { QAccessible::removeActivationObserver(this); }
    void accessibilityActiveChanged(bool active) override { book_.ScreenReaderChanged(active); }

private:
    TCustomBook& book_;
};

TCustomBook::TCustomBook(QWidget* owner)
    : TForm(owner), screenReaderWatch_(std::make_unique<ScreenReaderWatch>(*this)) {
    DefineCustomBookForm(*this);
    ChapterNumber = 0;
    CurrentChapter = nullptr;
    ChapterCount = 1;
    WindowsColours = false;
    BookColour = DisplayColour(213, 230, 227);
    SetColor(BookColour);
    // The page keys work wherever the focus stands in the window, and a control that
    // moves the focus with the arrow keys would otherwise eat Alt+Left and Alt+Right.
    qApp->installEventFilter(this);
}

TCustomBook::~TCustomBook() {
    if (!CurrentChapter && !NavPanel)
        return;
    FormDestroy();
}

void TCustomBook::FormCreate() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->geometry().height() <= 600)
        setWindowState(windowState() | Qt::WindowMaximized);
    NavPanel = CreateForm<TNavPanel>(this);
    NavPanel->SetColor(BookColour);
    ShowZoomLevels();
}

std::vector<TKeepClear> TCustomBook::KeepClearAreas() const {
    std::vector<TKeepClear> areas{{frameGeometry(), 1}};
    // The page arrows and the menus are what a reader reaches for next on any page; the
    // menus, which the keyboard reaches too, give way first where a window cannot miss both.
    std::vector<std::pair<const QWidget*, int>> controls{{MainMenu, 1}};
    if (NavPanel)
        controls.insert(controls.end(), {{NavPanel->BackButton, 2}, {NavPanel->NextButton, 2}});
    for (const auto& [control, weight] : controls)
        for (const TKeepClear& area : NeverCover(*control, weight))
            areas.push_back(area);
    if (CurrentChapter && CurrentChapter->isVisible())
        for (const TKeepClear& area : CurrentChapter->KeepClearAreas())
            areas.push_back(area);
    return areas;
}

QSize TCustomBook::DesignFrame() {
    // 792 x 554 of client area under a menu bar of about 22 pixels, in a frame of a few
    // pixels with a title bar of about 30.
    return QSize(792 + 8, 554 + 22 + 34);
}

namespace {

// The book's screen as a program at 100 % would measure it.
zoom::TScreenMeasure MeasureAt100(const QWidget& book) {
    const QScreen* shown = book.screen() ? book.screen() : QGuiApplication::primaryScreen();
    if (!shown)
        return {};
    const int percent = zoom::Current();
    return {shown->availableGeometry().size() * percent / 100,
            shown->devicePixelRatio() * 100 / percent};
}

} // namespace

int TCustomBook::FitZoom() const { return zoom::StartZoom(DesignFrame(), MeasureAt100(*this)); }

void TCustomBook::ShowZoomLevels() {
    const zoom::TScreenMeasure screen = MeasureAt100(*this);
    for (std::size_t i = 0; i < zoom::MenuLevels.size(); ++i) {
        const int percent = zoom::MenuLevels[i];
        mnitZoom[i]->setChecked(percent == zoom::Current());
        mnitZoom[i]->setEnabled(percent == zoom::Current() ||
                                !zoom::Refusal(percent, DesignFrame(), screen));
    }
    mnitZoomFit->setText(BookText("Book window", "&Fit to screen (%1 %)").arg(FitZoom()));
    const auto enabled = [this](int step) {
        for (std::size_t i = 0; i < zoom::MenuLevels.size(); ++i)
            if ((zoom::MenuLevels[i] - zoom::Current()) * step > 0 && mnitZoom[i]->isEnabled())
                return true;
        return false;
    };
    mnitZoomIn->setEnabled(enabled(1));
    mnitZoomOut->setEnabled(enabled(-1));
}

void TCustomBook::mnitZoomClick(int percent) {
    ZoomChosen = true;
    ZoomFitsScreen = false;
    if (percent == zoom::Current())
        return;
    ZoomRequested = percent;
    Close();
}

void TCustomBook::changeEvent(QEvent* e) {
    TForm::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange || !isVisible() || !isMaximized() ||
        (static_cast<QWindowStateChangeEvent*>(e)->oldState() & Qt::WindowMaximized))
        return;
    if (FitZoom() <= zoom::Current())
        return;
    MaximiseRequested = true;
    ZoomRequested = FitZoom();
    // Not from inside the window system's event: the window closes once it is handled.
    QMetaObject::invokeMethod(this, [this] { Close(); }, Qt::QueuedConnection);
}

void TCustomBook::mnitZoomFitClick() {
    ZoomChosen = true;
    ZoomFitsScreen = true;
    if (FitZoom() == zoom::Current())
        return;
    ZoomRequested = FitZoom();
    Close();
}

void TCustomBook::mnitLanguageClick(const QString& code) {
    if (code == CurrentBookLanguage())
        return;
    LanguageRequested = code;
    Close();
}

void TCustomBook::mnitZoomInClick() {
    ShowZoomLevels();
    for (std::size_t i = 0; i < zoom::MenuLevels.size(); ++i)
        if (zoom::MenuLevels[i] > zoom::Current() && mnitZoom[i]->isEnabled())
            return mnitZoomClick(zoom::MenuLevels[i]);
}

void TCustomBook::mnitZoomOutClick() {
    ShowZoomLevels();
    for (std::size_t i = zoom::MenuLevels.size(); i-- > 0;)
        if (zoom::MenuLevels[i] < zoom::Current() && mnitZoom[i]->isEnabled())
            return mnitZoomClick(zoom::MenuLevels[i]);
}

void TCustomBook::FormShow() { ShowChapter(1); }

void TCustomBook::FormDestroy() {
    TForm::Free(CurrentChapter);
    CurrentChapter = nullptr;
    TForm::Free(NavPanel);
    NavPanel = nullptr;
}

void TCustomBook::FormClose(TCloseAction&) { calculator_.EndIfStarted(); }

void TCustomBook::PageForward() {
    if (CurrentChapter && CurrentChapter->Page < CurrentChapter->PageCount) {
        CurrentChapter->LeavePage();
        ++CurrentChapter->Page;
        CurrentChapter->RefreshPage();
        FocusTurnedPage();
    } else if (ChapterNumber < ChapterCount) {
        ++ChapterNumber;
        ShowChapter(1);
    }
}

void TCustomBook::PageBack() {
    if (CurrentChapter && CurrentChapter->Page > 1) {
        CurrentChapter->LeavePage();
        --CurrentChapter->Page;
        CurrentChapter->RefreshPage();
        FocusTurnedPage();
    } else if (ChapterNumber > 0) {
        --ChapterNumber;
        ShowChapter(-1);
    }
}

void TCustomBook::SetContentsCaption() {
    SetCaption(BookText("Book window", "%1 : Contents", "the book's title and its contents page")
                   .arg(QString::fromStdString(Application::Title()))
                   .toStdString());
}

void TCustomBook::mnitContentsClick() {
    if (!CurrentChapter)
        return;
    CurrentChapter->hide();
    GoBackButton->show();
    NavPanel->hide();
    ContentsPanel->show();
    ContentsPanel->raise();
    SetContentsCaption();
    KeepFocusVisible(GoBackButton);
}

void TCustomBook::GoBackButtonClick() {
    if (!CurrentChapter)
        return;
    // Hiding the contents would hand the focus on to the back button; forward is the
    // better guess for a reader returning to the chapter.
    const bool focusOnContents = ContentsPanel->isAncestorOf(focusWidget());
    CurrentChapter->show();
    CurrentChapter->ShowCaption();
    NavPanel->show();
    NavPanel->raise();
    ContentsPanel->hide();
    if (focusOnContents)
        NavFocus()->setFocus();
}

bool TCustomBook::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress || !NavPanel || !NavPanel->isVisibleTo(this))
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || target->window() != this)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*e);
    const TPageTurn turn = PageTurnOf(key);
    if (turn == TPageTurn::None)
        return false;
    oBitBtn* button = turn == TPageTurn::Forward ? NavPanel->NextButton : NavPanel->BackButton;
    if (button->isHidden() || !button->isEnabled() || WouldTakeKey(*target, key))
        return false;
    button->click();
    return true;
}

void TCustomBook::KeepFocusVisible(QWidget* preferred) {
    const QWidget* focus = focusWidget();
    if (focus && focus->isVisibleTo(this))
        return;
    if (preferred && preferred->isVisibleTo(this))
        preferred->setFocus();
}

QWidget* TCustomBook::NavFocus() const {
    if (NavPanel->NextButton->isHidden())
        return NavPanel->BackButton;
    return NavPanel->NextButton;
}

void TCustomBook::FocusTurnedPage() {
    if (QWidget* first = CurrentChapter ? CurrentChapter->FirstControl() : nullptr)
        return first->setFocus();
    const QWidget* focus = focusWidget();
    const bool onArrow = focus == NavPanel->NextButton || focus == NavPanel->BackButton;
    if (!onArrow || !focus->isVisibleTo(this))
        NavFocus()->setFocus();
}

QPrinter& TCustomBook::Printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TCustomBook::mnitPrintClick() {
    if (!ExecutePrintDialog(Printer(), PrintOptions))
        return;
    repaint();
    try {
        PrintClientArea(QPageLayout::Landscape);
    } catch (const std::exception& e) {
        Application::ShowException(e);
    }
}

void TCustomBook::PrintClientArea(QPageLayout::Orientation orientation) {
    std::vector<QWidget*> onWhite;
    std::vector<TPrintedDrawing> drawings;
    if (CurrentChapter && CurrentChapter->isVisible()) {
        if (PrintOptions.OnWhite)
            onWhite = CurrentChapter->DarkPictures();
        drawings = CurrentChapter->PrintedDrawings(PrintOptions.OnWhite);
    }
    ::PrintClientArea(*Client, orientation, Printer(), onWhite, drawings);
}

void TCustomBook::mnitPrintTextClick() {
    if (!CurrentChapter)
        return;
    TPrintOptions options; // the text has no dark pictures
    if (!ExecutePrintDialog(Printer(), options))
        return;
    try {
        const std::unique_ptr<QTextDocument> text = ChapterText();
        if (text)
            PrintDocument(*text, QPageLayout::Portrait, Printer());
    } catch (const std::exception& e) {
        Application::ShowException(e);
    }
}

void TCustomBook::mnitExitClick() { Close(); }

void TCustomBook::mnitCalcClick() {
    if (calculator_.Running() || Calculator::AnyInstalled()) {
        if (!calculator_.OpenOrRaise())
            Application::ShowMessage(
                BookText("Book window", "Unable to open calculator").toStdString());
        return;
    }
    if (!OwnCalculator) {
        OwnCalculator = CreateForm<TCalculatorForm>(this);
        // Placed once shown, when its frame is known.
        OwnCalculator->show();
        PlaceBeside(*OwnCalculator, *this);
    }
    OwnCalculator->show();
    OwnCalculator->raise();
    OwnCalculator->activateWindow();
}

void TCustomBook::mnitAboutClick() {
    try {
        std::unique_ptr<TAboutBox, void (*)(TForm*)> about(new TAboutBox(this), TForm::Free);
        about->ShowModal();
    } catch (const std::exception& e) {
        Application::ShowException(e);
    }
}

void TCustomBook::Accessibility1Click() {
    TAccessBox* box = AccessBox();
    if (!box || box->ShowModal() != mrOk)
        return;
    WindowsColours = box->WinCheck->isChecked();
    if (CurrentChapter) {
        CurrentChapter->ApplyColours();
        CurrentChapter->SetScreenReaderSupport(box->TabCheck->isChecked());
    }
}

void TCustomBook::ScreenReaderChanged(bool active) {
    TAccessBox* box = AccessBox();
    if (!box)
        return;
    box->TabCheck->setChecked(active);
    if (CurrentChapter)
        CurrentChapter->SetScreenReaderSupport(active);
}

void TCustomBook::ReplaceChapter(TCustomChapter* next) {
    TCustomChapter* old = CurrentChapter;
    CurrentChapter = next;
    TForm::Free(old);
}
