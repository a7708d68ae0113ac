// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the reference card "Real planetary systems": the table of systems, the note on
// rounding, and the Set up button with the line that says where it works.

class TRealSystemsForm;

void DefineRealSystemsForm(TRealSystemsForm& f);
