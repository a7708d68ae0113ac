#include "TBitmap.h"

TBitmap::TBitmap(const QImage& image) : image_(image.convertToFormat(QImage::Format_RGB32)) {}

TBitmap::TBitmap(TBitmap&& other) noexcept {
    other.canvas_.reset();
    image_ = std::move(other.image_);
}

TBitmap& TBitmap::operator=(TBitmap other) noexcept {
    canvas_.reset();
    other.canvas_.reset();
    image_ = std::move(other.image_);
    return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    if (image_.width() == width && image_.height() == height)
        return;
    // The canvas stays valid for its users; only its painter ends with the old image.
    if (canvas_)
        canvas_->Release();
    QImage resized(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    resized.fill(Qt::white);
    image_ = resized;
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
    if (!img.valid(x, y))
        return clNone;
    return fromQColor(QColor(img.pixel(x, y)));
}

void TBitmap::Draw(TCanvas& canvas, const QRect& r) const {
    if (r.size() == image_.size())
        canvas.DrawImage(r.left(), r.top(), Image());
    else
        canvas.StretchDrawImage(r, Image());
}
