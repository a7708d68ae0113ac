// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TKeyEdit.h"

#include <QTest>
#include <gtest/gtest.h>
#include <string>

TEST(KeyEdit, TheHandlerSeesEachCharacterAndMaySwallowOrReplaceIt) {
    TKeyEdit edit;
    std::string seen;
    edit.OnKeyPress = [&](QObject* sender, char& key) {
        EXPECT_EQ(sender, &edit);
        seen += key;
        if (key == 'x')
            key = 0;
        else if (key == ',')
            key = '.';
    };
    QTest::keyClicks(&edit, "4x,5");
    EXPECT_EQ(edit.text().toStdString(), "4.5");
    EXPECT_EQ(seen, "4x,5");

    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(seen, "4x,5\b\r");
    EXPECT_EQ(edit.text().toStdString(), "4.");

    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, '9');
    EXPECT_EQ(edit.text().toStdString(), "49.") << "arrows move the caret unfiltered";
}
