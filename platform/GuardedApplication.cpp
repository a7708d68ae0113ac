// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "GuardedApplication.h"

#include "Application.h"
#include "FocusMarkStyle.h"
#include "StablePaletteStyle.h"

#include <QStyleFactory>

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The style chosen so far (the platform's, or one named by -style), wrapped.
    setStyle(new FocusMarkStyle(new StablePaletteStyle(QStyleFactory::create(style()->name()))));
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        Application::HandleException();
    }
    return false;
}
