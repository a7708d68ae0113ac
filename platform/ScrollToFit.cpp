// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "ScrollToFit.h"

#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* const ScrollName = "scrollToFit";

// The largest client the screen's free area holds beside the window's frame.
QSize Room(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect frame = ExpectedFrame(window), client = window.geometry();
    const QSize border(frame.width() - client.width(), frame.height() - client.height());
    return screen->availableGeometry().size() - border;
}

} // namespace

bool ScrollToFit(QWidget& window) {
    const QSize room = Room(window);
    if (room.isEmpty())
        return false;
    auto* scroll = window.findChild<QScrollArea*>(ScrollName, Qt::FindDirectChildrenOnly);
    const QSize made = scroll ? window.maximumSize() : window.size();
    if (!scroll) {
        if (window.layout() || window.minimumSize() != window.maximumSize() ||
            (made.width() <= room.width() && made.height() <= room.height()))
            return false;
        auto* menu = window.findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
        const int top = menu ? menu->geometry().bottom() + 1 : 0;
        auto* contents = new QWidget;
        contents->setFixedSize(made.width(), made.height() - top);
        contents->setAccessibleName(window.accessibleName());
        // In the order made, so that the Tab order stays.
        const QObjectList children = window.children();
        for (QObject* child : children) {
            auto* control = qobject_cast<QWidget*>(child);
            if (!control || control == menu || control->isWindow())
                continue;
            const bool shown = !control->isHidden();
            const QRect place = control->geometry().translated(0, -top);
            control->setParent(contents);
            control->setGeometry(place);
            control->setVisible(shown);
        }
        scroll = new QScrollArea(&window);
        scroll->setObjectName(ScrollName);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setBackgroundRole(QPalette::Window);
        // Tab goes straight to the controls, the scroll area following the focus.
        scroll->setFocusPolicy(Qt::NoFocus);
        scroll->setAccessibleName(window.accessibleName());
        scroll->setWidget(contents);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        if (menu)
            layout->setMenuBar(menu);
        layout->addWidget(scroll);
        scroll->show();
        window.setMinimumSize(std::min(made.width(), 240), std::min(made.height(), 160));
        window.setMaximumSize(made);
    }
    window.resize(made.boundedTo(room));
    return true;
}
