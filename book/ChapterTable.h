// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The chapter table: from a chapter number (1 .. ChapterTableSize()) to a new chapter
// window owned by the book. Number 0, the contents page, has no window.

class TCustomBook;
class TCustomChapter;

int ChapterTableSize();
// Creates the chapter window, constructors first and then its form-created handler;
// nullptr for 0 or a number outside the table.
TCustomChapter* CreateChapterWindow(int number, TCustomBook& owner);
// The chapter in which a student builds a system to keep: where an opened system goes.
int SystemChapter();
