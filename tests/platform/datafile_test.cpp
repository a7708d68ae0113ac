// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

void Write(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// The file error's text for reading that name.
std::string ErrorReading(const std::string& name) {
    try {
        ReadDataFile(name);
    } catch (const EFOpenError& e) {
        return e.what();
    }
    return "no error";
}

class ChosenFolder : public ::testing::Test {
protected:
    void SetUp() override { SetDataFolders({dir.path().toStdString()}); }
    void TearDown() override { SetDataFolders({}); }
    QString path(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

} // namespace

TEST(DataFiles, TheProgramsFolderComesFirstAndTheCurrentDirectoryLast) {
    const QString name = "OrderProbe.rtf";
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QTemporaryDir elsewhere;
    const QString home = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    Write(QDir(elsewhere.path()).filePath(name), "current directory");
    EXPECT_EQ(ReadDataFile(name.toStdString()), "current directory") << "found there at last";

    Write(beside, "beside the program");
    EXPECT_EQ(ReadDataFile(name.toStdString()), "beside the program")
        << "a stray file in the current directory does not replace the book's own";
    QFile::remove(beside);
    QFile::remove(QDir(elsewhere.path()).filePath(name));
    const std::string error = ErrorReading(name.toStdString());
    EXPECT_NE(error.find("No such file or directory."), std::string::npos) << error;
    EXPECT_NE(error.find(QCoreApplication::applicationDirPath().toStdString()), std::string::npos)
        << "names the folders searched: " << error;
    QDir::setCurrent(home);
}

TEST(DataFiles, AFolderSearchedTwiceIsNamedOnce) {
    const QString home = QDir::currentPath();
    const std::string program = QCoreApplication::applicationDirPath().toStdString();
    const auto count = [](const std::string& text, const std::string& part) {
        int n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos;
             at = text.find(part, at + part.size()))
            ++n;
        return n;
    };
    // Run from the program's own folder, spelt with a trailing slash and a detour.
    ASSERT_TRUE(QDir::setCurrent(QCoreApplication::applicationDirPath() + "/../" +
                                 QFileInfo(QCoreApplication::applicationDirPath()).fileName() + "/"));
    const std::string error = ErrorReading("NoSuchProbe.rtf");
    QDir::setCurrent(home);
    EXPECT_EQ(count(error, program + ","), 1) << error;
    EXPECT_EQ(count(error, program + "."), 0) << error;

    QTemporaryDir chosen;
    SetDataFolders({chosen.path().toStdString(), chosen.path().toStdString() + "/./"});
    const std::string twice = ErrorReading("NoSuchProbe.rtf");
    SetDataFolders({});
    EXPECT_EQ(twice, "Cannot open file \"NoSuchProbe.rtf\". No such file or directory. Looked in: " +
                         chosen.path().toStdString() + ".");
}

TEST(DataFiles, LookedUpInTheChosenFoldersInOrder) {
    QTemporaryDir first, second;
    Write(second.filePath("Notes.rtf"), "{\\rtf1 second}");
    SetDataFolders({first.path().toStdString(), second.path().toStdString()});
    EXPECT_EQ(ReadDataFile("Notes.rtf"), "{\\rtf1 second}");
    Write(first.filePath("Notes.rtf"), "first");
    EXPECT_EQ(ReadDataFile("Notes.rtf"), "first");
    EXPECT_THROW(ReadDataFile("Missing.rtf"), EFOpenError);
    SetDataFolders({});
}

TEST_F(ChosenFolder, AnEntryThatIsNoReadableFileIsRefusedWithItsCause) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.rtf"));
    ASSERT_TRUE(QFile::link(path("Loop.rtf"), path("Loop.rtf")));
    ASSERT_TRUE(QFile::link(path("Nowhere/x.rtf"), path("Dangling.rtf")));
    ASSERT_EQ(::mkfifo(path("Pipe.rtf").toLocal8Bit().constData(), 0600), 0);
    const struct {
        const char* name;
        const char* cause;
    } cases[] = {
        {"Folder.rtf", "Is a directory."},
        {"Loop.rtf", "Too many levels of symbolic links."},
        {"Dangling.rtf", "No such file or directory."},
        {"Pipe.rtf", "Not a regular file."}, // and does not wait for a writer
    };
    for (const auto& c : cases) {
        const std::string error = ErrorReading(c.name);
        SCOPED_TRACE(error);
        EXPECT_NE(error.find(c.cause), std::string::npos);
        EXPECT_NE(error.find(path(c.name).toStdString()), std::string::npos) << "names the path";
    }
}

TEST_F(ChosenFolder, DataFilesOverOneMegabyteAreRefused) {
    Write(path("Full.rtf"), QByteArray(int(MaxDataFileBytes), '{'));
    EXPECT_EQ(ReadDataFile("Full.rtf").size(), MaxDataFileBytes);
    Write(path("Over.rtf"), QByteArray(int(MaxDataFileBytes) + 1, '{'));
    EXPECT_NE(ErrorReading("Over.rtf").find("File too large"), std::string::npos);
    Write(path("Empty.rtf"), "");
    EXPECT_EQ(ReadDataFile("Empty.rtf"), "");
}
