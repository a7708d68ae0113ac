// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/text/Answer.h"

void Refuse(TAnswer& answer, int line, TWording cause) {
    answer.ok = false;
    answer.line = line;
    answer.message = line > 0 ? TWording(Said("Refusals", "line %1: %2"))
                                    .Name(std::to_string(line))
                                    .Part(std::move(cause))
                              : std::move(cause);
}
