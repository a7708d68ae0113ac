// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "QuestionInput.h"

#include "Application.h"
#include "BookText.h"
#include "Precondition.h"
#include "TColor.h"
#include "oBitBtn.h"

#include <QComboBox>
#include <QLocale>
#include <cmath>
#include <cstring>

namespace {

// The decimal separator of the reader's locale when a key types it, otherwise 0.
char LocaleSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point.size() != 1 || point[0].unicode() < 0x20 || point[0].unicode() > 0x7E)
        return 0;
    return char(point[0].unicode());
}

} // namespace

bool FilterAnswerKey(char& key) {
    if (key == '\r') {
        key = 0;
        return true;
    }
    const bool numeric = key == '\b' || (key >= '0' && key <= '9') ||
                         (key != 0 && std::strchr("+-.Ee", key) != nullptr) ||
                         (key != 0 && key == LocaleSeparator());
    if (!numeric)
        key = 0;
    return false;
}

bool ReadAnswer(const QString& text, double& value) {
    // A point or the locale's separator both mark the decimals, and nothing groups
    // digits: in a comma locale "4.330" is 4.33, as the reader who typed a point meant.
    QString plain = text.trimmed();
    plain.replace(QLocale().decimalPoint(), QLatin1String("."));
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    value = c.toDouble(plain, &ok);
    // A number too large for a double ("1e999") is no number either.
    if (ok && std::isfinite(value))
        return true;
    Application::ShowMessage(BookText("Questions", "Please type a valid number!").toStdString());
    value = 0.0;
    return false;
}

void ReleaseChoices(const std::vector<oBitBtn*>& choices) {
    for (oBitBtn* b : choices) {
        b->SetChecked(false);
        TFont font = b->Font();
        font.Color = clWindowText;
        b->SetFont(font);
    }
}

void LatchChoice(oBitBtn& chosen) {
    TFont font = chosen.Font();
    font.Color = RGB(255, 0, 0);
    chosen.SetFont(font);
    chosen.SetChecked(true);
}

void MarkChoice(oBitBtn& chosen, bool right) {
    LatchChoice(chosen);
    if (!right)
        return;
    TFont font = chosen.Font();
    font.Color = RGB(0, 112, 0);
    chosen.SetFont(font);
}

bool TChoiceQuestion::RightChosen() const {
    PRECONDITION(right >= 0 && right < int(choices.size()));
    return choices[std::size_t(right)]->Checked();
}

QString TChoiceQuestion::Accepted() const {
    PRECONDITION(right >= 0 && right < 3);
    const QString caption = choices[std::size_t(right)]->text();
    switch (right) {
    case 0:
        return BookText("Questions", "“%1” (the first choice).").arg(caption);
    case 1:
        return BookText("Questions", "“%1” (the second choice).").arg(caption);
    default:
        return BookText("Questions", "“%1” (the third choice).").arg(caption);
    }
}

int ChosenMeaning(const QComboBox& list) {
    const int index = list.currentIndex();
    if (index < 0 || list.currentText() != list.itemText(index))
        return -1;
    return list.itemData(index).toInt();
}

QString ItemTextOf(const QComboBox& list, int meaning) {
    const int index = list.findData(meaning);
    PRECONDITION(index >= 0);
    return list.itemText(index);
}
