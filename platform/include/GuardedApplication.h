// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The application object of every program that opens book windows. An exception that
// escapes an event handler goes to the application's exception display and the program
// carries on, instead of unwinding through Qt's event loop and ending the process. Its style
// draws with stable palettes (StablePaletteStyle), so that opening windows again and again
// does not grow the style's picture cache.

#include <QApplication>

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
