#include "TPaintBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

TMouseButton buttonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

} // namespace

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

TPaintBox::~TPaintBox() = default;

void TPaintBox::ensureSurface() {
    const QSize want(std::max(1, width()), std::max(1, height()));
    if (surface_.size() == want)
        return;
    // The canvas object survives a resize, so pointers to it stay valid.
    if (canvas_)
        canvas_->Release();
    surface_ = QImage(want, QImage::Format_RGB32);
    surface_.fill(palette().color(QPalette::Window));
    dirty_ = true;
}

TCanvas& TPaintBox::Canvas() {
    ensureSurface();
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>(&surface_);
        canvas_->OnChange = [this] { update(); };
    }
    return *canvas_;
}

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
    return surface_;
}

void TPaintBox::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

void TPaintBox::paintEvent(QPaintEvent* e) {
    PaintNow();
    QPainter p(this);
    p.drawImage(e->rect(), surface_, e->rect());
}

void TPaintBox::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ensureSurface();
    if (OnResize)
        OnResize();
}

void TPaintBox::mousePressEvent(QMouseEvent* e) {
    if (OnMouseDown)
        OnMouseDown(buttonOf(e->button()), e->modifiers(), int(e->position().x()),
                    int(e->position().y()));
}

void TPaintBox::mouseMoveEvent(QMouseEvent* e) {
    if (OnMouseMove)
        OnMouseMove(e->modifiers(), int(e->position().x()), int(e->position().y()));
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* e) {
    if (OnMouseUp)
        OnMouseUp(buttonOf(e->button()), e->modifiers(), int(e->position().x()),
                  int(e->position().y()));
}
