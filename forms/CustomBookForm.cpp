// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "CustomBookForm.h"

#include "Artwork.h"
#include "book/TCustomBook.h"

#include "BookLanguage.h"
#include "BookText.h"
#include "Zoom.h"

#include <QActionGroup>
#include <QFrame>
#include <QMenuBar>
#include <QVBoxLayout>

void DefineCustomBookForm(TCustomBook& f) {
    f.SetFont(TFont("MS Sans Serif", -11));
    auto* layout = new QVBoxLayout(&f);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // No smaller than the page; larger only when maximised, the page then centred until the
    // book reopens at the zoom that fills the screen.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    f.MainMenu = new QMenuBar(&f);
    layout->setMenuBar(f.MainMenu);
    f.Client = new QWidget(&f);
    f.Client->setFixedSize(792, 554);
    layout->addWidget(f.Client, 0, Qt::AlignCenter);
    f.SetBorderStyle(bsSingle);
    f.setWindowFlag(Qt::WindowMaximizeButtonHint);
    f.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    f.SetCentred(true);

    f.ContentsPanel = new QFrame(f.Client);
    f.ContentsPanel->setFrameShape(QFrame::NoFrame);
    f.ContentsPanel->setGeometry(0, 0, 792, 554);

    f.BackButtonImages = std::make_unique<TImageList>(52, 61);
    artwork::AddBackArrowFaces(*f.BackButtonImages);
    f.GoBackButton = new oBitBtn(f.ContentsPanel);
    f.GoBackButton->move(729, 483);
    f.GoBackButton->NumGlyphs = 3;
    f.GoBackButton->SetImages(f.BackButtonImages.get());
    f.GoBackButton->SetHint(BookText("Book window", "Click |Return to previous section").toStdString());
    QObject::connect(f.GoBackButton, &QPushButton::clicked, [&f] { f.GoBackButtonClick(); });

    f.FileMenu = f.MainMenu->addMenu(BookText("Book window", "&File"));
    f.mnitPrint =
        f.FileMenu->addAction(BookText("Book window", "&Print..."), [&f] { f.mnitPrintClick(); });
    f.mnitPrintText = f.FileMenu->addAction(BookText("Book window", "Print &chapter text..."),
                                            [&f] { f.mnitPrintTextClick(); });
    QObject::connect(f.FileMenu, &QMenu::aboutToShow,
                     [&f] { f.mnitPrintText->setEnabled(f.CurrentChapter != nullptr); });
    f.mnitExit =
        f.FileMenu->addAction(BookText("Book window", "E&xit"), [&f] { f.mnitExitClick(); });
    f.ViewMenu = f.MainMenu->addMenu(BookText("Book window", "&View"));
    f.ZoomMenu = f.ViewMenu->addMenu(BookText("Book window", "&Zoom"));
    auto* levels = new QActionGroup(f.ZoomMenu);
    for (std::size_t i = 0; i < zoom::MenuLevels.size(); ++i) {
        const int percent = zoom::MenuLevels[i];
        QAction* item = f.ZoomMenu->addAction(QString::fromStdString(zoom::LevelCaption(percent)),
                                              [&f, percent] { f.mnitZoomClick(percent); });
        item->setCheckable(true);
        levels->addAction(item);
        if (percent == 100)
            item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
        f.mnitZoom[i] = item;
    }
    f.ZoomMenu->addSeparator();
    f.mnitZoomFit = f.ZoomMenu->addAction(BookText("Book window", "&Fit to screen"),
                                          [&f] { f.mnitZoomFitClick(); });
    f.ViewMenu->addSeparator();
    f.mnitZoomIn =
        f.ViewMenu->addAction(BookText("Book window", "Zoom &in"), [&f] { f.mnitZoomInClick(); });
    f.mnitZoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    f.mnitZoomOut =
        f.ViewMenu->addAction(BookText("Book window", "Zoom &out"), [&f] { f.mnitZoomOutClick(); });
    f.mnitZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    f.ViewMenu->addSeparator();
    // Each language by its own name, untranslated: a reader finds their own among them.
    f.LanguageMenu = f.ViewMenu->addMenu(BookText("Book window", "&Language"));
    auto* languages = new QActionGroup(f.LanguageMenu);
    for (const TBookLanguage& language : BookLanguages()) {
        const QString code = language.code;
        QAction* item = f.LanguageMenu->addAction(QString::fromUtf8(language.name),
                                                  [&f, code] { f.mnitLanguageClick(code); });
        item->setCheckable(true);
        item->setChecked(code == CurrentBookLanguage());
        languages->addAction(item);
    }
    f.LanguageMenu->menuAction()->setVisible(BookLanguages().size() > 1);
    QObject::connect(f.ViewMenu, &QMenu::aboutToShow, [&f] { f.ShowZoomLevels(); });
    f.SectionMenu = f.MainMenu->addMenu(BookText("Book window", "&Section"));
    f.mnitContents = f.SectionMenu->addAction(BookText("Book window", "Contents"),
                                              [&f] { f.mnitContentsClick(); });
    f.ToolsMenu = f.MainMenu->addMenu(BookText("Book window", "&Tools"));
    f.mnitCalc =
        f.ToolsMenu->addAction(BookText("Book window", "Calculator"), [&f] { f.mnitCalcClick(); });
    f.HelpMenu = f.MainMenu->addMenu(BookText("Book window", "&Help"));
    f.Accessibility1 = f.HelpMenu->addAction(BookText("Book window", "&Accessibility..."),
                                             [&f] { f.Accessibility1Click(); });
    f.mnitAbout =
        f.HelpMenu->addAction(BookText("Book window", "A&bout..."), [&f] { f.mnitAboutClick(); });

    f.OnCreate = [&f] { f.FormCreate(); };
    f.OnShow = [&f] { f.FormShow(); };
    f.OnDestroy = [&f] { f.FormDestroy(); };
    f.OnClose = [&f](TCloseAction& action) { f.FormClose(action); };
}
