// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Help, Keys: the keys that turn pages, move between controls, set sliders and zoom, with a
// short account of how the book is read.

#include <QDialog>

class QTextBrowser;

class TKeysBox : public QDialog {
public:
    explicit TKeysBox(QWidget* parent);

    QTextBrowser* Text = nullptr;
};
