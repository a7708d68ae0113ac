// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Layout of the spectrum window: status line, the spectrum picture, the line choice, the
// three readouts and the caption.

class TSpectrumForm;

void DefineSpectrumForm(TSpectrumForm& f);
