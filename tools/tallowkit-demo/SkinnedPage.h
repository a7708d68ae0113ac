// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The page look shared by the picture-skinned controls' tabs: the book's pale page, a
// serif heading in ink, notes and captions in a plain face.
#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace skinpage {

QWidget* MakePage(QWidget* parent);
QLabel* AddHeading(QWidget* page, const QString& text);
// A wrapped explanation below the heading.
QLabel* AddNote(QWidget* page, const QString& text);
// A small caption in the given area.
QLabel* AddCaption(QWidget* page, const QString& text, QRect area);

} // namespace skinpage
