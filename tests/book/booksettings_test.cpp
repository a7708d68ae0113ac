// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// What the book remembers between starts, and what it makes of a file it did not write.

#include "book/BookSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(BookSettings, TheZoomAndTheAccessibilityOptionsComeBackAsWritten) {
    QTemporaryDir dir;
    const QString file = dir.filePath("book.conf");
    EXPECT_EQ(ReadBookSettings(file), TBookSettings{}) << "nothing written: fit, no options";
    for (const TBookSettings& settings :
         {TBookSettings{.Zoom = 175, .SystemColours = true, .ScreenReader = false},
          TBookSettings{.Zoom = std::nullopt, .SystemColours = false, .ScreenReader = true}}) {
        WriteBookSettings(file, settings);
        EXPECT_EQ(ReadBookSettings(file), settings);
    }
}

TEST(BookSettings, AValueThatDoesNotReadCountsAsNeverWritten) {
    QTemporaryDir dir;
    for (const char* zoom : {"abc", "9999", "10", "", "150px"}) {
        SCOPED_TRACE(zoom);
        QFile file(dir.filePath("book.conf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("[View]\nZoom=") + zoom +
                   "\n[Accessibility]\nSystemColours=yes please\nScreenReader=true\n");
        file.close();
        const TBookSettings read = ReadBookSettings(file.fileName());
        EXPECT_FALSE(read.Zoom.has_value());
        EXPECT_FALSE(read.SystemColours);
        EXPECT_TRUE(read.ScreenReader);
    }
}
