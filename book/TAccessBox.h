// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The accessibility options dialog: the system's colours instead of the book's own, and
// text boxes that the keyboard focus (and so a screen reader) can enter; and the way to forget
// what the book keeps between starts. One dialog lives for the whole run; the book and the
// chapters read its check boxes.

#include "TForm.h"
#include "TImageList.h"
#include "oBitBtn.h"

#include <QCheckBox>
#include <QPushButton>
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
    QPushButton* ForgetButton = nullptr;
    oBitBtn* CancelButton = nullptr;
    oBitBtn* OKButton = nullptr;
    std::unique_ptr<TImageList> ImageList2;

    // Set once the settings file is removed: the book then writes none when it closes.
    bool SettingsForgotten = false;

    void FormCreate();
    void ForgetButtonClick();
};

// The dialog made at start-up, or nullptr before it exists.
TAccessBox* AccessBox();
