#pragma once
// The application object of every program that opens book windows. An exception that
// escapes an event handler goes to the application's exception display and the program
// carries on, instead of unwinding through Qt's event loop and ending the process.

#include <QApplication>

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
