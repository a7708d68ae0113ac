// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "PlanetParamForm.h"

#include "BookText.h"
#include "NumberText.h"
#include "WidgetColour.h"
#include "simulation/TPlanetParamForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <initializer_list>

namespace {

const TFont Arial13("Arial", -13, clWindowText);
const TFont Arial10("Arial", -10, clWindowText);

QLabel* label(QWidget* parent, QRect place, const QString& text, const TFont& font) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    l->setFont(font.toQFont());
    return l;
}

QRadioButton* radio(TPlanetParamForm& f, QRect place, const char* caption, TColor colour,
                    bool checked) {
    auto* r = new QRadioButton(caption, &f);
    r->setGeometry(place);
    r->setFont(Arial13.toQFont());
    r->setChecked(checked);
    // Buttons fill with their Button role unless told to use the window colour.
    r->setBackgroundRole(QPalette::Window);
    SetColouredControl(*r, colour);
    return r;
}

// One slider row: the quantity's symbol in italics with its hint, the value label, the
// slider with its name and description, and the numbers under its ticks.
struct Row {
    const char* symbol;    // the symbol and " =", spaces kept
    const char* subscript; // set below the symbol's letter, or null
    const char* hint;
    const char* name;        // what a screen reader calls the slider
    const char* description; // what it does, read out and shown as its tooltip
    const char* value;       // design text of the value label, until the planet's shows
    int top, height, min, max, tick, position;
    std::initializer_list<const char*> ends; // spread evenly under the slider
};

// A number under a slider in the language's convention, with the decimals of its design and
// the spaces and plus sign before it.
QString EndText(const char* design) {
    const QString text = QString::fromUtf8(design);
    qsizetype start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '+'))
        ++start;
    const QString number = text.mid(start);
    const qsizetype point = number.indexOf('.');
    return text.left(start) +
           FixedText(number.toDouble(), point < 0 ? 0 : int(number.size() - point - 1));
}

QSlider* defineRow(TPlanetParamForm& f, const Row& row, QLabel*& valueLabel) {
    // Greek letters are written as themselves, in a face that has them.
    TFont symbolFont("Times New Roman", -16, clWindowText, TFontStyles{}.with(fsItalic));
    QLabel* symbol =
        label(&f, QRect(22, row.top + 3, 48, 22), QString::fromUtf8(row.symbol), symbolFont);
    symbol->setTextFormat(Qt::PlainText);
    const QString hint = BookText("Planet parameters", row.hint);
    symbol->setToolTip(hint);
    if (row.subscript) {
        TFont small = symbolFont;
        small.Height = -11;
        label(&f, QRect(22 + 11, row.top + 12, 10, 14), row.subscript, small)->setToolTip(hint);
    }
    valueLabel = label(&f, QRect(72, row.top + 6, 134, 18), QString::fromUtf8(row.value), Arial13);

    auto* s = new QSlider(Qt::Horizontal, &f);
    s->setGeometry(209, row.top, 91, row.height);
    s->setRange(row.min, row.max);
    s->setPageStep(10);
    s->setTickInterval(row.tick);
    s->setTickPosition(QSlider::TicksBelow);
    s->setValue(row.position);
    s->setAccessibleName(BookText("Planet parameters", row.name));
    s->setAccessibleDescription(BookText("Planet parameters", row.description));
    s->setToolTip(BookText("Planet parameters", row.description));

    // Numbers stand under the ticks they name, clear of the tick marks (the handle's travel
    // leaves about 6 pixels at either end); the outer two keep within the slider.
    const int n = int(row.ends.size());
    int i = 0;
    for (const char* end : row.ends) {
        const int centre = 209 + 6 + (91 - 12) * i / (n - 1);
        const int left = i == 0 ? 209 : i == n - 1 ? 209 + 91 - 40 : centre - 20;
        QLabel* l = label(&f, QRect(left, row.top + row.height + 1, 40, 13), EndText(end), Arial10);
        l->setAlignment(i == 0 ? Qt::AlignLeft : i == n - 1 ? Qt::AlignRight : Qt::AlignHCenter);
        ++i;
    }
    QObject::connect(s, &QSlider::valueChanged, [&f, s] { f.SliderChange(*s); });
    return s;
}

} // namespace

void DefinePlanetParamForm(TPlanetParamForm& f) {
    f.setWindowFlags(Qt::Window);
    f.SetCaption(BookText("Planet parameters", "Edit parameters").toStdString());
    f.SetBorderStyle(bsSingle);
    f.SetClientSize(347, 465);
    f.move(294, 94);
    f.SetFont(TFont("Times New Roman", -16, clWindowText));
    f.SetColor(RGB(239, 232, 255));
    f.hide();

    f.PlanRadioButton1 = radio(f, QRect(28, 7, 90, 15), "Mondas", clAqua, true);
    f.PlanRadioButton2 = radio(f, QRect(28, 35, 90, 14), "Vulcan", clYellow, false);
    f.PlanRadioButton3 = radio(f, QRect(28, 62, 90, 15), "Skyron", clRed, false);
    f.PlanName = new QLineEdit(BookText("Planet parameters", "Planet 1"), &f);
    f.PlanName->setGeometry(214, 28, 77, 24);
    f.PlanName->setFont(Arial13.toQFont());
    f.PlanName->setMaxLength(999);
    f.PlanName->setAccessibleName(BookText("Planet parameters", "Planet name"));

    // The hints, names and descriptions in the translation's context "Planet parameters".
    const Row rows[] = {
        {" a =", nullptr, QT_TRANSLATE_NOOP("Planet parameters", "semi-major axis"),
         QT_TRANSLATE_NOOP("Planet parameters", "Semi-major axis a"),
         QT_TRANSLATE_NOOP("Planet parameters", "The size of the orbit: half its longest "
                                                "diameter, from 0.01 to 100 AU."),
         "5.2 AU", 83, 30, 0, 100, 25, 68, {"0.01", " 1", "100"}},
        {"e =", nullptr, QT_TRANSLATE_NOOP("Planet parameters", "Eccentricity"),
         QT_TRANSLATE_NOOP("Planet parameters", "Eccentricity e"),
         QT_TRANSLATE_NOOP("Planet parameters", "How far the orbit is from a circle: 0 is a "
                                                "circle, near 1 a long, thin ellipse."),
         "0", 137, 30, 0, 100, 10, 0, {"0", "1"}},
        {"i  =", nullptr, QT_TRANSLATE_NOOP("Planet parameters", "Orbit Inclination"),
         QT_TRANSLATE_NOOP("Planet parameters", "Inclination i"),
         QT_TRANSLATE_NOOP("Planet parameters", "The angle between the line of sight and the "
                                                "orbit's normal: 90° is edge-on, 0° face-on."),
         "+90°", 191, 30, -90, 90, 45, 90, {"-90", "+90"}},
        {"φ  =", nullptr, QT_TRANSLATE_NOOP("Planet parameters", "Orbit Azimuth"),
         QT_TRANSLATE_NOOP("Planet parameters", "Azimuth φ"),
         QT_TRANSLATE_NOOP("Planet parameters",
                           "φ turns the plane of the orbit about the line of sight."),
         "0°", 245, 31, 0, 360, 90, 0, {"0", "360"}},
        {"ψ  =", nullptr, QT_TRANSLATE_NOOP("Planet parameters", "Orientation of the ellipse"),
         QT_TRANSLATE_NOOP("Planet parameters", "Orientation ψ"),
         QT_TRANSLATE_NOOP("Planet parameters", "ψ turns the ellipse within its own plane."),
         "0°", 299, 30, 0, 360, 90, 0, {"0", "360"}},
        {"m   =", nullptr, QT_TRANSLATE_NOOP("Planet parameters", "Planet Mass"),
         QT_TRANSLATE_NOOP("Planet parameters", "Planet mass m"),
         QT_TRANSLATE_NOOP("Planet parameters",
                           "The planet's mass, from 0.01 to 10 Jupiter masses."),
         "1.00 Jupiter masses", 353, 31, 0, 90, 30, 60, {"0.01", "0.1", "1", "  10"}},
        {"m   =", "s", QT_TRANSLATE_NOOP("Planet parameters", "Star Mass"),
         QT_TRANSLATE_NOOP("Planet parameters", "Star mass ms"),
         QT_TRANSLATE_NOOP("Planet parameters", "The star's mass, from 0.1 to 100 solar masses."),
         "1.00 Solar masses", 407, 30, 0, 90, 30, 30, {"0.1", " 1", "  10", " 100"}},
    };
    f.aSlider = defineRow(f, rows[0], f.aLabel);
    f.EccSlider = defineRow(f, rows[1], f.EccLabel);
    f.incSlider = defineRow(f, rows[2], f.incLabel);
    f.phiSlider = defineRow(f, rows[3], f.phiLabel);
    f.psiSlider = defineRow(f, rows[4], f.psiLabel);
    f.massSlider = defineRow(f, rows[5], f.massLabel);
    f.SmassSlider = defineRow(f, rows[6], f.SmassLabel);

    // Above the name, where the dialog has room without growing over more of the page.
    f.CloseButton = new QPushButton(BookText("Planet parameters", "&Close"), &f);
    f.CloseButton->setGeometry(214, 3, 77, 23);
    f.CloseButton->setFont(Arial13.toQFont());
    f.SetCancelButton(f.CloseButton);
    QObject::connect(f.CloseButton, &QPushButton::clicked, [&f] { f.CloseButtonClick(); });

    QObject::connect(f.PlanName, &QLineEdit::textChanged, [&f] { f.PlanNameChange(); });
    QObject::connect(f.PlanRadioButton1, &QRadioButton::clicked,
                     [&f] { f.PlanRadioButton1Click(); });
    QObject::connect(f.PlanRadioButton2, &QRadioButton::clicked,
                     [&f] { f.PlanRadioButton2Click(); });
    QObject::connect(f.PlanRadioButton3, &QRadioButton::clicked,
                     [&f] { f.PlanRadioButton3Click(); });
    f.OnCreate = [&f] { f.FormCreate(); };
}
