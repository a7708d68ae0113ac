// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oEvalError.h"

#include "oError.h"

void oEvalError::raise(const char* message) { throw oError(message, oError::evaluator); }
