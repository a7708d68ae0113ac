// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A non-windowed control: it takes no focus and paints through Paint() on a canvas that
// is valid only while it paints. Its parent can paint its non-windowed controls onto any
// canvas (PaintControls), so that a control below them can show them in its own image.

#include "TCanvas.h"

#include <QWidget>

class TGraphicControl : public QWidget {
public:
    explicit TGraphicControl(QWidget* parent = nullptr);

    virtual void SetBounds(int left, int top, int width, int height);

    // Paints the control onto `canvas`, whose origin is the control's top-left corner.
    void PaintOn(TCanvas& canvas);

protected:
    // The canvas of the paint in progress; using it outside Paint() is a programming error.
    TCanvas& Canvas();
    virtual void Paint() {}
    void paintEvent(QPaintEvent* e) override;

private:
    TCanvas* canvas_ = nullptr;
};

// Paints `parent`'s visible non-windowed controls from `first` on, bottom to top, onto
// `canvas` in `parent`'s client coordinates, each clipped to its bounds.
void PaintControls(QWidget& parent, TCanvas& canvas, const QObject* first);
