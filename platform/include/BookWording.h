// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A sentence of the model's (Wording.h) in the book's language: in English exactly the
// model's English; in another language each pattern translated whole (in its context, as
// BookText translates), each number written again with the language's decimal mark, each
// name as it stands.

#include "Wording.h"

#include <QString>

QString BookWording(const TWording& wording);
