// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of "How sure?": the state of the sampling with its progress and Cancel, the table of
// intervals, the planet chosen for the picture of its draws, the line on what the spread
// means, and Save chain and Close.

class THowSureForm;

void DefineHowSureForm(THowSureForm& f);
