// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oDoubleBufferedPaintBox.h"

#include "Designing.h"

#include <QPainter>

oDoubleBufferedPaintBox::oDoubleBufferedPaintBox(QWidget* owner) : TGraphicControl(owner) {
    resize(100, 100);
    if (!designing::IsDesigning(owner))
        buffer_ = std::make_unique<TBitmap>(width(), height());
    lastWidth_ = width();
    lastHeight_ = height();
}

oDoubleBufferedPaintBox::~oDoubleBufferedPaintBox() = default;

void oDoubleBufferedPaintBox::SetBounds(int left, int top, int width, int height) {
    TGraphicControl::SetBounds(left, top, width, height);
    fit(width, height);
}

void oDoubleBufferedPaintBox::resizeEvent(QResizeEvent* e) {
    TGraphicControl::resizeEvent(e);
    // Layouts and anchors resize the box without SetBounds.
    fit(width(), height());
}

void oDoubleBufferedPaintBox::fit(int width, int height) {
    if (width == lastWidth_ && height == lastHeight_)
        return;
    lastWidth_ = width;
    lastHeight_ = height;
    if (buffer_)
        buffer_->SetSize(width, height);
    DeleteSaved();
    if (OnResize)
        OnResize(this);
}

void oDoubleBufferedPaintBox::Save() {
    if (!buffer_)
        return;
    if (!saved_)
        saved_ = std::make_unique<TBitmap>();
    *saved_ = *buffer_;
}

void oDoubleBufferedPaintBox::ReloadSaved() {
    if (saved_ && buffer_)
        buffer_->Canvas().Draw(0, 0, *saved_);
}

void oDoubleBufferedPaintBox::DeleteSaved() { saved_.reset(); }

void oDoubleBufferedPaintBox::PaintSiblings() {
    QWidget* parent = parentWidget();
    if (!parent || !buffer_ || buffer_->Empty())
        return;
    const QWidget* first = FirstSiblingAbove();
    if (!first) {
        // A composite made while something lay above would go on showing it.
        composite_.reset();
        return;
    }
    if (!composite_)
        composite_ = std::make_unique<TBitmap>();
    *composite_ = *buffer_;
    TCanvas& canvas = composite_->Canvas();
    canvas.SaveState();
    // The parent paints in its own client coordinates.
    canvas.Painter().translate(-x(), -y());
    PaintControls(*parent, canvas, first);
    canvas.RestoreState();
}

const QWidget* oDoubleBufferedPaintBox::FirstSiblingAbove() const {
    // The parent's children run bottom to top; timers, shortcuts, button groups and
    // layouts among them are no widgets and lie nowhere.
    const QObjectList& children = parentWidget()->children();
    for (qsizetype i = children.indexOf(this) + 1; i > 0 && i < children.size(); ++i)
        if (children[i]->isWidgetType())
            return static_cast<const QWidget*>(children[i]);
    return nullptr;
}

void oDoubleBufferedPaintBox::Visualize() {
    if (AutoPaintSiblings)
        PaintSiblings();
    repaint();
}

void oDoubleBufferedPaintBox::Paint() {
    TCanvas& canvas = Canvas();
    if (!buffer_ || buffer_->Empty()) {
        canvas.Font = TFont();
        canvas.TextAlign = TA_LEFT | TA_TOP;
        canvas.TextOut(0, 0, "oDoubleBufferedPaintBox");
        canvas.DrawFocusRect(rect());
        return;
    }
    canvas.Draw(0, 0, composite_ ? *composite_ : *buffer_);
}
