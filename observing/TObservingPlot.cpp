// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TObservingPlot.h"

#include "observing/ObservingDrawing.h"

#include "PictureExport.h"

#include <QContextMenuEvent>
#include <QPainter>

TObservingPlot::TObservingPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    OfferPicture(*this, QString(), [this](QPainter& p) { DrawPicture(p); });
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

void TObservingPlot::DrawPicture(QPainter& p) const {
    p.fillRect(rect(), palette().color(QPalette::Window));
    DrawInto(p, QRectF(rect()));
}

QString TObservingPlot::SavePictureFile(const QString& path) const {
    return SavePicture(path, size(), devicePixelRatioF(), [this](QPainter& p) { DrawPicture(p); });
}

void TObservingPlot::contextMenuEvent(QContextMenuEvent* e) {
    QString name = accessibleName().isEmpty() ? QString("plot") : accessibleName();
    ShowPictureMenu(*this, name.toLower().replace(' ', '-').remove('\''), e->globalPos(),
                    [this](QPainter& p) { DrawPicture(p); });
}
