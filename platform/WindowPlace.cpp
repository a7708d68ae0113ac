// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "WindowPlace.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

void PlaceBeside(QWidget& window, const QWidget& other) {
    QPoint place = other.frameGeometry().topRight() + QPoint(8, 0);
    if (const QScreen* screen = other.screen()) {
        // The frame counts: a window kept inside by its client size alone would stick out
        // by its border.
        const QSize size = window.frameGeometry().size();
        const QRect free = screen->availableGeometry();
        place.setX(std::max(free.left(), std::min(place.x(), free.right() + 1 - size.width())));
        place.setY(std::max(free.top(), std::min(place.y(), free.bottom() + 1 - size.height())));
    }
    window.move(place);
}
