// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the import dialog: the file, its first rows, the columns and units, what was
// guessed, OK and Cancel.

class TImportDialog;

void DefineImportDialog(TImportDialog& f);
