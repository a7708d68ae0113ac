// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Whether a form designer is showing a control. A designer marks the form it edits;
// components that hold run-time resources (buffers, hit masks) leave them out there and
// draw a placeholder instead.

class QWidget;

namespace designing {

// Marks `form` and everything placed on it as shown by a form designer.
void SetDesigning(QWidget& form, bool designing);
// True when `widget` or one of its parents is marked.
bool IsDesigning(const QWidget* widget);

} // namespace designing
