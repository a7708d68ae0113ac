#pragma once
// Where a tool window opens: to the right of another window (the book), moved back as far as
// needed to stay on that window's screen.

class QWidget;

void PlaceBeside(QWidget& window, const QWidget& other);
