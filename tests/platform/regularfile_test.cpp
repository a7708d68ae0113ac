// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "RegularFile.h"

#include "FileSizeLimit.h"
#include "Watchdog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The cause of the refusal to read that path, or "read" when it was read.
std::string CauseReading(const std::string& path, std::size_t maxBytes) {
    try {
        ReadRegularFile(path, maxBytes);
    } catch (const EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << "names the path";
        return e.Cause();
    }
    return "read";
}

} // namespace

// Entries a user may pick where a file of measurements is wanted: each is refused at once
// with its cause, and nothing endless is read.
TEST(RegularFile, AnythingButARegularFileIsRefusedAtOnceWithItsCause) {
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("pipe").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        const char* cause;
    } cases[] = {
        {"/dev/zero", "Not a regular file."},
        {"/dev/urandom", "Not a regular file."},
        {fifo, "Not a regular file."}, // a pipe without a writer does not hold the open
        {dir.path().toStdString(), "Is a directory."},
        {dir.filePath("missing.csv").toStdString(), "No such file or directory."},
    };
    const Watchdog watchdog("reading special files", std::chrono::seconds(20));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(CauseReading(c.path, 1'000'000), c.cause);
    }
}

TEST(RegularFile, AFileThatMayNotBeReadSaysSo) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    QTemporaryDir dir;
    const QString path = dir.filePath("secret.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0,1,1\n");
    file.close();
    ASSERT_TRUE(file.setPermissions(QFileDevice::WriteOwner));
    EXPECT_EQ(CauseReading(path.toStdString(), 100), "Permission denied.");
}

// The cap holds against what is read, not what the file system states: the kernel's own
// files state a size of 0 and still hold text.
TEST(RegularFile, TheCapCountsTheBytesReadNotTheStatedSize) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("full.csv").toStdString();
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1000, '#'));
    file.close();
    EXPECT_EQ(ReadRegularFile(path, 1000), std::string(1000, '#'));
    EXPECT_EQ(CauseReading(path, 999), "File too large (over 999 bytes).");

    struct stat st {};
    ASSERT_EQ(::stat("/proc/self/status", &st), 0);
    ASSERT_EQ(st.st_size, 0) << "the case this test stands for";
    EXPECT_NE(ReadRegularFile("/proc/self/status", 1'000'000).find("Name:"), std::string::npos);
    EXPECT_EQ(CauseReading("/proc/self/status", 20), "File too large (over 20 bytes).");
}

namespace {

std::string Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(none)";
}

// The entries of a folder, hidden ones too: a failed write leaves no part-written file.
QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace

// A write that cannot finish (here the file-size limit stands in for a full disk: the kernel
// refuses the bytes past it) says why and leaves the earlier file byte for byte as it was;
// one that can replaces it whole and keeps its permissions.
TEST(RegularFileWriting, AFailedWriteKeepsTheOldFileAndAWholeOneReplacesIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath("work.json");
    const std::string old(3000, 'o');
    ASSERT_EQ(WriteRegularFile(path.toStdString(), old), "");
    ASSERT_EQ(::chmod(path.toUtf8().constData(), 0640), 0);
    for (const std::size_t size : {4097u, 100'000u}) {
        SCOPED_TRACE(size);
        const FileSizeLimit disk(4096);
        EXPECT_EQ(WriteRegularFile(path.toStdString(), std::string(size, 'n')), "File too large.");
    }
    EXPECT_EQ(Bytes(path), old);
    EXPECT_EQ(Entries(dir.path()), QStringList{"work.json"});

    ASSERT_EQ(WriteRegularFile(path.toStdString(), "new"), "");
    EXPECT_EQ(Bytes(path), "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.toUtf8().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(Entries(dir.path()), QStringList{"work.json"});
    EXPECT_EQ(WriteRegularFile(dir.filePath("no folder/work.json").toStdString(), "x"),
              "No such file or directory.");
}

// A link the user chose is written through, the link kept; the book's own files are never
// written through a link, and nothing but a regular file is ever replaced.
TEST(RegularFileWriting, LinksAreFollowedOnlyWhenAskedAndNothingButAFileIsReplaced) {
    QTemporaryDir dir;
    const std::string target = dir.filePath("target.csv").toStdString();
    const std::string link = dir.filePath("link.csv").toStdString();
    ASSERT_EQ(WriteRegularFile(target, "old"), "");
    ASSERT_EQ(::symlink("target.csv", link.c_str()), 0);
    EXPECT_EQ(WriteRegularFile(link, "through", TLinkRule::Refuse),
              "It is a symbolic link, which the book does not write through.");
    EXPECT_EQ(Bytes(QString::fromStdString(target)), "old");
    EXPECT_EQ(WriteRegularFile(link, "through"), "");
    EXPECT_EQ(Bytes(QString::fromStdString(target)), "through");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(link)).isSymLink());

    const std::string fifo = dir.filePath("pipe").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string toDevice = dir.filePath("zero").toStdString();
    ASSERT_EQ(::symlink("/dev/zero", toDevice.c_str()), 0);
    const Watchdog watchdog("writing over special files", std::chrono::seconds(20));
    EXPECT_EQ(WriteRegularFile(fifo, "x"), "Not a regular file.");
    EXPECT_EQ(WriteRegularFile(toDevice, "x"), "Not a regular file.");
    EXPECT_EQ(WriteRegularFile(dir.path().toStdString(), "x"), "Is a directory.");
    struct stat st {};
    ASSERT_EQ(::stat("/dev/zero", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(RegularFileWriting, AFolderThatMayNotBeWrittenSaysSo) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes in every folder";
    QTemporaryDir dir;
    const QString path = dir.filePath("work.json");
    ASSERT_EQ(WriteRegularFile(path.toStdString(), "old"), "");
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(WriteRegularFile(path.toStdString(), "new"), "Permission denied.");
    EXPECT_EQ(Bytes(path), "old");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
}
