// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "BaseChapterForm.h"

#include "Artwork.h"
#include "BookText.h"
#include "PictureExport.h"
#include "SimulationArtwork.h"
#include "SpokenAsOne.h"
#include "SpokenValue.h"
#include "TImage.h"
#include "WidgetColour.h"
#include "oRichEdit.h"
#include "oWorldPortPaintBox.h"
#include "simulation/TBaseChapter.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const TFont ArialBold("Arial", -13, clWindowText, TFontStyles{}.with(fsBold));

QLabel* label(QWidget* parent, int x, int y, const QString& text, const TFont* font = nullptr) {
    auto* l = new QLabel(text, parent);
    if (font)
        l->setFont(font->toQFont());
    l->move(x, y);
    l->adjustSize();
    return l;
}

// A label whose right edge stands at x.
QLabel* labelEndingAt(QWidget* parent, int x, int y, const QString& text,
                      const TFont* font = nullptr) {
    QLabel* l = label(parent, x, y, text, font);
    l->move(x - l->width(), y);
    return l;
}

QSlider* slider(QWidget* parent, Qt::Orientation orientation, QRect place, int min, int max,
                int page, int tick, int position) {
    auto* s = new QSlider(orientation, parent);
    s->setGeometry(place);
    s->setRange(min, max);
    s->setPageStep(page);
    s->setTickInterval(tick);
    s->setTickPosition(tick > 0 ? QSlider::TicksBelow : QSlider::NoTicks);
    s->setValue(position);
    return s;
}

QCheckBox* checkBox(QWidget* parent, QRect place, const QString& caption, bool checked,
                    TColor background = clNone) {
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(place);
    box->setChecked(checked);
    if (background != clNone) {
        // Buttons fill with their Button role unless told to use the window colour.
        box->setBackgroundRole(QPalette::Window);
        SetColouredControl(*box, background);
    }
    return box;
}

oBitBtn* button(QWidget* parent, QRect place, const QString& caption, const TImageList* faces) {
    auto* b = new oBitBtn(parent);
    b->setGeometry(place);
    b->SetImages(faces);
    b->NumGlyphs = 4;
    b->SetCaption(caption.toStdString());
    b->SetFont(TFont("Arial", -13, clBlack, TFontStyles{}.with(fsBold)));
    return b;
}

TPanel* panel(QWidget* parent, QRect place, TColor colour) {
    auto* p = new TPanel(parent);
    p->setGeometry(place);
    p->SetLoweredBevel(true);
    p->SetColor(colour);
    return p;
}

oWorldPortPaintBox* paintBox(TPanel* parent, const oRealRect& world) {
    auto* box = new oWorldPortPaintBox(parent);
    box->SetBounds(2, 2, parent->width() - 4, parent->height() - 4);
    box->worldCanvas.SetWorldPort(world);
    return box;
}

// The graph's axis title, v_r / 10^e m s^-1, set piece by piece in a serif face.
void defineAxisTitle(TBaseChapter& f) {
    const TFont big("Times New Roman", -13, clBlack);
    TFont italic = big;
    italic.Style = italic.Style.with(fsItalic);
    TFont small("Times New Roman", -9, clBlack);
    TFont smallItalic = small;
    smallItalic.Style = smallItalic.Style.with(fsItalic);

    f.StaticText5 = label(f.Panel1, 0, 0, "v", &italic);
    f.StaticText9 = label(f.Panel1, 0, 0, "r", &smallItalic);
    f.StaticText7 = label(f.Panel1, 0, 0, "/ 10", &big);
    f.RVExp = label(f.Panel1, 0, 0, "1", &small);
    f.RVUnit = label(f.Panel1, 0, 0, "m s", &big);
    f.StaticText8 = label(f.Panel1, 0, 0, "-1", &small);
    f.TimeTitle = label(f.Panel1, 0, 0, "", &big);
    f.TimeTitle->setTextFormat(Qt::RichText);
    LayOutAxisTitle(f);
    NameAxisTitle(f);
}

void defineViewControls(TBaseChapter& f) {
    f.ControlPanel = panel(&f, QRect(14, 8, 207, 140), f.Color());
    f.ControlPanel->setAutoFillBackground(false);
    f.Label21 =
        label(f.ControlPanel, 15, 3, BookText("Simulation window", "Rotate axes"), &ArialBold);
    f.Label15 = label(f.ControlPanel, 157, 3, BookText("Simulation window", "Zoom", "of the view"),
                      &ArialBold);
    f.Image2 = new TImage(f.ControlPanel);
    f.Image2->setGeometry(19, 25, 15, 39);
    f.Image2->SetPicture(artwork::TiltPicture());
    f.Image1 = new TImage(f.ControlPanel);
    f.Image1->setGeometry(5, 88, 39, 14);
    f.Image1->SetPicture(artwork::TurnPicture());

    f.omegatrack =
        slider(f.ControlPanel, Qt::Horizontal, QRect(44, 28, 90, 30), 0, 157, 10, 18, 157);
    f.StaticText1 = label(f.ControlPanel, 46, 58, "0°");
    f.StaticText2 = labelEndingAt(f.ControlPanel, 134, 58, "90°");
    // Clear of the picture beside it, whose tip the handle at 0 would otherwise cover.
    f.thetatrack = slider(f.ControlPanel, Qt::Horizontal, QRect(44, 84, 93, 30), 0, 628, 10, 78, 0);
    f.StaticText3 = label(f.ControlPanel, 46, 114, "0°");
    f.StaticText4 = labelEndingAt(f.ControlPanel, 137, 114, "360°");
    f.ZoomSlider = slider(f.ControlPanel, Qt::Vertical, QRect(162, 23, 25, 90), 1, 100, 10, 0, 50);
    // Position 1, the closest view, stands at the top.
    f.ZoomSlider->setInvertedAppearance(true);
    f.ZoomSlider->setInvertedControls(true);
    const auto describe = [](QWidget* control, const QString& name, const QString& description) {
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
        control->setToolTip(description);
    };
    describe(f.omegatrack, BookText("Simulation window", "Tilt of the view"),
             BookText("Simulation window",
                      "Tilts the view from looking along the line of sight (0°) to looking "
                      "down on the sky (90°)."));
    describe(f.thetatrack, BookText("Simulation window", "Turn of the view"),
             BookText("Simulation window", "Turns the view about the vertical axis."));
    describe(f.ZoomSlider, BookText("Simulation window", "Zoom of the view"),
             BookText("Simulation window", "Brings the view closer (up) or farther (down)."));
    // The angles are kept in hundredths of a radian; the scales beside them show degrees.
    const TSpokenScale degrees{[](int position) { return position * 0.01 * 180.0 / std::numbers::pi; },
                               [](double angle) { return QString("%1°").arg(angle, 0, 'f', 0); }};
    SpeakInUnit(*f.omegatrack, degrees);
    SpeakInUnit(*f.thetatrack, degrees);
}

void defineGraph(TBaseChapter& f) {
    f.GraphPanel = panel(&f, QRect(388, 320, 393, 197), clWhite);
    f.wpGraph = paintBox(f.GraphPanel, oRealRect(0, 1.0, 10000.0, 100.0));
    f.wpGraph->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(f.wpGraph, &QWidget::customContextMenuRequested,
                     [&f](QPoint at) { f.PictureMenu(*f.wpGraph, "velocity-graph", at); });
    OfferPicture(*f.wpGraph, "velocity-graph", [&f](QPainter& p) { f.DrawGraphPicture(p); });
    f.wpGraph->setAccessibleName(BookText("Simulation window", "Radial velocity graph"));
    f.wpGraph->setAccessibleDescription(
        BookText("Simulation window",
                 "The star's radial velocity against time, drawn as the simulation runs; the "
                 "titles beside it give the units of both axes."));
    f.wpGraphFont = TFont("Arial", -13, clBlack);
    f.Panel1 = panel(&f, QRect(299, 321, 89, 37), clWhite);
    defineAxisTitle(f);

    f.TimeSlider = slider(&f, Qt::Horizontal, QRect(284, 508, 90, 30), -1, 4, 1, 1, 3);
    f.TimeSlider->setAccessibleName(BookText("Simulation window", "Timescale (days)"));
    f.TimeSlider->setAccessibleDescription(
        BookText("Simulation window",
                 "The simulated days per tick, from 0.1 to 10 000: also the span of the graph."));
    SpeakInUnit(*f.TimeSlider, {[](int position) { return std::pow(10.0, position); },
                                [](double days) {
                                    return BookText("Simulation window", "%1 days",
                                                    "a number of simulated days per tick")
                                        .arg(QLocale().toString(days, 'g', 6));
                                }});
    f.Label1 =
        labelEndingAt(&f, 280, 512, BookText("Simulation window", "Timescale (days)"), &ArialBold);
    f.Label2 = label(&f, 284, 536, "0.1");
    f.Label3 = labelEndingAt(&f, 374, 536, "10 000");
    f.AutoScaleVelocity = checkBox(&f, QRect(440, 528, 137, 17),
                                   BookText("Simulation window", "Autoscale velocity"), true);
    f.ReScaleVelocity =
        button(&f, QRect(596, 518, 150, 36), BookText("Simulation window", "Rescale velocity"),
               f.ButtonImages3.get());
    f.ReScaleVelocity->SetHint(BookText("Simulation window",
                                        "Rescales the velocity axis so that the largest speed "
                                        "of the curve shown fills it")
                                   .toStdString());
}

void bindHandlers(TBaseChapter& f) {
    using B = TBaseChapter;
    auto onClick = [&f](oBitBtn* b, void (B::*handler)()) {
        QObject::connect(b, &QPushButton::clicked, [&f, handler] { (f.*handler)(); });
    };
    auto onToggle = [&f](QCheckBox* box, void (B::*handler)()) {
        QObject::connect(box, &QCheckBox::toggled, [&f, handler] { (f.*handler)(); });
    };
    auto onChange = [&f](QSlider* s, void (B::*handler)()) {
        QObject::connect(s, &QSlider::valueChanged, [&f, handler] { (f.*handler)(); });
    };
    onClick(f.StartButton, &B::StartButtonClick);
    onClick(f.StopButton, &B::StopButtonClick);
    onClick(f.ResetButton, &B::ResetButtonClick);
    onClick(f.PlanetParamButton, &B::PlanetParamButtonClick);
    onClick(f.ReScaleVelocity, &B::ReScaleVelocityClick);
    onToggle(f.ShowTracks, &B::ShowTracksClick);
    onToggle(f.ShowVelocity, &B::ShowVelocityClick);
    onToggle(f.ChBoxPlanet1, &B::ChBoxPlanet1Click);
    onToggle(f.ChBoxPlanet2, &B::ChBoxPlanet2Click);
    onToggle(f.ChBoxPlanet3, &B::ChBoxPlanet3Click);
    onChange(f.ZoomSlider, &B::ZoomSliderChange);
    onChange(f.thetatrack, &B::thetatrackChange);
    onChange(f.omegatrack, &B::omegatrackChange);
    onChange(f.TimeSlider, &B::TimeSliderChange);
    QObject::connect(f.Timer1, &QTimer::timeout, [&f] { f.Timer1Timer(); });

    f.wp->OnPaint = [&f] { f.wpPaint(); };
    f.wp->OnMouseDown = [&f](TMouseButton, Qt::KeyboardModifiers, int x, int y) {
        f.wpMouseDown(x, y);
    };
    f.wp->OnMouseMove = [&f](Qt::KeyboardModifiers, int x, int y) { f.wpMouseMove(x, y); };
    f.wp->OnMouseUp = [&f](TMouseButton, Qt::KeyboardModifiers, int, int) { f.wpMouseUp(); };
    f.OnCreate = [&f] { f.FormCreate(); };
    f.OnDestroy = [&f] { f.FormDestroy(); };
}

} // namespace

void LayOutAxisTitle(TBaseChapter& f) {
    f.RVExp->adjustSize();
    // The exponent stands in a gap of five spaces, wider when its text needs more.
    const int gap = std::max(QFontMetrics(f.StaticText7->font()).horizontalAdvance("     "),
                             f.RVExp->width() + 1);
    // Two lines: the velocity's title, then the time's.
    const int line = 4;
    const struct {
        QLabel* label;
        int y;
        int advance; // to the next piece
    } pieces[] = {
        {f.StaticText5, line, f.StaticText5->width() - 1}, // the subscript tucks under the v
        {f.StaticText9, line + 6, f.StaticText9->width() + 3},
        {f.StaticText7, line, f.StaticText7->width()},
        {f.RVExp, line - 3, gap},
        {f.RVUnit, line, f.RVUnit->width()},
        {f.StaticText8, line - 3, f.StaticText8->width()},
    };
    int width = 0;
    for (const auto& piece : pieces)
        width += piece.advance;
    // A title too wide for its place moves left, as far as the panel's edge.
    const QRect inside = f.Panel1->contentsRect();
    int x = std::clamp(inside.right() + 1 - width, inside.left(), 5);
    for (const auto& piece : pieces) {
        piece.label->move(x, piece.y);
        x += piece.advance;
    }
    f.TimeTitle->adjustSize();
    f.TimeTitle->move(std::clamp(inside.right() + 1 - f.TimeTitle->width(), inside.left(), 5),
                      line + 16);
}

void NameAxisTitle(TBaseChapter& f) {
    SpeakAsOne(*f.StaticText5, {f.StaticText9, f.StaticText7, f.RVExp, f.RVUnit, f.StaticText8},
               BookText("Simulation window",
                        "Radial velocity v r, in 10 to the power %1 metres per second",
                        "the velocity axis's title as a screen reader reads it")
                   .arg(f.RVExp->text()));
}

void DefineBaseChapterForm(TBaseChapter& f) {
    f.SetCaption("BaseChapter");
    f.TextBox->setGeometry(12, 332, 361, 173);
    f.MessagePanel->setGeometry(18, 420, 350, 80);

    f.wpPanel = panel(&f, QRect(237, 8, 544, 304), clBlack);
    f.wp = paintBox(f.wpPanel, oRealRect(-2.7, 1.5, 5.4, -3.0));
    f.wp->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(f.wp, &QWidget::customContextMenuRequested,
                     [&f](QPoint at) { f.PictureMenu(*f.wp, "orbit-view", at); });
    OfferPicture(*f.wp, "orbit-view", [&f](QPainter& p) { f.DrawViewPicture(p, false); });
    f.wp->setCursor(Qt::PointingHandCursor);
    f.wp->setAccessibleName(BookText("Simulation window", "Orbit view"));
    f.wp->setAccessibleDescription(BookText(
        "Simulation window", "The star and its planets on their orbits; drag to turn the view."));
    f.wpFont = TFont("Times New Roman", -16, clWhite);

    defineViewControls(f);
    f.ShowTracks = checkBox(
        &f, QRect(16, 159, 110, 17),
        BookText("Simulation window", "Orbits", "the check box that draws the orbits"), true);
    f.ShowVelocity = checkBox(&f, QRect(16, 183, 120, 17),
                              BookText("Simulation window", "Velocity vector"), true, clLime);
    f.ChBoxPlanet1 = checkBox(&f, QRect(16, 207, 120, 17), "Mondas", true, clAqua);
    f.ChBoxPlanet2 = checkBox(&f, QRect(16, 231, 120, 17), "Vulcan", false, clYellow);
    f.ChBoxPlanet3 = checkBox(&f, QRect(16, 255, 120, 17), "Skyron", false, clRed);
    f.StartButton =
        button(&f, QRect(162, 162, 65, 36),
               BookText("Simulation window", "Start", "the simulation"), f.ButtonImages.get());
    f.StopButton =
        button(&f, QRect(162, 198, 65, 36), BookText("Simulation window", "Stop", "the simulation"),
               f.ButtonImages.get());
    f.ResetButton =
        button(&f, QRect(162, 235, 65, 36),
               BookText("Simulation window", "Reset", "the simulation"), f.ButtonImages.get());
    f.PlanetParamButton =
        button(&f, QRect(11, 284, 150, 36), BookText("Simulation window", "Edit parameters"),
               f.ButtonImages3.get());

    defineGraph(f);
    f.Timer1 = new QTimer(&f);
    f.Timer1->setInterval(50);
    f.QButtons = std::make_unique<TImageList>(147, 27);
    artwork::AddBlankFaces(*f.QButtons, 4);

    f.MessagePanel->raise();
    bindHandlers(f);
}
