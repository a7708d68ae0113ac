// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A caption drawn straight onto its parent: a non-windowed control, so a control below it
// that composes its own image (a double-buffered paint box) can show it too. The label
// takes the size of its caption.

#include "AnsiString.h"
#include "TFont.h"
#include "TGraphicControl.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(QWidget* parent = nullptr);

    void SetCaption(const AnsiString& caption);
    const AnsiString& Caption() const { return caption_; }
    void SetFont(const TFont& font);
    const TFont& Font() const { return font_; }
    // Without transparency the label fills its area with Color first.
    void SetTransparent(bool transparent);
    void SetColor(TColor color);

protected:
    void Paint() override;

private:
    void fitToCaption();

    AnsiString caption_;
    TFont font_;
    bool transparent_ = true;
    TColor color_ = clBtnFace;
};
