// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/Answer.h"

void Refuse(TAnswer& answer, int line, const std::string& cause) {
    answer.ok = false;
    answer.line = line;
    answer.message = line > 0 ? "line " + std::to_string(line) + ": " + cause : cause;
}
