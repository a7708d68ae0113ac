#include "simulation/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

void PlaceBeside(QWidget& window, const QWidget& other) {
    QPoint place = other.frameGeometry().topRight() + QPoint(8, 0);
    if (const QScreen* screen = other.screen()) {
        const QRect free = screen->availableGeometry();
        place.setX(std::max(free.left(), std::min(place.x(), free.right() - window.width())));
        place.setY(std::max(free.top(), std::min(place.y(), free.bottom() - window.height())));
    }
    window.move(place);
}
