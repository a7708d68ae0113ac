// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The accessibility options dialog: the system's colours instead of the book's own, and
// text boxes that the keyboard focus (and so a screen reader) can enter. One dialog
// lives for the whole run; the book and the chapters read its check boxes.

#include "TForm.h"
#include "TImageList.h"
#include "oBitBtn.h"

#include <QCheckBox>
#include <memory>

class TRichEditControl;

class TAccessBox : public TForm {
public:
    // Loads the explanation from "Access.rtf"; raises EFOpenError when it is missing.
    TAccessBox();
    ~TAccessBox() override;

    TRichEditControl* rtfText = nullptr;
    QCheckBox* WinCheck = nullptr;
    QCheckBox* TabCheck = nullptr;
    oBitBtn* CancelButton = nullptr;
    oBitBtn* OKButton = nullptr;
    std::unique_ptr<TImageList> ImageList2;

    void FormCreate();
};

// The dialog made at start-up, or nullptr before it exists.
TAccessBox* AccessBox();
