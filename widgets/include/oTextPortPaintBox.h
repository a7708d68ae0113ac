// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A paint box whose whole client area is a text port. Every paint fills the box with its
// colour, puts the port's pen back at the top left in the box's font and runs OnPaint,
// whose handler writes text into Port() and flushes it.

#include "TPaintBox.h"
#include "textport.h"

class oTextPortPaintBox : public TPaintBox {
public:
    explicit oTextPortPaintBox(QWidget* parent = nullptr);

    oTextPort& Port() { return *port_; }
    // The font each paint starts with, and the background.
    TFont Font = TFont("Arial", -13, clWindowText);
    TColor Color = clWindow;

protected:
    void Paint() override;

private:
    std::unique_ptr<oTextPort> port_;
};
