#include "Application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Application::SetTitle("Doppler spectroscopy");
    return 0;
}
