// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the chapter window's base form: size, colour and font.

class TCustomChapter;

void DefineCustomChapterForm(TCustomChapter& f);
