#include "QuestionInput.h"

#include "Application.h"
#include "TColor.h"
#include "oBitBtn.h"

#include <QComboBox>
#include <QLocale>
#include <cmath>
#include <cstring>

bool FilterAnswerKey(char& key) {
    if (key == '\r') {
        key = 0;
        return true;
    }
    const bool numeric = key == '\b' || (key >= '0' && key <= '9') ||
                         (key != 0 && std::strchr("+-.Ee", key) != nullptr);
    if (!numeric)
        key = 0;
    return false;
}

bool ReadAnswer(const QString& text, double& value) {
    bool ok = false;
    value = QLocale::system().toDouble(text, &ok);
    // A number too large for a double ("1e999") is no number either.
    if (ok && std::isfinite(value))
        return true;
    Application::ShowMessage("Please type a valid number!");
    value = 0.0;
    return false;
}

void ReleaseChoices(std::initializer_list<oBitBtn*> choices) {
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

int ChosenItem(const QComboBox& list) {
    const int index = list.currentIndex();
    if (index < 0 || list.currentText() != list.itemText(index))
        return -1;
    return index;
}
