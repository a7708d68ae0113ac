// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TPanel.h"

#include "WidgetColour.h"

#include <QPainter>

namespace {

// Below this contrast with its surroundings an edge is lost to the eye.
constexpr double VisibleEdgeContrast = 1.15;

QColor Between(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

} // namespace

TPanel::TPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::NoFrame);
    SetColor(colour_);
}

void TPanel::SetColor(TColor colour) {
    colour_ = colour;
    SetWidgetColour(*this, colour);
}

void TPanel::SetLoweredBevel(bool lowered) {
    setFrameShape(lowered ? QFrame::Panel : QFrame::NoFrame);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(1);
}

void TPanel::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    if (OnResize)
        OnResize();
}

void TPanel::paintEvent(QPaintEvent* e) {
    if (frameShape() != QFrame::Panel) {
        QFrame::paintEvent(e);
        return;
    }
    const QWidget* around = parentWidget();
    const QColor outside = around ? around->palette().color(around->backgroundRole())
                                  : palette().color(QPalette::Window);
    const QColor dark = palette().color(QPalette::Dark);
    QColor light = palette().color(QPalette::Light);
    if (ContrastRatio(light, outside) < VisibleEdgeContrast)
        light = Between(dark, outside);
    QPainter p(this);
    const int right = width() - 1;
    const int bottom = height() - 1;
    p.setPen(dark);
    p.drawLine(0, 0, right - 1, 0);
    p.drawLine(0, 0, 0, bottom - 1);
    p.setPen(light);
    p.drawLine(0, bottom, right, bottom);
    p.drawLine(right, 0, right, bottom);
}
