// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// SIGTERM, SIGINT and SIGHUP (a logout, a kill, Ctrl+C, a closed terminal) end the book the
// way its Exit command does, so that closing handlers run: the calculator the book started
// ends with it. The program's status is then 128 + the signal's number, as a shell reports
// a process ended by that signal. A second signal, while the first is still being handled
// (or while the book is too busy to handle it), ends the program at once by the signal's
// default action, so that a busy book can always be ended.

#include <functional>

// From now on each SIGTERM, SIGINT or SIGHUP calls `close` with the signal's number from the
// event loop (a signal handler itself may do next to nothing); one that comes before the
// last one's `close` has returned ends the program. Installing again replaces the action.
void CloseOnTerminationSignals(std::function<void(int signal)> close);

// Blocks the three signals, so that one that comes now stays pending, across a restart of
// the program (execv) too, until CloseOnTerminationSignals takes them again.
void HoldTerminationSignals();

// The signal that came after the last one handled and has not been handled, or 0.
int UnhandledTerminationSignal();
