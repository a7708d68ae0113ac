// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The desktop's calculator, started from the Tools menu. The book remembers the process
// it started itself, brings that one to the front when asked again, and asks only that
// one to end when the book closes; a calculator the user started is never touched.

#include "AnsiString.h"

#include <QByteArray>
#include <QStringList>

class Calculator {
public:
    // Calculator programs looked for on the PATH, in order of preference.
    static QStringList Candidates();
    // Whether any of them is on the PATH.
    static bool AnyInstalled();

    // Raises the calculator the book started if it still runs; otherwise starts one.
    // Returns false when no calculator could be started.
    bool OpenOrRaise();
    // Whether the book started a calculator that is still running: the process it started
    // is alive and still runs the calculator program.
    bool Running() const;
    // Whether a process command line (/proc's form: arguments each ended by a NUL) is that of
    // the program started without arguments, directly or, when it is a script, under the
    // interpreter of that name.
    static bool IsCommandLineOf(const QByteArray& cmdline, const QString& program,
                                const QString& interpreter);
    // The name of the program that runs a script ("sh" for "#!/bin/sh"), or empty.
    static QString ScriptInterpreter(const QString& program);
    bool Started() const { return pid_ > 0; }
    // Asks the calculator the book started to end; does not wait for it.
    void EndIfStarted();
    qint64 Pid() const { return pid_; }

private:
    bool start();
    void raise() const;

    qint64 pid_ = 0;
    QString program_;
    QString interpreter_;
};
