// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TImageList.h"

#include "Precondition.h"
#include "TCanvas.h"

int TImageList::Add(const QImage& image) {
    PRECONDITION(image.deviceIndependentSize().toSize() == QSize(width_, height_));
    images_.push_back(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    Change();
    return Count() - 1;
}

void TImageList::Clear() {
    if (images_.empty())
        return;
    images_.clear();
    Change();
}

void TImageList::SetSize(int width, int height) {
    PRECONDITION(width > 0 && height > 0);
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    images_.clear();
    Change();
}

const QImage& TImageList::Image(int index) const {
    PRECONDITION(index >= 0 && index < Count());
    return images_[std::size_t(index)];
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
    if (index < 0 || index >= Count())
        return;
    canvas.DrawImage(x, y, images_[std::size_t(index)]);
}
