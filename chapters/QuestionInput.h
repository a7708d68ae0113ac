// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What the chapters' questions share: the key filter of an answer field that takes a
// number, the reading of that number, the latching of a choice button and the reading of
// a drop-down choice.

#include <vector>

class QComboBox;
class QString;
class oBitBtn;

// A question answered by one of its choice buttons, listed in the order the page shows them,
// with the right one named here once: the judging and the accepted answer of the record and
// the teacher's guide both read it.
struct TChoiceQuestion {
    std::vector<oBitBtn*> choices;
    int right = 0; // index into choices

    bool RightChosen() const;
    // "“it decreases” (the first choice)."
    QString Accepted() const;
};

// Lets through Backspace and the characters a number is typed with (digits, sign, point
// or the locale's decimal separator, exponent) and swallows every other key (key = 0).
// Enter is swallowed too; the result says whether it was Enter, on which the caller
// judges the answer.
bool FilterAnswerKey(char& key);

// The typed number, with a point or the locale's decimal separator before the decimals.
// When the text is no finite number the reader is told "Please type a valid number!" and
// the value is 0, so that the answer is judged, and counted, as wrong.
bool ReadAnswer(const QString& text, double& value);

// Releases the choice buttons and gives their captions the window-text colour.
void ReleaseChoices(const std::vector<oBitBtn*>& choices);
// Latches the chosen button: its checked face shows, with a red caption.
void LatchChoice(oBitBtn& chosen);
// Latches the chosen button once judged: a right answer's caption dark green, a wrong one's
// red.
void MarkChoice(oBitBtn& chosen, bool right);

// What the item chosen in a drop-down list whose field can be typed in means (its data, a
// whole number); -1 when none is chosen or the field no longer shows the chosen item (the
// reader typed over it).
int ChosenMeaning(const QComboBox& list);
// The text of the item that means `meaning`.
QString ItemTextOf(const QComboBox& list, int meaning);
