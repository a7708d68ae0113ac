// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/TBaseChapter.h"

#include "PictureExport.h"
#include "Printing.h"
#include "ScreenPlacement.h"
#include "TBitmap.h"
#include "forms/BaseChapterForm.h"
#include "model/orbit/RadialSpeed.h"
#include "oWorldPortPaintBox.h"
#include "simulation/OrbitViewDrawing.h"
#include "simulation/TPlanetParamForm.h"
#include "simulation/VelocityGraphDrawing.h"

#include <QCheckBox>
#include <QHideEvent>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QTimer>
#include <algorithm>

TBaseChapter::TBaseChapter(TCustomBook* owner) : TThisChapter(owner) {
    DefineBaseChapterForm(*this);
}

TBaseChapter::~TBaseChapter() = default;

void TBaseChapter::FormCreate() {
    // The star and the planets are set up by the model's construction.
    ParamForm = CreateForm<TPlanetParamForm>(this);
    TThisChapter::FormCreate();
    NoDraw = false;
    RescaleRequested = false;

    // Both pictures are made at the screen's resolution; they are drawn in logical pixels.
    Background = std::make_unique<TBitmap>(wp->width(), wp->height(), wp->devicePixelRatio());
    Background->Canvas().Font = wpFont;
    Background->Canvas().Font.Style = wpFont.Style.with(fsItalic);
    wp->worldCanvas.canvas = &Background->Canvas();

    GraphBitmap = std::make_unique<TBitmap>(wpGraph->width(), wpGraph->height(),
                                            wpGraph->devicePixelRatio());
    GraphBitmap->Canvas().Font = wpGraphFont;
    GraphBitmap->Canvas().Font.Color = clBlack;
    wpGraph->worldCanvas.canvas = &GraphBitmap->Canvas();
    wpGraph->ShowBitmap(GraphBitmap.get());

    GraphSpanFactor = 1.08;
    SetGraphSpan(TimeSlider->value());
    wpGraph->SetWorldWidth(GraphSpan);
    // An empty graph shows its axes until the first tick draws them afresh.
    FitWindowToSpan();
    wpGraph->SetWorldLeft(WorldLeft);
    DrawGraphAxes(Height * 0.5 * 0.85 / VelocityScale);

    DragX = DragY = 0;
    Dragging = false;
    Theta = thetatrack->value() * 0.01;
    Omega = omegatrack->value() * 0.01;
    Zoom = ZoomFor(ZoomSlider->value());
    ResetSimulation();
    TimerWatch = Timer1->bindableActive().addNotifier([this] { NotifyRunning(IsRunning()); });
}

void TBaseChapter::FormDestroy() {
    NotifyClosed();
    Timer1->stop();
    TForm::Free(ParamForm);
    ParamForm = nullptr;
    wp->worldCanvas.canvas = &wp->Canvas();
    wpGraph->worldCanvas.canvas = &wpGraph->Canvas();
    wpGraph->ShowBitmap(nullptr);
    Background.reset();
    GraphBitmap.reset();
    TThisChapter::FormDestroy();
}

void TBaseChapter::ApplyColours() {
    TThisChapter::ApplyColours();
    if (ParamForm)
        ParamForm->MatchColour();
}

TSystemElements TBaseChapter::SystemElements() const {
    TSystemElements system;
    system.starMass = StarMass;
    for (const TPlanet& planet : Planets)
        if (planet.Visible)
            system.planets.push_back(planet);
    return system;
}

bool TBaseChapter::IsRunning() const { return Timer1->isActive(); }

double TBaseChapter::LargestVelocity_mps() const {
    return LargestRadialSpeed_AUperDay(Planets, StarMass) * MpsPerAUPerDay;
}

void TBaseChapter::hideEvent(QHideEvent* e) {
    TThisChapter::hideEvent(e);
    // Only a hide of this window itself, not of the book around it: a minimized book takes
    // the dialog along through the window system.
    if (e->spontaneous() || !isHidden() || !ParamForm || ParamForm->isHidden())
        return;
    ParamFormCovered = CoveredDialog{ParamForm->pos(), ParamForm->windowState()};
    ParamForm->hide();
}

void TBaseChapter::showEvent(QShowEvent* e) {
    TThisChapter::showEvent(e);
    if (e->spontaneous() || !ParamFormCovered || !ParamForm)
        return;
    ParamForm->move(ParamFormCovered->Position);
    ParamForm->setWindowState(ParamFormCovered->State);
    ParamForm->show();
    ParamFormCovered.reset();
}

std::vector<TKeepClear> TBaseChapter::KeepClearAreas() const {
    std::vector<TKeepClear> areas = TThisChapter::KeepClearAreas();
    areas.push_back({ScreenArea(*wp), 4});
    areas.push_back({ScreenArea(*wpGraph), 2});
    // The buttons the pages ask the reader to press.
    for (const QWidget* button : {StartButton, StopButton, ResetButton})
        for (const TKeepClear& area : NeverCover(*button, 2))
            areas.push_back(area);
    return areas;
}

std::vector<QWidget*> TBaseChapter::DarkPictures() const { return {wp}; }

std::vector<TPrintedDrawing> TBaseChapter::PrintedDrawings(bool onWhite) const {
    return {{wp, [this, onWhite](QPainter& p) { DrawViewPicture(p, onWhite); }},
            {wpGraph, [this](QPainter& p) { DrawGraphPicture(p); }}};
}

void TBaseChapter::DrawViewPicture(QPainter& p, bool onWhite) const {
    TCanvas canvas(&p);
    canvas.Font = wpFont;
    canvas.Font.Style = wpFont.Style.with(fsItalic);
    if (onWhite)
        canvas.Ink = [](TColor c) { return fromQColor(QColor(OnWhiteColour(toQColor(c).rgb()))); };
    if (NoDraw) {
        canvas.Brush.Color = clBlack;
        canvas.Brush.Style = bsSolid;
        canvas.FillRect(wp->rect());
        return;
    }
    orbitdrawing::DrawPicture(canvas, *wp, *this, *this, ShowTracks->isChecked(),
                              ShowVelocity->isChecked());
}

void TBaseChapter::DrawGraphPicture(QPainter& p) const {
    TCanvas canvas(&p);
    canvas.Font = wpGraphFont;
    canvas.Font.Color = clBlack;
    graphdrawing::DrawPicture(canvas, *wpGraph, GraphTrace);
}

void TBaseChapter::ResetSimulation() {
    if (!Reset(TimeSlider->value()))
        Timer1->stop();
    RedrawView();
}

void TBaseChapter::AdvanceTime() {
    for (int i = 0; i < StepsPerTick; ++i) {
        Advance();
        PlotVelocity();
    }
}

void TBaseChapter::DrawBackground() {
    if (NoDraw || !Background)
        return;
    orbitdrawing::DrawBackground(*wp, *this, *this, ShowTracks->isChecked());
    ViewDiffers = {wp->rect()};
}

void TBaseChapter::DrawFrame() {
    if (NoDraw || !Background)
        return;
    orbitdrawing::DrawFrame(*wp, *Background, *this, *this, ShowVelocity->isChecked(),
                            ViewDiffers);
}

void TBaseChapter::RedrawView() {
    DrawBackground();
    DrawFrame();
}

void TBaseChapter::DrawGraphAxes(double vmax_AUperDay) {
    ChooseTicks(vmax_AUperDay);
    RedrawGraphAxes();
}

void TBaseChapter::RedrawGraphAxes() {
    GraphAxes.Draw(*wpGraph, *GraphBitmap, *this);
    GraphTrace.Clear(*this);
    const QString exponent = QString::fromStdString(Ticks.ExponentText());
    const QString timeTitle =
        "<i>t</i> / " + QString::fromStdString(graphdrawing::TimeDivisionText(*wpGraph));
    // Laying the titles out measures their rich text; a new sweep on the same axes keeps them.
    if (RVExp->text() == exponent && TimeTitle->text() == timeTitle)
        return;
    RVExp->setText(exponent);
    NameAxisTitle(*this);
    TimeTitle->setText(timeTitle);
    LayOutAxisTitle(*this);
}

void TBaseChapter::PlotVelocity() {
    const TVelocityGraph::Point point =
        Plot(Time, StepCount, RadialVelocity, AutoScaleVelocity->isChecked());
    if (point.NewAxes) {
        wpGraph->SetWorldLeft(WorldLeft);
        wpGraph->SetWorldWidth(WorldWidth);
        RedrawGraphAxes();
    }
    graphdrawing::PlotPoint(*wpGraph, point);
    const oPoint at = wpGraph->worldCanvas.I(oRealPoint(point.X, point.Y));
    if (point.Line)
        GraphTrace.LineTo(QPoint(at.x, at.y));
    else
        GraphTrace.MoveTo(QPoint(at.x, at.y));
    // The segment is drawn now, and the graph repaints the little it covers.
    GraphBitmap->Canvas().Flush();
}

void TBaseChapter::Timer1Timer() {
    const TPaintBox::RepaintBatch view(*wp), graph(*wpGraph);
    AdvanceTime();
    DrawFrame();
    NotifyTick(Time, CurrentVelocity_mps());
}

void TBaseChapter::StartButtonClick() {
    if (std::any_of(Planets.begin(), Planets.end(), [](const TPlanet& p) { return p.Visible; }))
        Timer1->start();
}

void TBaseChapter::StopButtonClick() { Timer1->stop(); }

void TBaseChapter::ResetButtonClick() {
    Timer1->stop();
    ResetSimulation();
}

void TBaseChapter::PlanetBoxClick(int k, const QCheckBox* box) {
    Planets[k].Visible = box->isChecked();
    ResetSimulation();
}

void TBaseChapter::TimeSliderChange() {
    SetGraphSpan(TimeSlider->value());
    ApplyTimeScale(TimeSlider->value());
}

void TBaseChapter::ZoomSliderChange() {
    Zoom = ZoomFor(ZoomSlider->value());
    RedrawView();
}

void TBaseChapter::thetatrackChange() {
    const double theta = thetatrack->value() * 0.01;
    if (Theta == theta)
        return;
    Theta = theta;
    RedrawView();
}

void TBaseChapter::omegatrackChange() {
    const double omega = omegatrack->value() * 0.01;
    if (Omega == omega)
        return;
    Omega = omega;
    RedrawView();
}

void TBaseChapter::ShowTracksClick() { RedrawView(); }

void TBaseChapter::ShowVelocityClick() { DrawFrame(); }

void TBaseChapter::PlanetParamButtonClick() {
    if (ParamForm->isMinimized()) {
        ParamForm->showNormal();
        return;
    }
    ParamForm->show();
    ParamForm->raise();
}

void TBaseChapter::ReScaleVelocityClick() { RescaleRequested = true; }

void TBaseChapter::wpPaint() {
    // A fresh surface: nothing of the background is on it yet.
    ViewDiffers = {wp->rect()};
    if (NoDraw)
        orbitdrawing::DrawBlank(*wp);
    else
        DrawFrame();
}

void TBaseChapter::wpMouseDown(int x, int y) { BeginDrag(x, y); }

void TBaseChapter::wpMouseMove(int x, int y) {
    if (MoveDrag(x, y))
        RedrawView();
}

void TBaseChapter::wpMouseUp() {
    thetatrack->setValue(static_cast<int>(Theta * 100));
    omegatrack->setValue(static_cast<int>(Omega * 100));
    EndDrag();
    RedrawView();
}

void TBaseChapter::PictureMenu(QWidget& box, const QString& name, QPoint at) {
    TPictureDrawing draw = [this](QPainter& p) { DrawGraphPicture(p); };
    if (&box == wp)
        draw = [this](QPainter& p) { DrawViewPicture(p, false); };
    ShowPictureMenu(box, name, box.mapToGlobal(at), draw);
}
