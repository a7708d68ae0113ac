// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A track bar painted entirely from pictures: one for the bar, one for the disabled bar,
// one for the thumb, with the ticks and the selection range drawn over them. Every track
// bar property keeps its meaning; the geometry is the style's slider geometry, so the
// painted thumb sits where the mouse grabs it.

#include "TCanvas.h"
#include "TTrackBar.h"

#include <QImage>

class oBitmapTrackBar : public TTrackBar {
public:
    explicit oBitmapTrackBar(QWidget* owner = nullptr);

    // The bar's picture; the control takes its size.
    void SetPictureBar(const QImage& picture);
    const QImage& PictureBar() const { return bar_; }
    // Shown instead of the bar while the control is disabled.
    void SetPictureDisabled(const QImage& picture);
    const QImage& PictureDisabled() const { return disabled_; }
    // Drawn at the thumb's place, shrunk to fit it when larger.
    void SetPictureThumb(const QImage& picture);
    const QImage& PictureThumb() const { return thumb_; }

    // The area the ticks stand beside: the channel, shortened by half a thumb at each end
    // and one pixel broader than the thumb on each side.
    QRect TickRect() const;
    // Where a value's tick meets the bar, along the bar; the tick side decides the other
    // coordinate (top/left or bottom/right edge of TickRect).
    QPoint TickPoint(int value, bool topLeft) const;

    // Paints the whole control on `canvas` at its origin.
    void PaintWindow(TCanvas& canvas);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void DrawBar(TCanvas& canvas);
    void DrawTicks(TCanvas& canvas);
    void DrawTickSet(TCanvas& canvas, bool topLeft);
    void DrawSelection(TCanvas& canvas);
    void DrawThumb(TCanvas& canvas);
    void DrawFocus(TCanvas& canvas);

    QImage bar_;
    QImage disabled_;
    QImage thumb_;
    TPen pen_{clWindowFrame};
};
