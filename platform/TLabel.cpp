// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TLabel.h"

#include <QFontMetrics>

TLabel::TLabel(QWidget* parent) : TGraphicControl(parent) {}

void TLabel::SetCaption(const AnsiString& caption) {
    caption_ = caption;
    setAccessibleName(QString::fromStdString(caption));
    fitToCaption();
}

void TLabel::SetFont(const TFont& font) {
    font_ = font;
    fitToCaption();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void TLabel::SetColor(TColor color) {
    color_ = color;
    update();
}

void TLabel::fitToCaption() {
    const QFontMetrics fm(font_.toQFont());
    resize(fm.horizontalAdvance(QString::fromStdString(caption_)), fm.height());
    update();
}

void TLabel::Paint() {
    TCanvas& canvas = Canvas();
    if (!transparent_) {
        canvas.Brush.Color = color_;
        canvas.Brush.Style = bsSolid;
        canvas.FillRect(rect());
    }
    canvas.Font = font_;
    canvas.TextAlign = TA_LEFT | TA_TOP;
    canvas.TransparentText = true;
    canvas.TextOut(0, 0, caption_);
}
