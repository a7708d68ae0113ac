// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The About box's page on the published measurements that come with the book, as RTF in the
// look of the acknowledgements page: the origin and licence note of their README, then for
// each star the papers its files' headers name, with the instruments and measurements each
// paper gave. Written from the installed files, so a file added to the data set is credited
// without a word here.

#include "AnsiString.h"

// The page; when the files cannot be found or read it says so, naming the cause.
AnsiString BundledDataCreditsRtf();
