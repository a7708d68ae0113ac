// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Damaged and hostile data files, through the real dialogs.

#include "BookFixture.h"
#include "book/TAboutBox.h"

#include "DataFile.h"
#include "Watchdog.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// A data folder holding the book's own files, each of which a test may replace.
class DataFolder {
public:
    DataFolder() {
        for (const char* name : {"Access.rtf", "Copyrght.rtf", "Contacts.rtf"})
            QFile::copy(QDir::current().filePath(name), dir.filePath(name));
        SetDataFolders({dir.path().toStdString()});
    }
    ~DataFolder() { SetDataFolders({}); }

    void replace(const char* name, const QByteArray& content) {
        QFile::remove(dir.filePath(name));
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(content);
    }

    QTemporaryDir dir;
};

// The text the About box shows on its credits page, or the error it raised.
std::string aboutCredits(TThisBook& book, DialogRecorder& dialogs) {
    std::string text;
    dialogs.answerModal = [&](TForm& form) {
        text = dynamic_cast<TAboutBox&>(form).rtfCredits->toPlainText().toStdString();
        return int(mrOk);
    };
    book.mnitAbout->trigger();
    return dialogs.exceptions.empty() ? text : dialogs.exceptions.back();
}

} // namespace

TEST_F(BookTest, AnOversizedAboutFileIsRefusedAndTheBookCarriesOn) {
    DataFolder data;
    QByteArray noise(int(MaxDataFileBytes) + 1, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((unsigned(i) * 7919u) >> 3);
    data.replace("Contacts.rtf", noise);
    const std::string error = aboutCredits(*book, dialogs);
    EXPECT_NE(error.find("Contacts.rtf\". File too large"), std::string::npos) << error;
    EXPECT_TRUE(dialogs.modalForms.empty());
    EXPECT_TRUE(book->isVisible());
}

TEST_F(BookTest, AnEmptyDataFileShowsANoteInsteadOfABlankBox) {
    DataFolder data;
    data.replace("Copyrght.rtf", "");
    EXPECT_EQ(aboutCredits(*book, dialogs), "The file \"Copyrght.rtf\" is empty.");
    data.replace("Access.rtf", "\r\n");
    TAccessBox* box = CreateForm<TAccessBox>();
    EXPECT_EQ(box->rtfText->toPlainText(), "The file \"Access.rtf\" is empty.");
    TForm::Free(box);
}

TEST_F(BookTest, AnAccessibilityFileOfOneEndlessWordBreaksIntoLines) {
    EXPECT_EQ(access->rtfText->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere)
        << "readable text breaks between words";
    DataFolder data;
    // The 1 MB limit lets it through; read as plain text, as it has no RTF header.
    data.replace("Access.rtf", QByteArray(1000000, '{'));
    TAccessBox* box = CreateForm<TAccessBox>();
    QTextDocument* doc = box->rtfText->document();
    doc->setTextWidth(box->rtfText->viewport()->width());
    doc->documentLayout()->documentSize(); // lays the text out
    const QTextLayout* layout = doc->firstBlock().layout();
    ASSERT_NE(layout, nullptr);
    EXPECT_GT(layout->lineCount(), 1000);
    EXPECT_LE(layout->lineAt(0).naturalTextWidth(), box->rtfText->viewport()->width());
    TForm::Free(box);
}

// Lays the text of a rich edit out at its width, as showing it would.
int layOut(TRichEditControl& edit) {
    QTextDocument* doc = edit.document();
    doc->setTextWidth(edit.viewport()->width());
    doc->documentLayout()->documentSize();
    int lines = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        lines += b.layout()->lineCount();
    return lines;
}

// Words joined by spaces where no line may break: every spelling the text layout knows.
struct JoinedWords {
    const char* name;
    QByteArray join;
};

TEST_F(BookTest, WordsJoinedByNoBreakSpacesBreakIntoLinesAtOnce) {
    const JoinedWords joins[] = {
        {"no-break space in Windows-1252", "\xa0"},
        {"no-break space in UTF-8", "\xc2\xa0"},
        {"figure space", "\xe2\x80\x87"},
        {"narrow no-break space", "\xe2\x80\xaf"},
        {"word joiner", "\xe2\x81\xa0"},
        // Not UTF-8, so read as Windows-1252: each byte a letter, 0xA0 a no-break space.
        {"broken UTF-8 around 0xA0", "\xc3\xa0\xa0\xe2"},
    };
    for (const JoinedWords& join : joins) {
        SCOPED_TRACE(join.name);
        DataFolder data;
        QByteArray text;
        while (text.size() < int(MaxDataFileBytes) - 16)
            text += "word" + join.join;
        data.replace("Access.rtf", text);
        const Watchdog watchdog(std::string("laying out ") + join.name, std::chrono::seconds(120));
        TAccessBox* box = CreateForm<TAccessBox>();
        EXPECT_EQ(box->rtfText->wordWrapMode(), QTextOption::WrapAnywhere);
        EXPECT_GT(layOut(*box->rtfText), 1000);
        TForm::Free(box);
    }
}

TEST_F(BookTest, HugeLettersAreReadAtAPageSizeAndLaidOutAtOnce) {
    DataFolder data;
    QByteArray rtf = "{\\rtf1\\fs32767 ";
    for (int i = 0; i < 5000; ++i)
        rtf += "W ";
    data.replace("Copyrght.rtf", rtf);
    const Watchdog watchdog("laying out 5000 huge letters", std::chrono::seconds(120));
    dialogs.answerModal = [&](TForm& form) {
        TRichEditControl& credits = *dynamic_cast<TAboutBox&>(form).rtfCredits;
        credits.SetSelStart(0);
        credits.SetSelLength(1);
        EXPECT_EQ(credits.SelCharFormat().Height_twips, 144 * 20);
        EXPECT_GT(layOut(credits), 100);
        return int(mrOk);
    };
    book->mnitAbout->trigger();
    EXPECT_TRUE(dialogs.exceptions.empty());
}

TEST_F(BookTest, AnAccessibilityFileThatIsAFolderNamesTheCause) {
    DataFolder data;
    QFile::remove(data.dir.filePath("Access.rtf"));
    ASSERT_TRUE(QDir(data.dir.path()).mkdir("Access.rtf"));
    try {
        TForm::Free(CreateForm<TAccessBox>());
        FAIL() << "a folder read as a file";
    } catch (const EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find("Access.rtf\". Is a directory."), std::string::npos)
            << e.what();
    }
}
