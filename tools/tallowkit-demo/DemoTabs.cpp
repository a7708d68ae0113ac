// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DemoTabs.h"

QWidget* MakeTextPortTab(QWidget* parent);
QWidget* MakePaintBoxTab(QWidget* parent);
QWidget* MakeMaskedButtonTab(QWidget* parent);
QWidget* MakeBevelTab(QWidget* parent);
QWidget* MakeBitmapTrackBarTab(QWidget* parent);

// Each tab lives in its own unit; this table is the only place that lists them.
std::span<const DemoTab> DemoTabs() {
    static const DemoTab tabs[] = {
        {"Text port", "textport", MakeTextPortTab},
        {"Double-buffered paint box", "paintbox", MakePaintBoxTab},
        {"Masked buttons", "maskedbuttons", MakeMaskedButtonTab},
        {"Bevels", "bevels", MakeBevelTab},
        {"Bitmap track bars", "trackbars", MakeBitmapTrackBarTab},
    };
    return tabs;
}
