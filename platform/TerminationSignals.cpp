// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TerminationSignals.h"

#include "Precondition.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler writes the signal's number to one end; the event loop reads the other.
int signalPipe[2] = {-1, -1};
std::function<void(int)> closeAction;
QSocketNotifier* notifier = nullptr; // lives as long as the process
// The number of the signal being handled; 0 once its action has run.
volatile std::sig_atomic_t received = 0;

void onTerminationSignal(int signal) {
    if (received != 0) {
        // The first is still being handled, or cannot be: the default action ends the program.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    received = signal;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

void CloseOnTerminationSignals(std::function<void(int signal)> close) {
    closeAction = std::move(close);
    if (notifier)
        return;
    PRECONDITION(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) == 0);
    notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char byte = 0;
        if (::read(signalPipe[1], &byte, 1) == 1 && closeAction)
            closeAction(static_cast<unsigned char>(byte));
        received = 0;
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Signals)
        ::sigaction(signal, &action, nullptr);
    // A program restarted while they were held gets those that came meanwhile now.
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : Signals)
        sigaddset(&held, signal);
    ::sigprocmask(SIG_UNBLOCK, &held, nullptr);
}

void HoldTerminationSignals() {
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : Signals)
        sigaddset(&held, signal);
    ::sigprocmask(SIG_BLOCK, &held, nullptr);
}

int UnhandledTerminationSignal() { return received; }
