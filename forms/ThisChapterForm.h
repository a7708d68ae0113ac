// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the chapter window: text box, feedback panel, OK button and face lists.

class TThisChapter;

void DefineThisChapterForm(TThisChapter& f);
