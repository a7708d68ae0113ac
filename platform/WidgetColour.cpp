#include "WidgetColour.h"

#include <QWidget>

void SetWidgetColour(QWidget& widget, TColor colour) {
    QPalette pal = widget.palette();
    const QColor c = toQColor(colour);
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::Base, c);
    widget.setPalette(pal);
    widget.setAutoFillBackground(true);
    widget.update();
}

TColor WidgetColour(const QWidget& widget) {
    return fromQColor(widget.palette().color(QPalette::Window));
}

void SetWidgetTextColour(QWidget& widget, TColor colour) {
    QPalette pal = widget.palette();
    const QColor c = toQColor(colour);
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    widget.setPalette(pal);
}
