#include "SimpleCaseForm.h"

#include "TKeyEdit.h"
#include "chapters/TSimpleCase.h"

#include <QLabel>

namespace {

const TFont ArialBold("Arial", -13, clWindowText, TFontStyles{}.with(fsBold));

oBitBtn* choice(TSimpleCase& f, int top, const char* caption) {
    auto* b = new oBitBtn(&f);
    b->setGeometry(230, top, 147, 27);
    b->SetImages(f.QButtons.get());
    b->NumGlyphs = 4;
    b->SetCaption(caption);
    b->SetFont(TFont("Arial", -13, clWindowText));
    b->hide();
    QObject::connect(b, &QPushButton::clicked, [&f, b] { f.QChoiceClick(b); });
    return b;
}

QLabel* staticText(TSimpleCase& f, QRect place, const char* text) {
    auto* l = new QLabel(text, &f);
    l->setGeometry(place);
    l->setFont(ArialBold.toQFont());
    return l;
}

} // namespace

void DefineSimpleCaseForm(TSimpleCase& f) {
    f.SetCaption("The simulation");
    f.QChoice1 = choice(f, 402, "crosses the x axis");
    f.QChoice2 = choice(f, 434, "crosses the y axis");
    f.QChoice3 = choice(f, 466, "crosses the z axis");
    f.QChoiceIntro = staticText(f, QRect(233, 380, 65, 20), "When it...");

    f.Q7Answer = new TKeyEdit(&f);
    f.Q7Answer->setGeometry(32, 376, 73, 24);
    f.Q7Answer->setMaxLength(5);
    f.Q7Answer->hide();
    f.Q7Answer->OnKeyPress = [&f](QObject*, char& key) { f.Q7AnswerKeyPress(key); };
    f.Q7Label = staticText(f, QRect(109, 379, 33, 20), "days");

    f.Q7DoneButton = new oBitBtn(&f);
    f.Q7DoneButton->setGeometry(150, 369, 65, 36);
    f.Q7DoneButton->SetImages(f.ButtonImages.get());
    f.Q7DoneButton->NumGlyphs = 4;
    f.Q7DoneButton->SetCaption("Done");
    f.Q7DoneButton->SetFont(ArialBold);
    f.Q7DoneButton->hide();
    QObject::connect(f.Q7DoneButton, &QPushButton::clicked, [&f] { f.Q7DoneButtonClick(); });
    f.MessagePanel->raise();
}
