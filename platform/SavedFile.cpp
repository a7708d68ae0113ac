// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "SavedFile.h"

#include "RegularFile.h"

#include <QFile>

QString CauseClause(const AnsiString& cause) {
    QString clause = QString::fromLocal8Bit(cause);
    if (clause.isEmpty())
        return clause;
    clause[0] = clause[0].toLower();
    if (clause.endsWith('.'))
        clause.chop(1);
    return clause;
}

QString SaveWholeFile(const QString& path, std::string_view bytes) {
    return CauseClause(WriteRegularFile(QFile::encodeName(path).toStdString(), bytes));
}

QString SaveWholeFile(const QString& path, const QByteArray& bytes) {
    return SaveWholeFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}
