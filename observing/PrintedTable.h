// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A table widget's texts drawn as a table on any painter (a printed page): the column
// headers over the rows, each row under its own header, with a rule under the headers and
// every column as wide as its widest text. Everything is drawn as text.

#include <QPointF>

class QPainter;
class QTableWidget;

// Draws the table with its top-left corner at `at` in the painter's font, set smaller when
// the table would be wider than `width` (a font sized in pixels); returns the height drawn.
double DrawTable(QPainter& p, QPointF at, double width, const QTableWidget& table);
