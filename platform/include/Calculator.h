#pragma once
// The desktop's calculator, started from the Tools menu. The book remembers the process
// it started itself, brings that one to the front when asked again, and asks only that
// one to end when the book closes; a calculator the user started is never touched.

#include "AnsiString.h"

#include <QStringList>

class Calculator {
public:
    // Calculator programs looked for on the PATH, in order of preference.
    static QStringList Candidates();

    // Raises the calculator the book started if it still runs; otherwise starts one.
    // Returns false when no calculator could be started.
    bool OpenOrRaise();
    // Whether the book started a calculator that is still running.
    bool Running() const;
    bool Started() const { return pid_ > 0; }
    // Asks the calculator the book started to end; does not wait for it.
    void EndIfStarted();
    qint64 Pid() const { return pid_; }

private:
    bool start();
    void raise() const;

    qint64 pid_ = 0;
    QString program_;
};
