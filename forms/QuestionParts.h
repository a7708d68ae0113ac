// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The parts the simulation chapters build their questions from: choice buttons, bold
// captions, answer fields and the Done button, each hidden until its page shows it and each
// but the captions marked as a part of the question, which Tab reaches after the page text.

#include <QRect>
#include <QString>
#include <functional>

class QLabel;
class QWidget;
class TBaseChapter;
class TImageList;
class TKeyEdit;
class TThisChapter;
class oBitBtn;

namespace questionparts {

// A 147 x 27 choice button on the chapter's question faces, at (230, top).
oBitBtn* ChoiceButton(TBaseChapter& f, int top, const QString& caption,
                      std::function<void(oBitBtn*)> onClick);
// A choice button on the given faces at `place`, for a chapter without a simulation.
oBitBtn* ChoiceButton(TThisChapter& f, const TImageList& faces, QRect place, const QString& caption,
                      std::function<void(oBitBtn*)> onClick);
// A caption in Arial bold 13 px, shown.
QLabel* BoldText(QWidget* parent, QRect place, const QString& text);
// A field for a number of at most five characters; every typed key goes through onKey.
TKeyEdit* AnswerField(QWidget* parent, QRect place, std::function<void(char&)> onKey);
// The 65 x 36 "Done" button on the chapter's button faces.
oBitBtn* DoneButton(TThisChapter& f, QRect place, std::function<void()> onClick);

} // namespace questionparts
