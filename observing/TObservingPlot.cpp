// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TObservingPlot.h"

#include <QPainter>

TObservingPlot::TObservingPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TObservingPlot::SetDraw(TDraw draw) {
    draw_ = std::move(draw);
    update();
}

void TObservingPlot::DrawInto(QPainter& p, const QRectF& area) const {
    if (draw_)
        draw_(p, area);
}

void TObservingPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    DrawInto(p, QRectF(rect()));
}
