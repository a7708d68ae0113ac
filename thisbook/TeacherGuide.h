// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The teacher's guide, a PDF written from the chapters themselves: for every chapter of the
// chapter table its aims and misconceptions and, on every page that asks something, the page's
// text with its question, the accepted answer and tolerance, the hint and the conclusion, as the
// chapter writes them; then the hidden stars of the observing chapter and the observing run's
// mystery stars, each with its true elements and the fit its measurements support.

#include <QString>
#include <memory>

class QTextDocument;
class TThisBook;

// The guide's text. Opens every chapter in `book` in turn and leaves the contents page shown.
std::unique_ptr<QTextDocument> TeacherGuideText(TThisBook& book);

// Writes the guide to a PDF file; returns an empty text, or the reason it could not be written.
QString WriteTeacherGuide(TThisBook& book, const QString& path);
