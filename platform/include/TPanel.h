// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A coloured panel with an optional lowered bevel; OnResize lets a form keep anchored
// children in place when the panel changes size.

#include "TColor.h"

#include <QFrame>
#include <functional>

class TPanel : public QFrame {
public:
    explicit TPanel(QWidget* parent = nullptr);

    void SetColor(TColor colour);
    TColor Color() const { return colour_; }
    // A one-pixel lowered inner bevel. Its light edges give way to a grey where they would
    // vanish into what surrounds the panel (a white window in the system colours), so the
    // frame keeps all four edges.
    void SetLoweredBevel(bool lowered);

    std::function<void()> OnResize;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    TColor colour_ = clBtnFace;
};
