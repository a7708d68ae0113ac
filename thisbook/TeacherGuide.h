// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The teacher's guide, a PDF written from the chapters themselves: for every chapter of the
// chapter table its aims and misconceptions and, on every page that asks something, the page's
// text with its question, the accepted answer and tolerance, the hint and the conclusion, as the
// chapter writes them; then the hidden stars of the observing chapter and the observing run's
// mystery stars, each with its true elements and the fit its measurements support.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class QTextDocument;
class TThisBook;

// The seed whose answers the guide gives unless told another, so that two guides agree.
constexpr std::uint64_t DefaultGuideSeed = 1;

// The most seeds the class's table has rows for.
constexpr std::uint64_t MaxClassSize = 200;

struct TGuideOptions {
    // The seed of the answers stated on each page of a chapter whose data a seed draws.
    std::uint64_t seed = DefaultGuideSeed;
    // A class's seeds, first to last, for a table of each student's answers; none when 0.
    std::uint64_t firstSeed = 0, lastSeed = 0;
};

// Reads "--seed N" and "--seeds A-B" from the command line's arguments into `options`; the
// reason an argument was refused ("--seeds wants two seeds from 1 to 100000, as 101-130."),
// or an empty text.
QString ReadGuideOptions(const QStringList& arguments, TGuideOptions& options);

// The guide's text. Opens every chapter in `book` in turn and leaves the contents page shown.
std::unique_ptr<QTextDocument> TeacherGuideText(TThisBook& book, const TGuideOptions& options = {});

// Writes the guide to a PDF file; returns an empty text, or the reason it could not be written.
QString WriteTeacherGuide(TThisBook& book, const QString& path, const TGuideOptions& options = {});

// The students' worksheet: for every chapter that asks something, its questions page by page
// with room to write the answers, and a line for the name and the seed.
std::unique_ptr<QTextDocument> WorksheetText(TThisBook& book);
QString WriteWorksheet(TThisBook& book, const QString& path);
