// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TPaintBox.h"

#include "ImageRows.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <cmath>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

TPaintBox::~TPaintBox() = default;

void TPaintBox::ensureSurface() {
    const qreal ratio = devicePixelRatio();
    const QSize want(std::max(1, width()), std::max(1, height()));
    if (surface_.deviceIndependentSize().toSize() == want && surface_.devicePixelRatio() == ratio)
        return;
    // The canvas object survives a resize, so pointers to it stay valid.
    if (canvas_)
        canvas_->Release();
    surface_ = QImage(want * ratio, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(palette().color(QPalette::Window));
    dirty_ = true;
}

TCanvas& TPaintBox::Canvas() {
    ensureSurface();
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>(&surface_);
        canvas_->OnChange = [this](const QRect& r) { touched(r); };
    }
    return *canvas_;
}

void TPaintBox::ShowBitmap(TBitmap* bitmap) {
    if (shownBitmap_)
        shownBitmap_->Canvas().OnChange = nullptr;
    shownBitmap_ = bitmap;
    // The bitmap may outlive the box.
    if (shownBitmap_)
        shownBitmap_->Canvas().OnChange = [box = QPointer<TPaintBox>(this)](const QRect& r) {
            if (box)
                box->touched(r);
        };
    update();
}

void TPaintBox::touched(const QRect& r) {
    if (batches_ == 0) {
        update(r);
        return;
    }
    if (r.isEmpty())
        return;
    QRect merged = r;
    // Merging can make the rectangle meet others it did not meet before.
    for (bool grew = true; grew;) {
        grew = false;
        for (auto it = touched_.begin(); it != touched_.end();) {
            if (it->intersects(merged)) {
                merged |= *it;
                it = touched_.erase(it);
                grew = true;
            } else {
                ++it;
            }
        }
    }
    touched_.push_back(merged);
}

TPaintBox::RepaintBatch::RepaintBatch(TPaintBox& box) : box_(&box) { ++box.batches_; }

TPaintBox::RepaintBatch::~RepaintBatch() {
    if (!box_ || --box_->batches_ > 0)
        return;
    QRegion region;
    for (const QRect& r : box_->touched_)
        region += r;
    box_->touched_.clear();
    box_->repaint(region);
}

const QImage& TPaintBox::shown() { return shownBitmap_ ? shownBitmap_->Image() : surface_; }

void TPaintBox::Invalidate() {
    dirty_ = true;
    update();
}

void TPaintBox::PaintNow() {
    ensureSurface();
    if (dirty_) {
        dirty_ = false;
        Paint();
    }
    if (canvas_)
        canvas_->Flush();
}

void TPaintBox::Paint() {
    if (OnPaint)
        OnPaint();
}

const QImage& TPaintBox::Surface() {
    PaintNow();
    return shown();
}

void TPaintBox::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

bool TPaintBox::showRows(const QRegion& region, const QImage& image) {
    if (sharedPainter())
        return false;
    QPoint redirect;
    QPaintDevice* device = redirected(&redirect);
    if (!device || device->devType() != QInternal::Image)
        return false;
    auto* target = static_cast<QImage*>(device);
    const qreal ratio = image.devicePixelRatio();
    if (image.format() != QImage::Format_RGB32 || !TakesRows(target->format()) ||
        ratio != std::floor(ratio) || ratio < 1.0 || target->devicePixelRatio() != ratio)
        return false;
    const int scale = int(ratio);
    // The widget's origin sits at minus the redirection offset in the device.
    const QPoint offset = -redirect * scale;
    QRegion allowed(target->rect());
    if (QPaintEngine* engine = device->paintEngine()) {
        if (const QRegion clip = engine->systemClip(); !clip.isEmpty())
            allowed &= clip;
    }
    for (const QRect& r : region) {
        const QRect source = QRect(r.topLeft() * scale, r.size() * scale) & image.rect();
        for (const QRect& out : allowed & source.translated(offset))
            CopyRows(*target, out.topLeft(), image, out.translated(-offset));
    }
    return true;
}

void TPaintBox::paintEvent(QPaintEvent* e) {
    PaintNow();
    const QImage& image = shown();
    if (showRows(e->region(), image))
        return;
    const qreal ratio = image.devicePixelRatio();
    QPainter p(this);
    for (const QRect& r : e->region())
        p.drawImage(QRectF(r), image,
                    QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
}

void TPaintBox::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ensureSurface();
    if (OnResize)
        OnResize();
}

void TPaintBox::mousePressEvent(QMouseEvent* e) {
    if (OnMouseDown)
        OnMouseDown(MouseButtonOf(e->button()), e->modifiers(), int(e->position().x()),
                    int(e->position().y()));
}

void TPaintBox::mouseMoveEvent(QMouseEvent* e) {
    if (OnMouseMove)
        OnMouseMove(e->modifiers(), int(e->position().x()), int(e->position().y()));
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* e) {
    if (OnMouseUp)
        OnMouseUp(MouseButtonOf(e->button()), e->modifiers(), int(e->position().x()),
                  int(e->position().y()));
}

TMouseButton MouseButtonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}
