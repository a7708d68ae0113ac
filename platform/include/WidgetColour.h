#pragma once
// Background and text colours of plain Qt widgets (panels, labels, check boxes).

#include "TColor.h"

class QWidget;

// Fills the widget's background with the colour.
void SetWidgetColour(QWidget& widget, TColor colour);
TColor WidgetColour(const QWidget& widget);
void SetWidgetTextColour(QWidget& widget, TColor colour);
