// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once

#include <QTabWidget>

// A resizable window with one live tab per demonstrated component.
class DemoWindow : public QTabWidget {
public:
    explicit DemoWindow(QWidget* parent = nullptr);
};
