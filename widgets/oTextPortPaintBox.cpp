// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oTextPortPaintBox.h"

oTextPortPaintBox::oTextPortPaintBox(QWidget* parent)
    : TPaintBox(parent),
      port_(std::make_unique<oTextPort>(&Canvas(), oRect(0, 0, width(), height()), 400)) {}

void oTextPortPaintBox::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush = TBrush{Color, bsSolid};
    canvas.FillRect(rect());
    oTextPort& port = *port_;
    port.SetFrame(oRect(0, 0, width(), height()));
    port.SetAt(oVector(0, 0));
    std::ostream& out = port.Stream();
    try {
        out << Font << drop(0);
    } catch (...) {
        out.setstate(std::ios_base::badbit);
    }
    out.flush();
    TPaintBox::Paint();
}
