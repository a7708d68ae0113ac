// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DataFileText.h"

#include "DataFile.h"
#include "TRichEditControl.h"

void StreamInDataFile(TRichEditControl& box, const AnsiString& name) {
    const AnsiString content = ReadDataFile(name);
    if (content.find_first_not_of(" \t\r\n") == AnsiString::npos)
        box.setPlainText(QString::fromStdString("The file \"" + name + "\" is empty."));
    else
        box.StreamIn(content);
}
