// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of File, My answers: the name field, the answers and the Print and Close buttons.

class TMyAnswersForm;

void DefineMyAnswersForm(TMyAnswersForm& f);
