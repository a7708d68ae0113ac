// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Whether a window opened over the book stands wholly on the screen and clear of the
// controls a reader uses next (the page arrows, the buttons the page asks for, the menus)
// wherever a place on the screen misses them.

#include <QRect>
#include <QWidget>
#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace clear_of_controls {

// The controls by name, in the order they matter.
using TControls = std::vector<std::pair<const char*, const QWidget*>>;

inline std::string Describe(const QRect& r) {
    std::ostringstream text;
    text << r.width() << " x " << r.height() << " at " << r.x() << ", " << r.y();
    return text.str();
}

inline QRect Area(const QWidget& control) {
    return QRect(control.mapToGlobal(QPoint(0, 0)), control.size());
}

// Whether a frame of `size` fits somewhere on `screen` clear of every shown control.
inline bool RoomClearOfAll(QSize size, const QRect& screen, const TControls& controls) {
    for (int x = screen.left(); x + size.width() <= screen.right() + 1; x += 2)
        for (int y = screen.top(); y + size.height() <= screen.bottom() + 1; y += 2) {
            const QRect frame(QPoint(x, y), size);
            if (std::none_of(controls.begin(), controls.end(), [&](const auto& c) {
                    return c.second->isVisible() && frame.intersects(Area(*c.second));
                }))
                return true;
        }
    return false;
}

// What is wrong with a window's `frame` on `screen`, or nothing. The controls come in the
// order they matter: one may be covered only where no place misses it and those before it.
inline std::string Fault(const QRect& frame, const QRect& screen, const TControls& controls) {
    if (!screen.contains(frame))
        return "frame " + Describe(frame) + " not within the screen " + Describe(screen);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto& [name, control] = controls[i];
        if (!control->isVisible() || !frame.intersects(Area(*control)))
            continue;
        const TControls first(controls.begin(), controls.begin() + std::ptrdiff_t(i) + 1);
        if (RoomClearOfAll(frame.size(), screen, first))
            return "frame " + Describe(frame) + " covers " + name + " at " +
                   Describe(Area(*control));
    }
    return {};
}

} // namespace clear_of_controls
