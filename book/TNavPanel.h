// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The back and forward buttons at the bottom left of the book window, above the chapter.

#include "TForm.h"
#include "TImageList.h"
#include "oBitBtn.h"

#include <memory>

class TCustomBook;

class TNavPanel : public TForm {
public:
    explicit TNavPanel(TCustomBook* owner);

    oBitBtn* BackButton = nullptr;
    oBitBtn* NextButton = nullptr;
    std::unique_ptr<TImageList> NavImages;
    // The book whose pages the buttons turn; not owned.
    TCustomBook* Book = nullptr;

    void BackButtonClick();
    void NextButtonClick();
};
