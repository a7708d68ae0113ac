// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TBitmap.h"

TBitmap::TBitmap(const QImage& image)
    : image_(image.convertToFormat(QImage::Format_RGB32)), ratio_(image.devicePixelRatio()) {
    const QSize logical = image_.deviceIndependentSize().toSize();
    width_ = logical.width();
    height_ = logical.height();
}

TBitmap::TBitmap(TBitmap&& other) noexcept
    : ratio_(other.ratio_), width_(other.width_), height_(other.height_) {
    other.canvas_.reset();
    image_ = std::move(other.image_);
}

TBitmap& TBitmap::operator=(TBitmap other) noexcept {
    canvas_.reset();
    other.canvas_.reset();
    image_ = std::move(other.image_);
    ratio_ = other.ratio_;
    width_ = other.width_;
    height_ = other.height_;
    return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (!image_.isNull() && width_ == width && height_ == height)
        return;
    // The canvas stays valid for its users; only its painter ends with the old image.
    if (canvas_)
        canvas_->Release();
    QImage resized(qRound(width * ratio_), qRound(height * ratio_), QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio_);
    resized.fill(Qt::white);
    image_ = resized;
    width_ = width;
    height_ = height;
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_)
        canvas_ = std::make_unique<TCanvas>(&image_);
    return *canvas_;
}

const QImage& TBitmap::Image() const {
    if (canvas_)
        canvas_->Flush();
    return image_;
}

TColor TBitmap::Pixel(int x, int y) const {
    const QImage& img = Image();
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return clNone;
    return fromQColor(QColor(img.pixel(int(x * ratio_), int(y * ratio_))));
}

void TBitmap::Draw(TCanvas& canvas, const QRect& r) const {
    if (r.width() == width_ && r.height() == height_)
        canvas.DrawImage(r.left(), r.top(), Image());
    else
        canvas.StretchDrawImage(r, Image());
}
