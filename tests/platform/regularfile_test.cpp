// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "RegularFile.h"

#include "Watchdog.h"

#include <QDir>
#include <QFile>
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
