// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "ThisBookForm.h"

#include "Artwork.h"
#include "BookText.h"
#include "PictureExport.h"
#include "book/TCustomChapter.h"
#include "book/TThisChapter.h"
#include "simulation/SystemKeeper.h"
#include "thisbook/TThisBook.h"

#include <QAction>
#include <QFrame>
#include <QKeySequence>
#include <QMenu>

namespace {

struct ChapterButton {
    int top;
    int spaces;
    const char* title;
    const char* menuCaption;
};

// The titles in English, translated where they are shown.
const ChapterButton chapterButtons[6] = {
    {251, 47, QT_TRANSLATE_NOOP("Contents", "Doppler Spectroscopy"),
     QT_TRANSLATE_NOOP("Contents", "&1 Doppler spectroscopy")},
    {296, 35, QT_TRANSLATE_NOOP("Contents", "The Simulation"),
     QT_TRANSLATE_NOOP("Contents", "&2 The simulation")},
    {341, 29, QT_TRANSLATE_NOOP("Contents", "One planet"),
     QT_TRANSLATE_NOOP("Contents", "&3 One planet")},
    {386, 32, QT_TRANSLATE_NOOP("Contents", "Two planets"),
     QT_TRANSLATE_NOOP("Contents", "&4 Two planets")},
    {431, 37, QT_TRANSLATE_NOOP("Contents", "Free experiment"),
     QT_TRANSLATE_NOOP("Contents", "&5 Free experiment")},
    {476, 37, QT_TRANSLATE_NOOP("Contents", "Finding a planet"),
     QT_TRANSLATE_NOOP("Contents", "&6 Finding a planet")},
};

// Where the contents picture writes a chapter's number, title and summary, from the top of
// its button.
const QRect TitleArea(122, -5, 350, 45);

} // namespace

void DefineThisBookForm(TThisBook& f) {
    f.Image1 = new TImage(f.ContentsPanel);
    // The contents picture is painted when the splash is left (LeaveSplash).
    f.Image1->setGeometry(0, 0, 792, 554);
    f.ContentsImage = new TImage(f.ContentsPanel);
    f.ContentsImage->setGeometry(-1, -2, 792, 554);
    f.ContentsImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    f.SplashScreen = new TImage(f.ContentsPanel);
    f.SplashScreen->setGeometry(0, 0, 792, 554);
    f.SplashScreen->SetPicture(artwork::SplashPicture());
    f.SplashScreen->OnClick = [&f] { f.SplashScreenClick(); };

    f.ButtonImages = std::make_unique<TImageList>(27, 29);
    artwork::AddChapterButtonFaces(*f.ButtonImages);
    for (int i = 0; i < int(std::size(chapterButtons)); ++i) {
        const ChapterButton& entry = chapterButtons[i];
        auto* button = new oBitBtn(f.ContentsPanel);
        button->move(95, entry.top);
        button->Tag = i + 1;
        button->SetImages(f.ButtonImages.get());
        button->NumGlyphs = 3;
        button->FocusMargin = 1;
        button->SetCaption(std::string(std::size_t(entry.spaces), ' ') +
                           BookText("Contents", entry.title).toStdString());
        button->hide();
        QObject::connect(button, &QPushButton::clicked, [&f, button] { f.ButtonClick(button); });
        f.Buttons[std::size_t(i)] = button;
        // The chapter's title and summary on the picture beside the button open it too.
        auto* area = new TImage(f.ContentsPanel);
        area->setGeometry(TitleArea.translated(0, entry.top));
        area->setCursor(Qt::PointingHandCursor);
        area->setAccessibleName(BookText("Contents", "Chapter %1: %2")
                                    .arg(i + 1)
                                    .arg(BookText("Contents", entry.title)));
        area->OnClick = [button] { button->click(); };
        f.ChapterEntries[std::size_t(i)] = area;
    }

    f.BackButtonImages = std::make_unique<TImageList>(110, 32);
    artwork::AddGoBackFaces(*f.BackButtonImages);
    f.GoBackButton->SetImages(f.BackButtonImages.get());
    f.GoBackButton->move(667, 509);
    f.GoBackButton->SetFont(TFont(f.Font().Name, -12));
    f.GoBackButton->FocusMargin = 2;
    f.GoBackButton->SetCaption(std::string(49, ' ') +
                               BookText("Book window", "Go back").toStdString());
    f.GoBackButton->raise();

    f.SplashButton =
        new QPushButton(BookText("Book window", "Click or press Enter to begin"), f.ContentsPanel);
    f.SplashButton->setGeometry(63, 1000, 10, 10);
    f.SplashButton->setAutoDefault(true);
    QObject::connect(f.SplashButton, &QPushButton::clicked, [&f] { f.SplashButtonClick(); });
    f.SplashScreen->raise();
    f.SplashButton->setFocus();

    f.mnitContents->setText(BookText("Book window", "&Contents"));
    f.SectionMenu->addSeparator();
    for (int i = 0; i < int(std::size(chapterButtons)); ++i) {
        QAction* item =
            f.SectionMenu->addAction(BookText("Contents", chapterButtons[i].menuCaption));
        item->setData(i + 1);
        QObject::connect(item, &QAction::triggered, [&f, item] { f.mnitClick(item); });
        f.mnitChapters[std::size_t(i)] = item;
    }
    f.mnitCalc->setText(BookText("Book window", "&Calculator"));
    f.mnitOpenSystem = new QAction(BookText("Book window", "&Open system..."), &f);
    QObject::connect(f.mnitOpenSystem, &QAction::triggered, [&f] { f.mnitOpenSystemClick(); });
    f.mnitSaveSystem = new QAction(BookText("Book window", "&Save system..."), &f);
    QObject::connect(f.mnitSaveSystem, &QAction::triggered, [&f] { f.mnitSaveSystemClick(); });
    f.mnitMyAnswers = new QAction(BookText("Book window", "My &answers..."), &f);
    QObject::connect(f.mnitMyAnswers, &QAction::triggered, [&f] { f.mnitMyAnswersClick(); });
    f.mnitExportMeasurements = new QAction(BookText("Book window", "&Export measurements..."), &f);
    QObject::connect(f.mnitExportMeasurements, &QAction::triggered,
                     [&f] { f.mnitExportMeasurementsClick(); });
    f.FileMenu->insertActions(f.mnitPrint, {f.mnitOpenSystem, f.mnitSaveSystem,
                                            f.mnitExportMeasurements, f.mnitMyAnswers});
    AddSavePictureMenu(*f.FileMenu, f, f.mnitPrint);
    f.FileMenu->insertSeparator(f.mnitPrint);
    QObject::connect(f.FileMenu, &QMenu::aboutToShow, [&f] {
        f.mnitSaveSystem->setEnabled(dynamic_cast<TSystemKeeper*>(f.CurrentChapter) != nullptr);
        const auto* chapter = dynamic_cast<const TThisChapter*>(f.CurrentChapter);
        f.mnitExportMeasurements->setEnabled(chapter && !chapter->MeasurementsCsv().empty());
    });
    f.mnitSpectrum = f.ToolsMenu->addAction(BookText("Book window", "&Spectrum"),
                                            [&f] { f.mnitSpectrumClick(); });
    f.mnitRealSystems = f.ToolsMenu->addAction(BookText("Book window", "&Real planetary systems"),
                                               [&f] { f.mnitRealSystemsClick(); });
    f.mnitObservingRun = f.ToolsMenu->addAction(BookText("Book window", "&Observing run"),
                                                [&f] { f.mnitObservingRunClick(); });
    f.mnitKeys = new QAction(BookText("Book window", "&Keys and how to use this book..."), &f);
    f.mnitKeys->setShortcut(QKeySequence::HelpContents);
    QObject::connect(f.mnitKeys, &QAction::triggered, [&f] { f.mnitKeysClick(); });
    f.HelpMenu->insertAction(f.Accessibility1, f.mnitKeys);
    f.Accessibility1->setText(BookText("Book window", "A&ccessibility..."));
    f.mnitAbout->setText(BookText("Book window", "&About..."));
}
