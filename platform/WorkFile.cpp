// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "WorkFile.h"

#include "BookText.h"

#include "RegularFile.h"
#include "SavedFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLocale>
#include <cmath>
#include <limits>

namespace {

// The values of a JSON text, counted as the separators and containers outside strings: a
// bound a parse would reach only after seconds of work on a text of tiny values.
std::size_t JsonValuesAtLeast(const AnsiString& text) {
    std::size_t values = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == ',' || c == '[' || c == '{') {
            ++values;
        }
    }
    return values;
}

// Digits grouped by threes, as the book writes counts: "1 000 000".
QString Grouped(std::size_t count) {
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, ' ');
    return digits;
}

} // namespace

EWorkFileRefusal::EWorkFileRefusal(const QString& reason) : std::runtime_error(reason.toStdString()) {}

QJsonObject ReadWorkFile(const QString& path) {
    AnsiString bytes;
    try {
        bytes = ReadRegularFile(QFile::encodeName(path).toStdString(), std::size_t(MaxWorkFileBytes));
    } catch (const EFOpenError& e) {
        throw EWorkFileRefusal(BookText("Work file", "The file was not read: %1.").arg(CauseClause(e.Cause())));
    }
    return WorkFileParts(bytes);
}

QJsonObject WorkFileParts(const AnsiString& bytes) {
    if (JsonValuesAtLeast(bytes) > MaxWorkFileValues)
        throw EWorkFileRefusal(
            BookText("Work file", "The file is not a saved piece of work: it holds more than %1 "
                                  "values, more than any work the book saves.")
                .arg(Grouped(MaxWorkFileValues)));
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(bytes.data(), qsizetype(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError)
        throw EWorkFileRefusal(BookText("Work file", "The file is not a saved piece of work: at byte %1, %2.")
                                   .arg(error.offset)
                                   .arg(error.errorString()));
    if (!document.isObject())
        throw EWorkFileRefusal(
            BookText("Work file", "The file is not a saved piece of work: it holds no JSON object."));
    const QJsonObject root = document.object();
    if (root.value("format").toString() != WorkFormatName)
        throw EWorkFileRefusal(
            BookText("Work file", "The file is not a saved piece of work: its \"format\" is not \"%1\".")
                .arg(WorkFormatName));
    const QJsonValue version = root.value("version");
    if (!version.isDouble() || version.toDouble() != WorkFormatVersion)
        throw EWorkFileRefusal(
            BookText("Work file", "The file was saved by another version of the book (format "
                                  "version %1; this book reads version %2).")
                // In full: "1.0000001" is not version 1.
                .arg(version.isDouble()
                         ? QString::number(version.toDouble(), 'g', QLocale::FloatingPointShortest)
                         : BookText("Work file", "unknown", "a version number"))
                .arg(WorkFormatVersion));
    QJsonObject parts = root;
    parts.remove("format");
    parts.remove("version");
    return parts;
}

QByteArray WorkFileText(const QJsonObject& parts) {
    QJsonObject root = parts;
    root.insert("format", WorkFormatName);
    root.insert("version", WorkFormatVersion);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString WriteWorkFile(const QString& path, const QJsonObject& parts) {
    if (const QString cause = SaveWholeFile(path, WorkFileText(parts)); !cause.isEmpty())
        return BookText("Work file", "The work was not saved: %1.").arg(cause);
    return {};
}

TWorkFields::TWorkFields(const QJsonObject& object, QString path)
    : object_(object), path_(std::move(path)) {}

QString TWorkFields::PathOf(const char* key) const {
    return path_.isEmpty() ? QString(key) : path_ + '.' + key;
}

void TWorkFields::Refuse(const char* key, const QString& why) const {
    throw EWorkFileRefusal(BookText("Work file", "The file cannot be used: \"%1\" %2.",
                                    "%1 is a field of the file, %2 what is wrong with it")
                               .arg(PathOf(key), why));
}

QJsonValue TWorkFields::Field(const char* key) const {
    const QJsonValue value = object_.value(key);
    if (value.isUndefined())
        Refuse(key, BookText("Work file", "is missing"));
    return value;
}

double TWorkFields::Number(const char* key, double min, double max) const {
    const QJsonValue value = Field(key);
    if (!value.isDouble())
        Refuse(key, BookText("Work file", "is not a number"));
    const double x = value.toDouble();
    if (!(x >= min && x <= max))
        Refuse(key, BookText("Work file", "is %1, outside %2 to %3").arg(x).arg(min).arg(max));
    return x;
}

double TWorkFields::ExtendedNumber(const char* key) const {
    const QJsonValue value = Field(key);
    if (value.isString()) {
        if (value.toString() == "inf")
            return std::numeric_limits<double>::infinity();
        if (value.toString() == "-inf")
            return -std::numeric_limits<double>::infinity();
    }
    const double largest = std::numeric_limits<double>::max();
    return Number(key, -largest, largest);
}

int TWorkFields::Integer(const char* key, int min, int max) const {
    const double x = Number(key, min, max);
    if (x != std::floor(x))
        Refuse(key, BookText("Work file", "is not a whole number"));
    return int(x);
}

bool TWorkFields::Boolean(const char* key) const {
    const QJsonValue value = Field(key);
    if (!value.isBool())
        Refuse(key, BookText("Work file", "is not true or false"));
    return value.toBool();
}

QString TWorkFields::Text(const char* key, qsizetype maxLength) const {
    const QJsonValue value = Field(key);
    if (!value.isString())
        Refuse(key, BookText("Work file", "is not a text"));
    if (value.toString().size() > maxLength)
        Refuse(key, BookText("Work file", "is longer than %1 characters").arg(maxLength));
    return value.toString();
}

QJsonArray TWorkFields::Array(const char* key, qsizetype maxSize) const {
    const QJsonValue value = Field(key);
    if (!value.isArray())
        Refuse(key, BookText("Work file", "is not a list"));
    if (value.toArray().size() > maxSize)
        Refuse(key, BookText("Work file", "has more than %1 entries").arg(maxSize));
    return value.toArray();
}

TWorkFields TWorkFields::Object(const char* key) const {
    const QJsonValue value = Field(key);
    if (!value.isObject())
        Refuse(key, BookText("Work file", "is not an object"));
    return TWorkFields(value.toObject(), PathOf(key));
}

TWorkFields TWorkFields::Element(const QJsonArray& array, const char* key, qsizetype index) const {
    const QString path = QString("%1[%2]").arg(PathOf(key)).arg(index);
    if (index >= array.size() || !array.at(index).isObject())
        throw EWorkFileRefusal(
            BookText("Work file", "The file cannot be used: \"%1\" is not an object.").arg(path));
    return TWorkFields(array.at(index).toObject(), path);
}

QJsonValue ExtendedNumberValue(double value) {
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    return value;
}
