// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the observing run window: its menu, the status line, the plan on the left, and the
// data, periodogram and fold pages on the right, each with its controls below its picture.

class TObservingRunForm;

void DefineObservingRunForm(TObservingRunForm& f);
