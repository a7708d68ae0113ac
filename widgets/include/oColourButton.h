// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A push button whose face is a flat swatch of its own colour with a drawn 3-D edge,
// for picking colours.

#include "oCustomButton.h"

class oColourButton : public oCustomButton {
public:
    explicit oColourButton(QWidget* owner = nullptr);

    // The swatch colour; while ParentColor is set the button follows its parent's colour.
    void SetColor(TColor color);
    TColor Color() const;
    void SetParentColor(bool follow);
    bool ParentColor() const { return parentColor_; }

    void DrawFace(TCanvas& canvas, const TDrawItemStruct& item) override;
    void DrawFocus(TCanvas& canvas, const TDrawItemStruct& item) override;

private:
    TColor color_ = clWindow;
    bool parentColor_ = true;
};
