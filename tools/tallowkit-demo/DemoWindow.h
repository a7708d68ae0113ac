#pragma once

#include <QTabWidget>

// A resizable window with one live tab per demonstrated component.
class DemoWindow : public QTabWidget {
public:
    explicit DemoWindow(QWidget* parent = nullptr);
};
