// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The tabs of the widget library's demonstration window: one per component that no form of
// the book places. The gallery renders the same tabs to PNG.
#pragma once

#include <span>

class QWidget;

struct DemoTab {
    const char* title;  // the tab's caption
    const char* name;   // file-name stem of its gallery picture
    QWidget* (*make)(QWidget* parent);
};

std::span<const DemoTab> DemoTabs();
