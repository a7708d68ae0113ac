// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TObservingPlot.h"

#include "observing/ObservingDrawing.h"

#include <QPainter>

TObservingPlot::TObservingPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TObservingPlot::SetMessage(const QString& message) {
    if (message == message_)
        return;
    message_ = message;
    update();
}

void TObservingPlot::DrawInto(QPainter& p, const QRectF& area) const {
    if (message_.isEmpty())
        Draw(p, area);
    else
        observingdrawing::DrawMessage(p, area, message_);
}

void TObservingPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    DrawInto(p, QRectF(rect()));
}
