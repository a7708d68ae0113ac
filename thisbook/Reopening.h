// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The book opened by start-up, and reopened at a new zoom: at the reader's place, with the
// work open before (the free experiment's system, the observing run) taken over from a file
// of its own in the temporary folder that the reopened book reads and removes.

#include "book/BookSettings.h"

#include <QJsonObject>
#include <QString>
#include <string>
#include <string_view>

class TThisBook;

// The option that names the work file kept for the reopened book.
inline constexpr std::string_view ResumeWorkOption = "--resume-work=";

// Writes `work` into a new file in the temporary folder; the option that names it, or an
// empty text when there is nothing to keep or it could not be written (which is said).
std::string KeepWorkForRestart(const QJsonObject& work);

// Shows the book at the place that --resume= names, or with the reader's `settings`, then
// takes over the work that the last --resume-work= names. A work file this program wrote
// (one of its own name in the temporary folder) is removed; a refused one is said, with
// its reason.
void OpenBook(TThisBook& book, int argc, char* argv[], const TBookSettings& settings);
