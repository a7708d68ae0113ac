// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// An off-screen image with its own canvas. The canvas stays open between calls; the
// image is read through Image(), which first draws whatever the canvas still holds.
// Sizes and positions are logical pixels; a bitmap made for a screen of a higher device
// pixel ratio holds that many more pixels and is drawn at the screen's resolution.

#include "TCanvas.h"
#include "TGraphic.h"

#include <QImage>
#include <memory>

class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    TBitmap(int width, int height, qreal devicePixelRatio = 1.0) : ratio_(devicePixelRatio) {
        SetSize(width, height);
    }
    explicit TBitmap(const QImage& image);
    // Copies and moves take the picture; the canvas, which draws on one image, stays behind.
    TBitmap(const TBitmap& other)
        : image_(other.Image()), ratio_(other.ratio_), width_(other.width_),
          height_(other.height_) {}
    TBitmap(TBitmap&& other) noexcept;
    TBitmap& operator=(TBitmap other) noexcept;
    ~TBitmap() override;

    void SetSize(int width, int height);
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    qreal DevicePixelRatio() const { return ratio_; }
    bool Empty() const { return image_.isNull(); }

    TCanvas& Canvas();
    const QImage& Image() const;
    // The colour at logical (x, y); outside the bitmap, clNone.
    TColor Pixel(int x, int y) const;

    void Draw(TCanvas& canvas, const QRect& r) const override;

private:
    QImage image_;
    qreal ratio_ = 1.0;
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<TCanvas> canvas_;
};
