// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The book's pictures and button faces, painted in code at start-up in one visual
// language: the pale green-grey page, pale yellow notes, dark blue ink, night-sky
// pictures. Everything is deterministic, so two runs give the same pixels.

#include "TImageList.h"

#include <QImage>

namespace artwork {

// The book's own palette.
extern const QColor Page;     // pale green-grey 213, 230, 227
extern const QColor Note;     // pale yellow 255, 255, 215
extern const QColor Ink;      // dark blue 0, 0, 157
extern const QColor NightTop; // the night sky of the pictures
extern const QColor NightBottom;

// The splash screen, 792 x 554.
QImage SplashPicture();
// The contents page with the chapter titles beside the chapter buttons, 792 x 554.
QImage ContentsPicture();
// The About box's title picture, 124 x 135.
QImage AboutPicture();

// Face sets; each adds its images to a list of the matching size.
void AddChapterButtonFaces(TImageList& list); // 27 x 29: normal, disabled, pressed
void AddNavFaces(TImageList& list);           // 40 x 36: back then forward, 4 states each
void AddGoBackFaces(TImageList& list);        // 110 x 32 "Go back": 3 states
void AddBackArrowFaces(TImageList& list);     // 52 x 61 back arrow: 3 states
// Blank push-button faces of the list's size for captions drawn by the button:
// normal, disabled, pressed and, with four states, checked.
void AddBlankFaces(TImageList& list, int states);

} // namespace artwork
