// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <compare>
#include <cstdlib>
#include <limits>

namespace {

// The gap left between a window and the one it opens beside.
constexpr int Gap = 8;

QRect AvailableFor(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Whether the window system has put a frame around the window (a title bar at least).
bool Framed(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    return frame.contains(window.geometry()) && frame.top() < window.geometry().top();
}

} // namespace

QRect ExpectedFrame(const QWidget& window) {
    if (Framed(window))
        return window.frameGeometry();
    // Not yet framed: the window manager will frame it as it framed its owner.
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    if (!owner || !Framed(*owner))
        return window.geometry();
    const QRect ownerFrame = owner->frameGeometry(), ownerClient = owner->geometry();
    return window.geometry().adjusted(ownerFrame.left() - ownerClient.left(),
                                      ownerFrame.top() - ownerClient.top(),
                                      ownerFrame.right() - ownerClient.right(),
                                      ownerFrame.bottom() - ownerClient.bottom());
}

QRect ScreenArea(const QWidget& widget) {
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

QRect FitOnScreen(const QRect& frame, const QRect& available) {
    if (available.isEmpty())
        return frame;
    QRect fitted = frame;
    fitted.moveLeft(std::max(available.left(),
                             std::min(frame.left(), available.right() + 1 - frame.width())));
    fitted.moveTop(std::max(available.top(),
                            std::min(frame.top(), available.bottom() + 1 - frame.height())));
    return fitted;
}

TCover Covered(const QRect& frame, const std::vector<TKeepClear>& keep) {
    TCover cost;
    for (const TKeepClear& k : keep) {
        const QRect both = frame.intersected(k.Area);
        if (both.isEmpty())
            continue;
        if (k.Never)
            cost.Never += k.Weight;
        else
            cost.Weighted += (long long)both.width() * both.height() * k.Weight;
    }
    return cost;
}

QPoint LeastCoveringPlace(QSize size, const QRect& available,
                          const std::vector<TKeepClear>& keep) {
    const int w = size.width(), h = size.height();
    // Candidate edges: the area's own, and beside, over and under every area to keep clear.
    std::vector<int> xs{available.left(), available.right() + 1 - w};
    std::vector<int> ys{available.top(), available.bottom() + 1 - h};
    for (const TKeepClear& k : keep) {
        const QRect& a = k.Area;
        xs.insert(xs.end(), {a.right() + 1 + Gap, a.left() - Gap - w, a.left(), a.right() + 1 - w});
        ys.insert(ys.end(), {a.bottom() + 1 + Gap, a.top() - Gap - h, a.top(), a.bottom() + 1 - h});
    }
    const QPoint preferred =
        keep.empty() ? available.topLeft()
                     : QPoint(keep.front().Area.right() + 1 + Gap, keep.front().Area.top());
    QPoint best;
    TCover bestCost{std::numeric_limits<long long>::max(), 0};
    int bestDistance = std::numeric_limits<int>::max();
    for (int x : xs) {
        for (int y : ys) {
            const QRect frame = FitOnScreen(QRect(QPoint(x, y), size), available);
            const TCover cost = Covered(frame, keep);
            const int distance = (frame.topLeft() - preferred).manhattanLength();
            if (cost < bestCost || (cost == bestCost && distance < bestDistance)) {
                best = frame.topLeft();
                bestCost = cost;
                bestDistance = distance;
            }
        }
    }
    return best;
}

std::vector<TKeepClear> NeverCover(const QWidget& widget, int weight) {
    if (!widget.isVisible())
        return {};
    return {{ScreenArea(widget), weight, true}};
}

void KeepOnScreen(QWidget& window) {
    const QRect frame = ExpectedFrame(window);
    const QRect fitted = FitOnScreen(frame, AvailableFor(window));
    if (fitted.topLeft() != frame.topLeft())
        window.move(fitted.topLeft()); // a window's move places its frame
}

void PlaceWindow(QWidget& window, const std::vector<TKeepClear>& keep) {
    const QRect frame = ExpectedFrame(window);
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    const QRect available = AvailableFor(owner ? *owner : window);
    window.move(LeastCoveringPlace(frame.size(), available, keep));
}
