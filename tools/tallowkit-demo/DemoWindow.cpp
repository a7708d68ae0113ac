// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DemoWindow.h"

#include "DemoTabs.h"

DemoWindow::DemoWindow(QWidget* parent) : QTabWidget(parent) {
    setWindowTitle("Tallowkit demonstration");
    for (const DemoTab& tab : DemoTabs())
        addTab(tab.make(this), tab.title);
    resize(720, 520);
}
