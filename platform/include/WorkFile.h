// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The file in which the book keeps a student's work: a JSON object with the format's name
// and version beside the parts it holds, each an object of its own. Reading takes the whole
// file through ReadRegularFile (at most MaxWorkFileBytes), refuses one of more than
// MaxWorkFileValues values before it is parsed, and another format or version before any
// part is looked at; writing goes beside the file and is renamed over it
// once whole, so a failure leaves an earlier file as it was. The readers of the parts check
// every field with TWorkFields, which names the field at fault in its refusal.

#include "AnsiString.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <cstddef>
#include <stdexcept>

constexpr const char* WorkFormatName = "doppler-spectroscopy-work";
constexpr int WorkFormatVersion = 1;
// Room for the largest observing run the window takes, with a quarter to spare: 100 000
// measurements of 64 instruments saved as 17.3 MB, and its fits. A larger file is refused
// before it is parsed, which for junk of this size already takes the window seconds.
constexpr qsizetype MaxWorkFileBytes = 24 * 1024 * 1024;
// Twice the values of that run (five a measurement): a file of more tiny values, which would
// take seconds to parse, is refused after a scan of its bytes.
constexpr std::size_t MaxWorkFileValues = 1'000'000;

// A file the book does not take, with the reason as a sentence for the user.
class EWorkFileRefusal : public std::runtime_error {
public:
    explicit EWorkFileRefusal(const QString& reason);
    QString Reason() const { return QString::fromUtf8(what()); }
};

// The parts of a work file (for example "system", "observingRun") read from path. Raises
// EWorkFileRefusal when the file cannot be read, is no JSON object, or is of another format
// or version.
QJsonObject ReadWorkFile(const QString& path);
// The parts of a work file's text, refused as ReadWorkFile refuses a file's.
QJsonObject WorkFileParts(const AnsiString& bytes);
// The text of a work file holding `parts`.
QByteArray WorkFileText(const QJsonObject& parts);
// Writes a work file holding `parts`; the reason it failed, or an empty text.
QString WriteWorkFile(const QString& path, const QJsonObject& parts);

// Reads the fields of one object of a work file; a missing field, one of the wrong type or
// one outside its range raises EWorkFileRefusal naming it by its path ("system.planets[2].a").
class TWorkFields {
public:
    TWorkFields(const QJsonObject& object, QString path);

    double Number(const char* key, double min, double max) const;
    // A number that may also be "inf" or "-inf" (JSON has no infinities).
    double ExtendedNumber(const char* key) const;
    int Integer(const char* key, int min, int max) const;
    bool Boolean(const char* key) const;
    QString Text(const char* key, qsizetype maxLength) const;
    QJsonArray Array(const char* key, qsizetype maxSize) const;
    TWorkFields Object(const char* key) const;
    // The object at `index` of an array read from `key`.
    TWorkFields Element(const QJsonArray& array, const char* key, qsizetype index) const;
    // The path of a field, for messages.
    QString PathOf(const char* key) const;
    [[noreturn]] void Refuse(const char* key, const QString& why) const;

private:
    QJsonValue Field(const char* key) const;

    QJsonObject object_;
    QString path_;
};

// A number as ExtendedNumber reads it.
QJsonValue ExtendedNumberValue(double value);
