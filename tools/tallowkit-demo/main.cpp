// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Shows the widget library's components that no window of the book places.

#include "DemoWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    DemoWindow window;
    window.show();
    return app.exec();
}
