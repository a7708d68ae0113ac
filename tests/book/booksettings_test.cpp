// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// What the book remembers between starts, and what it makes of a file it did not write.

#include "book/BookSettings.h"

#include "FileSizeLimit.h"
#include "Watchdog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(BookSettings, TheZoomTheLanguageAndTheColoursComeBackAsWrittenUntilForgotten) {
    QTemporaryDir dir;
    const QString file = dir.filePath("book.conf");
    EXPECT_EQ(ReadBookSettings(file), TBookSettings{}) << "nothing written: fit, no options";
    for (const TBookSettings& settings : {TBookSettings{.Zoom = 175, .SystemColours = true, .Language = "pseudo"},
                                          TBookSettings{.Zoom = std::nullopt, .SystemColours = false}}) {
        EXPECT_EQ(WriteBookSettings(file, settings), QString());
        EXPECT_EQ(ReadBookSettings(file), settings);
    }
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_FALSE(written.readAll().contains("ScreenReader")) << "the next user's is their own";
    written.close();
    EXPECT_EQ(ForgetBookSettings(file), QString());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(ForgetBookSettings(file), QString()) << "nothing kept is nothing to forget";
    // A link at the path goes, what it points to stays.
    const QString target = dir.filePath("target.conf");
    ASSERT_EQ(WriteBookSettings(target, {.Zoom = 150}), QString());
    ASSERT_EQ(::symlink("target.conf", file.toLocal8Bit().constData()), 0);
    EXPECT_EQ(ForgetBookSettings(file), QString());
    EXPECT_FALSE(QFileInfo(file).isSymLink());
    EXPECT_EQ(ReadBookSettings(target).Zoom, 150);
    QDir(dir.path()).mkdir("folder.conf");
    EXPECT_NE(ForgetBookSettings(dir.filePath("folder.conf")), QString());
}

TEST(BookSettings, AValueThatDoesNotReadCountsAsNeverWritten) {
    QTemporaryDir dir;
    for (const char* zoom : {"abc", "9999", "10", "", "150px"}) {
        SCOPED_TRACE(zoom);
        QFile file(dir.filePath("book.conf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("[View]\nZoom=") + zoom + "\nLanguage=xx" +
                   "\n[Accessibility]\nSystemColours=yes please\nScreenReader=true\n");
        file.close();
        const TBookSettings read = ReadBookSettings(file.fileName());
        EXPECT_FALSE(read.Zoom.has_value());
        EXPECT_FALSE(read.Language.has_value()) << "a language the book does not speak";
        EXPECT_FALSE(read.SystemColours);
    }
}

// The settings path is the user's to fill: a pipe there cannot hold the start, and on quitting
// the book writes through no link and over nothing but a regular file, nor leaves a
// part-written file where the disk is full.
TEST(BookSettings, OnlyARegularFileIsReadOrReplaced) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.conf");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const QString toDevice = dir.filePath("zero.conf");
    ASSERT_EQ(::symlink("/dev/zero", toDevice.toLocal8Bit().constData()), 0);
    const QString toFile = dir.filePath("link.conf"), target = dir.filePath("target.conf");
    const TBookSettings chosen{.Zoom = 150, .SystemColours = true};
    ASSERT_EQ(WriteBookSettings(target, chosen), QString());
    ASSERT_EQ(::symlink("target.conf", toFile.toLocal8Bit().constData()), 0);
    {
        const Watchdog watchdog("reading a pipe as the settings", std::chrono::seconds(20));
        EXPECT_EQ(ReadBookSettings(pipe), TBookSettings{});
        EXPECT_EQ(WriteBookSettings(pipe, {}),
                  "The book's settings were not saved: not a regular file.");
    }
    EXPECT_EQ(WriteBookSettings(toDevice, {}),
              "The book's settings were not saved: it is a symbolic link, which the book does not "
              "write through.");
    EXPECT_EQ(WriteBookSettings(toFile, {}),
              "The book's settings were not saved: it is a symbolic link, which the book does not "
              "write through.");
    EXPECT_EQ(ReadBookSettings(target), chosen) << "the file behind the link is as it was";
    struct stat st {};
    ASSERT_EQ(::stat("/dev/zero", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    {
        const FileSizeLimit disk(16);
        EXPECT_EQ(WriteBookSettings(target, {}),
                  "The book's settings were not saved: file too large.");
    }
    EXPECT_EQ(ReadBookSettings(target), chosen);
}
