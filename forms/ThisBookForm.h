// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of this book's main window: splash screen, contents page, chapter buttons.

class TThisBook;

void DefineThisBookForm(TThisBook& f);
