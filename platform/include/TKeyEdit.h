// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A single-line edit whose OnKeyPress handler sees every typed character before the field
// does and may change it or swallow it (key = 0), as answer fields that accept only a
// number need. Characters are passed as one byte: printable Latin-1 text, 8 for Backspace,
// 13 for Enter and 27 for Escape; keys that type nothing (arrows, Delete, Home) reach the
// field unfiltered.

#include <QLineEdit>
#include <functional>

class TKeyEdit : public QLineEdit {
public:
    explicit TKeyEdit(QWidget* parent = nullptr);

    std::function<void(QObject* sender, char& key)> OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
