// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// How the model answers a request that the user's input may make it refuse (a file of
// measurements, a table's columns, a data set): whether it was done and, when not, the
// message the user reads, naming the line of the file at fault where there is one. Each
// reading adds to it what it read. A refusal is no programming error: those stop at a
// precondition instead.

#include "Wording.h"

struct TAnswer {
    bool ok = false;
    int line = 0;     // of the fault, 1-based; 0 when the fault is no one line's
    TWording message; // when not ok: the user's message, "line N: " first when it names one
};

// Marks the answer refused for the cause, found on the given line (0 for none).
void Refuse(TAnswer& answer, int line, TWording cause);
