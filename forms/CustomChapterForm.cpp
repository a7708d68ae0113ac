// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "CustomChapterForm.h"

#include "book/TCustomChapter.h"

void DefineCustomChapterForm(TCustomChapter& f) {
    f.SetBorderStyle(bsNone);
    f.SetClientSize(792, 554);
    f.SetColor(RGB(240, 242, 247));
    TFont font("Times New Roman", -16, clWindowText);
    font.Charset = ANSI_CHARSET;
    f.SetFont(font);
    f.OnCreate = [&f] { f.FormCreate(); };
    f.OnDestroy = [&f] { f.FormDestroy(); };
}
