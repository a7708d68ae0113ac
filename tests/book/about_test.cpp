// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BookFixture.h"
#include "book/TAboutBox.h"

#include "DataFile.h"
#include "model/simulation/RealSystems.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Runs Help, About with `inside` acting on the box while it is shown.
void showAbout(TThisBook& book, DialogRecorder& dialogs, std::function<int(TAboutBox&)> inside) {
    dialogs.answerModal = [inside](TForm& form) { return inside(dynamic_cast<TAboutBox&>(form)); };
    book.mnitAbout->trigger();
}

} // namespace

TEST_F(BookTest, AboutBoxOpensOnTheTitlePageEveryTime) {
    int pageSeen = -1;
    std::string caption;
    showAbout(*book, dialogs, [&](TAboutBox& about) {
        pageSeen = about.Notebook->currentIndex();
        caption = about.Caption();
        EXPECT_EQ(about.Color(), RGB(239, 232, 255));
        QTest::mouseClick(about.ContactButton, Qt::LeftButton);
        EXPECT_EQ(about.Notebook->currentIndex(), 2);
        EXPECT_TRUE(about.rtfContacts->toPlainText().contains("issue tracker"));
        QTest::mouseClick(about.AcknowlButton, Qt::LeftButton);
        EXPECT_EQ(about.Notebook->currentIndex(), 1);
        EXPECT_TRUE(about.rtfCredits->toPlainText().startsWith("Acknowledgements"));
        QTest::mouseClick(about.DataButton, Qt::LeftButton);
        EXPECT_EQ(about.Notebook->currentIndex(), 3);
        EXPECT_TRUE(about.rtfData->toPlainText().startsWith("Published measurements"));
        QTest::mouseClick(about.CopyRightButton, Qt::LeftButton);
        EXPECT_EQ(about.Notebook->currentIndex(), 0);
        QTest::mouseClick(about.ContactButton, Qt::LeftButton);
        return int(mrOk);
    });
    EXPECT_EQ(pageSeen, 0);
    EXPECT_EQ(caption, "About Doppler spectroscopy");
    showAbout(*book, dialogs, [&](TAboutBox& about) {
        pageSeen = about.Notebook->currentIndex();
        return int(mrOk);
    });
    EXPECT_EQ(pageSeen, 0) << "a new box each time";
    EXPECT_EQ(dialogs.modalForms.size(), 2u);
}

TEST_F(BookTest, AcknowledgementsNameTheLibrariesAndTheSourceOfEverySystemOnTheCard) {
    TAboutBox about(book);
    const QString credits = about.rtfCredits->toPlainText();
    EXPECT_TRUE(credits.contains("Qt 6")) << credits.toStdString();
    EXPECT_TRUE(credits.contains("GNU LGPL version 3")) << "with its licence";
    EXPECT_TRUE(credits.contains("The Doppler spectroscopy book authors"));
    EXPECT_EQ(about.lblCopyright->text(), "Copyright \u00A9 2026 The Doppler spectroscopy book authors");
    // A system added to the card is credited with where its values come from.
    for (const TRealSystem& system : RealSystems()) {
        SCOPED_TRACE(system.Name);
        if (!system.ShortName.empty())
            EXPECT_TRUE(credits.contains(QString::fromStdString(system.Name)));
        else
            for (const TRealPlanet& planet : system.Planets)
                EXPECT_TRUE(credits.contains(QString::fromStdString(planet.Letter)));
    }
}

namespace {

// A paper as its header names it, reduced to its letters and digits, so that only the words
// and numbers count, not their case or punctuation.
QString Letters(const QString& text) {
    QString letters;
    for (QChar c : text.toLower())
        if (c.isLetterOrNumber() || c == '&')
            letters += c;
    return letters;
}

} // namespace

TEST_F(BookTest, AboutBoxCreditsEveryPaperOfTheBundledDataAndTheirOrigin) {
    TAboutBox about(book);
    const QString text = about.rtfData->toPlainText();
    const QString letters = Letters(text);
    const QDir folder(QString::fromStdString(FindDataFile("rv")));
    const QStringList files = folder.entryList({"*.vels"}, QDir::Files);
    ASSERT_GE(files.size(), 7);
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QString reference;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
            if (line.startsWith("# reference = "))
                reference = line.mid(14).trimmed();
        ASSERT_FALSE(reference.isEmpty()) << name.toStdString();
        EXPECT_TRUE(letters.contains(Letters(reference)))
            << name.toStdString() << ": " << reference.toStdString() << "\n" << text.toStdString();
    }
    EXPECT_TRUE(text.contains("Rivera et al. 2005 (ApJ, 634, 625)")) << text.toStdString();
    EXPECT_TRUE(text.contains("NASA Exoplanet Archive")) << "the README's origin";
    EXPECT_TRUE(text.contains("licensed GPL-3.0")) << "and licence";
    EXPECT_TRUE(text.contains("ups And: Wright et al. 2009 (ApJ, 693, 1084), LICK (284)"))
        << text.toStdString();
}

TEST_F(BookTest, WithoutTheBundledDataTheirPageSaysSoAndTheBoxOpens) {
    QTemporaryDir dir;
    for (const char* name : {"Copyrght.rtf", "Contacts.rtf"})
        QFile::copy(QDir::current().filePath(name), dir.filePath(name));
    SetDataFolders({dir.path().toStdString()});
    TAboutBox about(book);
    SetDataFolders({});
    EXPECT_TRUE(about.rtfData->toPlainText().contains(
        "The files of the published measurements that come with the book cannot be read"))
        << about.rtfData->toPlainText().toStdString();
    EXPECT_TRUE(about.rtfCredits->toPlainText().startsWith("Acknowledgements"));
}

TEST_F(BookTest, AboutBoxClosesWithEnterAndWithEsc) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        TAboutBox about(book);
        QTimer::singleShot(0, [&] { QTest::keyClick(&about, key); });
        EXPECT_EQ(about.ExecModal(), mrOk);
        EXPECT_FALSE(about.isVisible());
    }
}

TEST_F(BookTest, AMissingAboutFileIsReportedAndTheBookCarriesOn) {
    QTemporaryDir dir;
    QFile::copy(QDir::current().filePath("Contacts.rtf"), dir.filePath("Contacts.rtf"));
    SetDataFolders({dir.path().toStdString()});
    open(2);
    TCustomChapter* before = chapter();
    book->mnitAbout->trigger();
    SetDataFolders({});
    EXPECT_TRUE(dialogs.modalForms.empty()) << "the box does not appear";
    ASSERT_EQ(dialogs.exceptions.size(), 1u);
    EXPECT_NE(dialogs.exceptions[0].find("Copyrght.rtf"), std::string::npos);
    EXPECT_EQ(chapter(), before);
    EXPECT_EQ(caption(), "Doppler spectroscopy : The simulation 1/10");
}

// The acknowledgements and contacts fit their pages; the list of published papers, which
// grows with the data set, may scroll.
TEST_F(BookTest, AboutTextPagesShowAScrollBarOnlyWithSomethingToScroll) {
    TAboutBox about(book);
    about.show();
    for (int page : {1, 2, 3}) {
        SCOPED_TRACE(page);
        about.Notebook->setCurrentIndex(page);
        TRichEditControl* box = page == 1 ? about.rtfCredits
                                : page == 2 ? about.rtfContacts
                                            : about.rtfData;
        QApplication::processEvents();
        const QScrollBar* bar = box->verticalScrollBar();
        EXPECT_EQ(bar->isVisible(), bar->maximum() > bar->minimum());
        if (page != 3)
            EXPECT_FALSE(bar->isVisible()) << "the installed page fits";
    }
    QString longer;
    for (int line = 0; line < 60; ++line)
        longer += "A line of thanks.\n";
    about.rtfCredits->setPlainText(longer);
    about.Notebook->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_TRUE(about.rtfCredits->verticalScrollBar()->isVisible());
}
