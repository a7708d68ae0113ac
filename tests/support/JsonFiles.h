// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Files of a test written and read back: raw bytes, and a JSON object with its keys.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <gtest/gtest.h>

inline QSet<QString> Keys(const QJsonObject& o) {
    const QStringList keys = o.keys();
    return QSet<QString>(keys.begin(), keys.end());
}

inline void WriteBytes(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

inline QJsonObject ReadJson(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(file.readAll()).object();
}
