// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A text set in pieces (a symbol, its subscript, a power of ten, a unit and its exponent,
// each a label of its own so that it can be raised or lowered) is read by a screen reader
// as one: the first piece carries the whole text as its accessible name, and the other
// pieces are hidden from assistive technology, so that nothing is read twice or in parts.

#include <QString>
#include <initializer_list>

class QWidget;

// Names `first` with `spoken` and hides each of `others` from screen readers. Calling it
// again with a new text renames `first`.
void SpeakAsOne(QWidget& first, std::initializer_list<QWidget*> others, const QString& spoken);
