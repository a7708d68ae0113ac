// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "spectrum/TSpectrumView.h"

#include "PictureExport.h"

#include <QContextMenuEvent>
#include <QPainter>

TSpectrumView::TSpectrumView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSpectrumView::SetScene(const spectrumdrawing::TScene& scene) {
    scene_ = scene;
    update();
}

void TSpectrumView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (still_.size() != pixels || still_.devicePixelRatio() != ratio ||
        stillScene_.Group != scene_.Group || stillScene_.Magnification != scene_.Magnification) {
        still_ = QImage(pixels, QImage::Format_RGB32);
        still_.setDevicePixelRatio(ratio);
        still_.fill(palette().color(QPalette::Window));
        QPainter p(&still_);
        spectrumdrawing::DrawStill(p, rect(), scene_);
        stillScene_ = scene_;
    }
    QPainter p(this);
    p.drawImage(QPointF(0, 0), still_);
    spectrumdrawing::DrawMoving(p, rect(), scene_);
}

void TSpectrumView::DrawPicture(QPainter& p) const {
    p.fillRect(rect(), palette().color(QPalette::Window));
    spectrumdrawing::Draw(p, rect(), scene_);
}

QString TSpectrumView::SavePictureFile(const QString& path) const {
    return SavePicture(path, size(), devicePixelRatioF(), [this](QPainter& p) { DrawPicture(p); });
}

void TSpectrumView::contextMenuEvent(QContextMenuEvent* e) {
    ShowPictureMenu(*this, "spectrum", e->globalPos(), [this](QPainter& p) { DrawPicture(p); });
}
