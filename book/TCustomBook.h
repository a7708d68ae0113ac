// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The book window: a splash screen, a contents page and at most one embedded chapter
// window, with the menus, the navigation panel and the reader's colour options. This
// base knows nothing of the particular chapters; TThisBook adds them.

#include "Application.h"
#include "Calculator.h"
#include "TForm.h"
#include "TImageList.h"
#include "oBitBtn.h"
#include "Zoom.h"

#include <QPageLayout>
#include <array>
#include <memory>

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QPrinter;
class TCalculatorForm;
class QTextDocument;
class TCustomChapter;
class TNavPanel;

class TCustomBook : public TForm {
public:
    explicit TCustomBook(QWidget* owner = nullptr);
    ~TCustomBook() override;

    // The client area below the menu bar; chapters and the contents page live in it.
    QWidget* Client = nullptr;
    QFrame* ContentsPanel = nullptr;
    oBitBtn* GoBackButton = nullptr;
    QMenuBar* MainMenu = nullptr;
    QMenu* FileMenu = nullptr;
    QMenu* ViewMenu = nullptr;
    QMenu* ZoomMenu = nullptr;
    // Shown once the book speaks more than English.
    QMenu* LanguageMenu = nullptr;
    QMenu* SectionMenu = nullptr;
    QMenu* ToolsMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* mnitPrint = nullptr;
    QAction* mnitPrintText = nullptr; // "Print chapter text..."
    QAction* mnitExit = nullptr;
    // The zoom levels in zoom::MenuLevels order, "Fit to screen", then one level up and one
    // down.
    std::array<QAction*, zoom::MenuLevels.size()> mnitZoom{};
    QAction* mnitZoomFit = nullptr;
    QAction* mnitZoomIn = nullptr;
    QAction* mnitZoomOut = nullptr;
    QAction* mnitContents = nullptr;
    QAction* mnitCalc = nullptr;
    QAction* Accessibility1 = nullptr;
    QAction* mnitAbout = nullptr;
    std::unique_ptr<TImageList> BackButtonImages;

    // 0 = contents page, 1 .. ChapterCount = chapter.
    int ChapterNumber = 0;
    TCustomChapter* CurrentChapter = nullptr;
    TNavPanel* NavPanel = nullptr;
    // The book's own calculator, made the first time a desktop without one asks for it.
    TCalculatorForm* OwnCalculator = nullptr;
    int ChapterCount = 1;
    TColor BookColour;
    // The reader chose the system's colours instead of the book's own.
    bool WindowsColours = false;
    // A zoom the reader chose, in percent: the window has closed so that the program
    // reopens the book at it. 0 while none is chosen.
    int ZoomRequested = 0;
    // The zoom follows the screen ("Fit to screen"), to be fitted afresh at the next start,
    // rather than a level the reader chose.
    bool ZoomFitsScreen = false;
    // The reader chose a zoom (a level or "Fit to screen") in this run, to be remembered.
    bool ZoomChosen = false;
    // The reader maximised the window, which closed to reopen maximised at the zoom that
    // fills the screen (not remembered as a choice).
    bool MaximiseRequested = false;
    // A language the reader chose (BookLanguage.h): the window has closed so that the program
    // reopens the book in it, at the same place. Empty while none is chosen.
    QString LanguageRequested;

    // The window's frame at 100 %: the client area, the menu bar and an allowance for the
    // window system's title bar and borders.
    static QSize DesignFrame();
    // What a window opening over the book should leave clear: the book's frame, the menu
    // bar and the page arrows shown, then what the open chapter names.
    std::vector<TKeepClear> KeepClearAreas() const;

    // Opens chapter ChapterNumber at `page`; a negative page is the chapter's last page.
    virtual void ShowChapter(int page) = 0;
    void PageBack();
    void PageForward();

    void FormCreate();
    void FormShow();
    void FormDestroy();
    void FormClose(TCloseAction& action);
    void mnitContentsClick();
    void GoBackButtonClick();
    void mnitPrintClick();
    // Prints the open chapter's pages as text, each under its heading.
    void mnitPrintTextClick();
    void mnitExitClick();
    void mnitCalcClick();
    void mnitAboutClick();
    void Accessibility1Click();
    // A zoom level other than the one in force closes the window to reopen at it.
    void mnitZoomClick(int percent);
    void mnitZoomInClick();
    void mnitZoomOutClick();
    // "Fit to screen": the largest zoom at which the window fits its screen, no smaller than
    // what the screen draws whole.
    int FitZoom() const;
    void mnitZoomFitClick();
    void mnitLanguageClick(const QString& code);
    // Ticks the level in force and enables the levels at which the window fits the screen
    // and which the screen draws whole.
    void ShowZoomLevels();

    // Page Down / Alt+Right and Page Up / Alt+Left press the forward and back buttons while
    // they are shown, unless the focused control takes the key.
    bool eventFilter(QObject* watched, QEvent* e) override;
    // Maximising the shown window scales the book to fill the screen: the window closes to
    // reopen at FitZoom(), when that is larger than the zoom in force; otherwise the page
    // stays centred. The program's own maximising, before the window shows, does neither.
    void changeEvent(QEvent* e) override;

    void PrintClientArea(QPageLayout::Orientation orientation);
    // The print dialog's choices, kept for the run; "Print on white" starts unticked.
    TPrintOptions PrintOptions{.OffersOnWhite = true};
    // Every page of the open chapter as text with its heading, or nullptr when none is open.
    virtual std::unique_ptr<QTextDocument> ChapterText() = 0;
    // The printer the print dialog configures.
    QPrinter& Printer();
    Calculator& TheCalculator() { return calculator_; }

protected:
    // Replaces the open chapter by `next` (or none), destroying the old one afterwards.
    void ReplaceChapter(TCustomChapter* next);
    void SetContentsCaption();
    // Hiding the page that held the keyboard focus leaves the focus on a hidden control,
    // where keys do nothing; `preferred` takes it instead.
    void KeepFocusVisible(QWidget* preferred);
    // The navigation button that takes the focus when a chapter page shows.
    QWidget* NavFocus() const;
    // After a page turn the keyboard goes to the page's first control (its question's answer
    // field or first choice), else stays on the page arrow that turned it, else goes to
    // NavFocus(): never to a control that only happens to follow a hidden one in Tab order.
    void FocusTurnedPage();

private:
    class ScreenReaderWatch;
    // The accessibility bridge may report a screen reader only after start-up, or come and
    // go: the screen reader option and the open chapter follow it.
    void ScreenReaderChanged(bool active);

    std::unique_ptr<QPrinter> printer_;
    Calculator calculator_;
    std::unique_ptr<ScreenReaderWatch> screenReaderWatch_;
};
