// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A windowed control that paints itself through Paint() on its canvas, which is valid
// only while it paints. With TabStop (the default) the Tab key reaches it; a mouse press
// gives it the focus only where the control itself decides to take it.

#include "TCanvas.h"

#include <QWidget>

class TCustomControl : public QWidget {
public:
    explicit TCustomControl(QWidget* parent = nullptr);

    void SetBounds(int left, int top, int width, int height);
    void SetTabStop(bool tabStop);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }

protected:
    TCanvas& Canvas();
    virtual void Paint() {}
    void paintEvent(QPaintEvent* e) override;

private:
    TCanvas* canvas_ = nullptr;
};
