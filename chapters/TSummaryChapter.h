// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The closing page: where the reader can go from here.

#include "book/TThisChapter.h"

class TSummaryChapter : public TThisChapter {
public:
    explicit TSummaryChapter(TCustomBook* owner);
    void ShowPage() override;
    void WritePageText() override;
    void WriteTeacherNotes(TRichEditControl& t) override;
};
