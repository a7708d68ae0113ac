// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the book window's base form: client area, contents panel, menus.

class TCustomBook;

void DefineCustomBookForm(TCustomBook& f);
