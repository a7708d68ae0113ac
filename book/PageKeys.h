// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The keys that turn the book's pages, and whether the focused control would use such a
// key itself, in which case it is the control's and turns nothing.

class QKeyEvent;
class QWidget;

enum class TPageTurn { None, Forward, Back };

// Page Down and Alt+Right turn forward, Page Up and Alt+Left back.
TPageTurn PageTurnOf(const QKeyEvent& e);

// The control claims the key as a shortcut override (a text field's editing keys), or it
// is a control that steps or scrolls with Page Up and Page Down: a slider, a spin box, a
// drop-down list, or a text area with something to scroll.
bool WouldTakeKey(QWidget& focus, const QKeyEvent& e);
