// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The companion of an oRichEdit that carries its RTF as one text property, so that a form
// definition can give a text box its initial content: RtfLoader().SetText("{\rtf1 ...}").

#include "AnsiString.h"

class oRichEdit;

class oRtfLoader {
public:
    explicit oRtfLoader(oRichEdit& owner) : owner_(owner) {}

    // The owner's RTF (GetRtf).
    AnsiString GetText() const;
    // Gives the owner new RTF (SetRtf).
    void SetText(const AnsiString& rtf);

private:
    oRichEdit& owner_;
};
