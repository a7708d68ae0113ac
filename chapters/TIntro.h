// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Chapter 1: the Doppler effect and how it reveals unseen companions of a star.

#include "book/TThisChapter.h"

class TIntro : public TThisChapter {
public:
    explicit TIntro(TCustomBook* owner);
    void ShowPage() override;
    void WritePageText() override;
    void WriteTeacherNotes(TRichEditControl& t) override;
};
