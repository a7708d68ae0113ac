// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oBitBtn.h"

oBitBtn::oBitBtn(QWidget* owner) : oCustomButton(owner) {}

void oBitBtn::SetImages(const TImageList* images) {
    images_ = images;
    if (images) {
        NumGlyphs = std::min(images->Count(), 4);
        setFixedSize(images->Width(), images->Height());
    }
    update();
}

oBitBtn::Face oBitBtn::ChooseFace(bool pressed, bool disabled, bool checked) const {
    if (disabled)
        return {NumGlyphs > 1 ? 1 : 0, 0};
    if (pressed)
        return NumGlyphs > 2 ? Face{2, 0} : Face{0, 1};
    if (checked) {
        if (NumGlyphs > 3)
            return {3, 0};
        return NumGlyphs > 2 ? Face{2, 0} : Face{0, 1};
    }
    return {0, 0};
}

void oBitBtn::DrawFace(TCanvas& canvas, const TDrawItemStruct& item) {
    const State s = Decode(item);
    const Face face = ChooseFace(s.pressed, s.disabled, s.checked);
    if (!images_) {
        canvas.Brush.Color = clBlack;
        canvas.FrameRect(item.rcItem);
        return;
    }
    canvas.SaveState();
    images_->Draw(canvas, item.rcItem.left() + face.shift, item.rcItem.top() + face.shift,
                  ImageIndex + face.offset);
    canvas.RestoreState();
}

void oBitBtn::DrawFocus(TCanvas& canvas, const TDrawItemStruct& item) {
    if (item.itemState & ODS_FOCUS)
        DrawFocusFrame(canvas, item.rcItem, FocusMargin);
}
