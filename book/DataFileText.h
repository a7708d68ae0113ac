// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Fills a dialog's text box from one of the book's data files.

#include "AnsiString.h"

class TRichEditControl;

// Streams the data file into the box, in the book's language where the book has the file
// in it ("Access.de.rtf" beside "Access.rtf"); an empty file shows a line saying so rather
// than a blank box. Raises EFOpenError when the file cannot be read.
void StreamInDataFile(TRichEditControl& box, const AnsiString& name);
