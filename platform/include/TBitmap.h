#pragma once
// An off-screen image with its own canvas. The canvas stays open between calls; the
// image is read through Image(), which first draws whatever the canvas still holds.

#include "TCanvas.h"
#include "TGraphic.h"

#include <QImage>
#include <memory>

class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    TBitmap(int width, int height) { SetSize(width, height); }
    explicit TBitmap(const QImage& image);
    // Copies and moves take the picture; the canvas, which draws on one image, stays behind.
    TBitmap(const TBitmap& other) : image_(other.Image()) {}
    TBitmap(TBitmap&& other) noexcept;
    TBitmap& operator=(TBitmap other) noexcept;
    ~TBitmap() override;

    void SetSize(int width, int height);
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    bool Empty() const { return image_.isNull(); }

    TCanvas& Canvas();
    const QImage& Image() const;
    // The colour at (x, y); outside the bitmap, clNone.
    TColor Pixel(int x, int y) const;

    void Draw(TCanvas& canvas, const QRect& r) const override;

private:
    QImage image_;
    std::unique_ptr<TCanvas> canvas_;
};
