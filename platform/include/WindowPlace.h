// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Where a tool window of the book opens: to the right of the window it serves, moved only
// as far as it must to lie wholly on that window's screen.

class QWidget;

void PlaceBeside(QWidget& window, const QWidget& other);
