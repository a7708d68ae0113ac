// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "QuestionParts.h"

#include "BookText.h"
#include "TKeyEdit.h"
#include "simulation/TBaseChapter.h"

#include <QLabel>

namespace questionparts {

namespace {

const TFont ArialBold("Arial", -13, clWindowText, TFontStyles{}.with(fsBold));

} // namespace

oBitBtn* ChoiceButton(TBaseChapter& f, int top, const QString& caption,
                      std::function<void(oBitBtn*)> onClick) {
    return ChoiceButton(f, *f.QButtons, QRect(230, top, 147, 27), caption, std::move(onClick));
}

oBitBtn* ChoiceButton(TThisChapter& f, const TImageList& faces, QRect place, const QString& caption,
                      std::function<void(oBitBtn*)> onClick) {
    auto* b = new oBitBtn(&f);
    b->setGeometry(place);
    b->SetImages(&faces);
    b->NumGlyphs = 4;
    b->SetCaption(caption.toStdString());
    b->SetFont(TFont("Arial", -13, clWindowText));
    b->setProperty(TThisChapter::AnswerChoiceProperty, true);
    b->setProperty(TThisChapter::QuestionPartProperty, true);
    b->hide();
    QObject::connect(b, &QPushButton::clicked, [b, onClick = std::move(onClick)] { onClick(b); });
    return b;
}

QLabel* BoldText(QWidget* parent, QRect place, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    l->setFont(ArialBold.toQFont());
    return l;
}

TKeyEdit* AnswerField(QWidget* parent, QRect place, std::function<void(char&)> onKey) {
    auto* field = new TKeyEdit(parent);
    field->setGeometry(place);
    field->setMaxLength(5);
    field->setProperty(TThisChapter::QuestionPartProperty, true);
    field->hide();
    field->OnKeyPress = [onKey = std::move(onKey)](QObject*, char& key) { onKey(key); };
    return field;
}

oBitBtn* DoneButton(TThisChapter& f, QRect place, std::function<void()> onClick) {
    auto* b = new oBitBtn(&f);
    b->setGeometry(place);
    b->SetImages(f.ButtonImages.get());
    b->NumGlyphs = 4;
    b->SetCaption(
        BookText("Questions", "Done", "the button that hands in an answer").toStdString());
    b->setProperty(TThisChapter::QuestionPartProperty, true);
    b->SetFont(ArialBold);
    b->hide();
    QObject::connect(b, &QPushButton::clicked, [onClick = std::move(onClick)] { onClick(); });
    return b;
}

} // namespace questionparts
