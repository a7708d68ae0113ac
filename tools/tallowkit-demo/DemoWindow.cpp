#include "DemoWindow.h"

#include "DemoTabs.h"

DemoWindow::DemoWindow(QWidget* parent) : QTabWidget(parent) {
    setWindowTitle("Tallowkit demonstration");
    for (const DemoTab& tab : DemoTabs())
        addTab(tab.make(this), tab.title);
    resize(720, 520);
}
