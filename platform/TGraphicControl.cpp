// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TGraphicControl.h"

#include "Precondition.h"

#include <QPainter>

TGraphicControl::TGraphicControl(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

TCanvas& TGraphicControl::Canvas() {
    PRECONDITION(canvas_ != nullptr);
    return *canvas_;
}

void TGraphicControl::PaintOn(TCanvas& canvas) {
    TCanvas* outer = canvas_;
    canvas_ = &canvas;
    Paint();
    canvas_ = outer;
}

void TGraphicControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas canvas(&painter);
    PaintOn(canvas);
}

void PaintControls(QWidget& parent, TCanvas& canvas, const QObject* first) {
    bool reached = first == nullptr;
    // The children list runs bottom to top of the stacking order.
    for (QObject* child : parent.children()) {
        reached = reached || child == first;
        auto* control = dynamic_cast<TGraphicControl*>(child);
        if (!reached || !control || control->isHidden())
            continue;
        const QRect bounds = control->geometry();
        canvas.SaveState();
        canvas.Painter().translate(bounds.topLeft());
        canvas.ClipRect(QRect(QPoint(0, 0), bounds.size()));
        control->PaintOn(canvas);
        canvas.RestoreState();
    }
}
