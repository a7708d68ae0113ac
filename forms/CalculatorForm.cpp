// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "CalculatorForm.h"

#include "Artwork.h"
#include "calculator/TCalculatorForm.h"

#include "BookText.h"
#include "WidgetColour.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

constexpr int Width = 320;
constexpr int FieldWidth = Width - 24;
QLabel* label(TCalculatorForm& f, QRect place, const QString& text) {
    auto* label = new QLabel(text, &f);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* field(TCalculatorForm& f, int top, QLabel* caption) {
    auto* edit = new QLineEdit(&f);
    edit->setGeometry(12, top, FieldWidth, 24);
    caption->setBuddy(edit);
    return edit;
}

oBitBtn* button(TCalculatorForm& f, int left, int top, const QString& caption) {
    auto* button = new oBitBtn(&f);
    button->setGeometry(left, top, 110, 36);
    button->SetCaption(caption.toStdString());
    button->SetImages(f.ButtonImages.get());
    button->NumGlyphs = 3;
    return button;
}

} // namespace

void DefineCalculatorForm(TCalculatorForm& f) {
    f.setWindowFlags(Qt::Window);
    f.SetCaption(BookText("Calculator", "Calculator").toStdString());
    f.SetBorderStyle(bsSingle);
    f.SetFont(TFont("Arial", -13, clBlack));
    f.SetColor(RGB(213, 230, 227));
    f.hide();

    f.ExpressionEdit = field(
        f, 30, label(f, QRect(12, 12, FieldWidth, 16), BookText("Calculator", "&Expression")));
    f.ExpressionEdit->setPlaceholderText(BookText("Calculator", "such as 2 pi sqrt(5.2^3)",
                                                  "an example; the decimal mark may be the "
                                                  "language's own"));
    f.ValueEdit =
        field(f, 80, label(f, QRect(12, 62, FieldWidth, 16), BookText("Calculator", "&Value")));
    f.ValueEdit->setReadOnly(true);
    // Angles: degrees, as a school calculator takes them, or radians.
    auto* angles = label(f, QRect(12, 112, 60, 18), BookText("Calculator", "Angles:"));
    f.DegreesButton = new QRadioButton(BookText("Calculator", "&Degrees"), &f);
    f.DegreesButton->setGeometry(76, 110, 100, 20);
    f.DegreesButton->setChecked(true);
    f.RadiansButton = new QRadioButton(BookText("Calculator", "&Radians"), &f);
    f.RadiansButton->setGeometry(180, 110, 100, 20);
    f.DegreesButton->setAccessibleDescription(
        BookText("Calculator", "sin, cos and tan take degrees; asin, acos and atan give degrees"));
    f.RadiansButton->setAccessibleDescription(
        BookText("Calculator", "sin, cos and tan take radians; asin, acos and atan give radians"));
    angles->setBuddy(f.DegreesButton);
    f.MessageLabel = label(f, QRect(12, 136, FieldWidth, 34), {});
    SetWidgetTextColour(*f.MessageLabel, clMaroon);
    f.HintLabel = label(f, QRect(12, 172, FieldWidth, 48),
                        BookText("Calculator",
                                 "Enter works it out. x is the last value; pi, sqrt, "
                                 "sin, cos, tan, exp, ln and log10 are known, ^ raises "
                                 "to a power.",
                                 "the calculator's words (x, pi, sqrt, sin, ...) are typed as "
                                 "they stand in every language"));
    SetWidgetTextColour(*f.HintLabel, RGB(0, 0, 157)); // the book's ink

    f.ButtonImages = std::make_unique<TImageList>(110, 36);
    artwork::AddBlankFaces(*f.ButtonImages, 3);
    constexpr int buttonsTop = 224;
    f.EqualsButton = button(f, 12, buttonsTop, "=");
    f.EqualsButton->setAccessibleName(BookText("Calculator", "Work out"));
    f.CloseButton = button(f, Width - 12 - 110, buttonsTop, BookText("Calculator", "Close"));
    f.SetDefaultButton(f.EqualsButton);
    f.SetCancelButton(f.CloseButton);
    f.SetClientSize(Width, buttonsTop + 36 + 12);
    QObject::connect(f.EqualsButton, &QPushButton::clicked, [&f] { f.EqualsButtonClick(); });
    QObject::connect(f.CloseButton, &QPushButton::clicked, [&f] { f.CloseButtonClick(); });
    f.ExpressionEdit->setFocus();
}
