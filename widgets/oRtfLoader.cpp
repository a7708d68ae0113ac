// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oRtfLoader.h"

#include "oRichEdit.h"

AnsiString oRtfLoader::GetText() const { return owner_.GetRtf(); }

void oRtfLoader::SetText(const AnsiString& rtf) { owner_.SetRtf(rtf); }
