#include "DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const char* content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

TEST(DataFiles, TheCurrentDirectoryComesBeforeTheProgramsFolder) {
    const QString name = "OrderProbe.rtf";
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    Write(beside, "beside the program");
    QTemporaryDir elsewhere;
    const QString home = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    Write(QDir(elsewhere.path()).filePath(name), "current directory");

    EXPECT_EQ(ReadDataFile(name.toStdString()), "current directory");
    QFile::remove(QDir(elsewhere.path()).filePath(name));
    EXPECT_EQ(ReadDataFile(name.toStdString()), "beside the program");
    QFile::remove(beside);
    EXPECT_THROW(ReadDataFile(name.toStdString()), EFOpenError);
    QDir::setCurrent(home);
}

TEST(DataFiles, LookedUpInTheChosenFoldersInOrder) {
    QTemporaryDir first, second;
    QFile a(second.filePath("Notes.rtf"));
    ASSERT_TRUE(a.open(QIODevice::WriteOnly));
    a.write("{\\rtf1 second}");
    a.close();
    SetDataFolders({first.path().toStdString(), second.path().toStdString()});
    EXPECT_EQ(ReadDataFile("Notes.rtf"), "{\\rtf1 second}");
    QFile b(first.filePath("Notes.rtf"));
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    b.write("first");
    b.close();
    EXPECT_EQ(ReadDataFile("Notes.rtf"), "first");
    EXPECT_THROW(ReadDataFile("Missing.rtf"), EFOpenError);
    SetDataFolders({});
}
