// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A push button whose face is an image from an image list, one image per visual state:
// normal, disabled, pressed and checked, in that order from ImageIndex.

#include "TImageList.h"
#include "oCustomButton.h"

class oBitBtn : public oCustomButton {
public:
    explicit oBitBtn(QWidget* owner = nullptr);

    // Takes the list's image size and up to four of its images as the state group.
    void SetImages(const TImageList* images);
    const TImageList* Images() const { return images_; }

    // Index of the first image of this button's group.
    int ImageIndex = 0;
    // How many state images the group has (1 to 4).
    int NumGlyphs = 1;
    // Inset in pixels of the focus rectangle from the button's edge.
    int FocusMargin = 4;

    void DrawFace(TCanvas& canvas, const TDrawItemStruct& item) override;
    void DrawFocus(TCanvas& canvas, const TDrawItemStruct& item) override;

    // The image offset and pixel shift that a state selects.
    struct Face {
        int offset;
        int shift;
    };
    Face ChooseFace(bool pressed, bool disabled, bool checked) const;

private:
    const TImageList* images_ = nullptr;
};
