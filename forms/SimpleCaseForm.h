// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of chapter 2: the three choice buttons of page 8 and the answer field of page 7.

class TSimpleCase;

void DefineSimpleCaseForm(TSimpleCase& f);
