#pragma once
// SIGTERM and SIGINT (a logout, a kill, Ctrl+C in a terminal) end the book the way its
// Exit command does, so that closing handlers run: the calculator the book started ends
// with it.

#include <functional>

// From now on each SIGTERM or SIGINT calls `close` from the event loop (a signal handler
// itself may do next to nothing). Installing again replaces the action.
void CloseOnTerminationSignals(std::function<void()> close);
