// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TCustomControl.h"

#include "Precondition.h"

#include <QPainter>

TCustomControl::TCustomControl(QWidget* parent) : QWidget(parent) { SetTabStop(true); }

void TCustomControl::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

void TCustomControl::SetTabStop(bool tabStop) {
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

TCanvas& TCustomControl::Canvas() {
    PRECONDITION(canvas_ != nullptr);
    return *canvas_;
}

void TCustomControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas canvas(&painter);
    canvas_ = &canvas;
    Paint();
    canvas_ = nullptr;
}
