// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The chapter window that carries the orbit simulation: the base of the four simulation
// chapters, which drive it page by page. It is the run itself (TSimulationModel: the star,
// the planets Mondas, Vulcan and Skyron, time and step), the orbit view's angles and zoom
// (TOrbitView) and the velocity graph's sweep state (TVelocityGraph), so the chapters reach
// Planets, TimeStep, GraphSpan and the rest by their names; it adds the pictures, the
// controls, the 50 ms timer that advances time, and the planet parameter dialog.
//
// Every change of a planet's elements or visibility, of the star's mass, and Reset, set
// every planet up again at pericentre with time 0 (ResetSimulation). A tick steps the
// visible planets, plots the star's radial velocity and redraws the view from its
// background bitmap; a tick takes as many steps as keep a sweep of the graph within 30 s,
// and the graph plots every one. Chapters switch the timer with Timer1->start() and stop().
//
// As a TSimulationFeed it tells followers such as the spectrum window every tick's time and
// radial velocity, when the timer starts or stops, and that it closes.

#include "book/TThisChapter.h"
#include "model/simulation/SimulationModel.h"
#include "simulation/GraphAxesPicture.h"
#include "simulation/GraphTrace.h"
#include "simulation/OrbitView.h"
#include "simulation/SimulationFeed.h"
#include "simulation/VelocityGraph.h"

#include <QPoint>
#include <QProperty>
#include <QRect>
#include <Qt>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QPainter;
class QSlider;
class QTimer;
class TBitmap;
class TImage;
class TPanel;
class TPlanetParamForm;
class oBitBtn;
class oWorldPortPaintBox;

class TBaseChapter : public TThisChapter,
                     public TSimulationModel,
                     public TOrbitView,
                     public TVelocityGraph,
                     public TSimulationFeed {
public:
    explicit TBaseChapter(TCustomBook* owner);
    ~TBaseChapter() override;

    // The orbit view and its panel.
    TPanel* wpPanel = nullptr;
    oWorldPortPaintBox* wp = nullptr;
    // The view controls.
    TPanel* ControlPanel = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label15 = nullptr;
    TImage* Image2 = nullptr; // beside the tilt slider
    TImage* Image1 = nullptr; // beside the turn slider
    QSlider* omegatrack = nullptr;
    QSlider* thetatrack = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QLabel* StaticText3 = nullptr;
    QLabel* StaticText4 = nullptr;
    QSlider* ZoomSlider = nullptr;
    QCheckBox* ShowTracks = nullptr;
    QCheckBox* ShowVelocity = nullptr;
    QCheckBox* ChBoxPlanet1 = nullptr;
    QCheckBox* ChBoxPlanet2 = nullptr;
    QCheckBox* ChBoxPlanet3 = nullptr;
    oBitBtn* StartButton = nullptr;
    oBitBtn* StopButton = nullptr;
    oBitBtn* ResetButton = nullptr;
    oBitBtn* PlanetParamButton = nullptr;
    // The velocity graph, its axis title and its controls.
    TPanel* GraphPanel = nullptr;
    oWorldPortPaintBox* wpGraph = nullptr;
    TPanel* Panel1 = nullptr;
    QLabel* StaticText5 = nullptr;
    QLabel* StaticText9 = nullptr;
    QLabel* StaticText7 = nullptr;
    QLabel* RVExp = nullptr;  // the power of ten of the velocity unit
    QLabel* RVUnit = nullptr; // "m s" after it
    QLabel* StaticText8 = nullptr;
    // "t / 1000 days" below the velocity title: outside the graph, so the curve never
    // runs through it.
    QLabel* TimeTitle = nullptr;
    QSlider* TimeSlider = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* AutoScaleVelocity = nullptr;
    oBitBtn* ReScaleVelocity = nullptr;
    QTimer* Timer1 = nullptr;
    // Faces of the chapters' question buttons, 147 x 27.
    std::unique_ptr<TImageList> QButtons;

    // The paint boxes' fonts: white italic letters on the view, black numbers on the graph.
    TFont wpFont;
    TFont wpGraphFont;

    std::unique_ptr<TBitmap> Background;   // the orbit view without its moving bodies
    std::unique_ptr<TBitmap> GraphBitmap;  // the velocity graph, shown by wpGraph directly
    TGraphTrace GraphTrace;                // what GraphBitmap shows, to draw it again as lines
    TGraphAxesPicture GraphAxes;           // GraphBitmap's empty axes, for the next sweep
    bool NoDraw = false;                   // freezes the orbit view; a repaint shows it black
    TPlanetParamForm* ParamForm = nullptr; // owned

    // Sets every planet up again from its elements at time 0 and redraws the view. Stops the
    // timer when no planet is visible; otherwise a running simulation runs on.
    void ResetSimulation();
    // One tick of simulated time: StepsPerTick steps, each summing the star's reflex and
    // giving the graph its next point; the view then shows the last.
    void AdvanceTime();
    // Redraws the view's background (axes, orbit tracks) without showing it.
    void DrawBackground();
    // Shows the background with the star, the planets and their arrows.
    virtual void DrawFrame();
    // Clears the graph and draws its axes with labels for the velocity range vmax (AU/day).
    void DrawGraphAxes(double vmax_AUperDay);

    // Form-created and destroy handlers; each runs the framework's own step within.
    void FormCreate();
    void FormDestroy();
    void ApplyColours() override;
    // The page text, the orbit view and the graph.
    std::vector<TKeepClear> KeepClearAreas() const override;
    // The orbit view.
    std::vector<QWidget*> DarkPictures() const override;
    // The orbit view and the graph, drawn afresh as lines and text.
    std::vector<TPrintedDrawing> PrintedDrawings(bool onWhite) const override;
    // The orbit view's picture and the graph's as they show, drawn afresh onto any painter in
    // the box's pixels; the view turned for white paper when `onWhite`.
    void DrawViewPicture(QPainter& p, bool onWhite) const;
    void DrawGraphPicture(QPainter& p) const;

    // The feed its followers read.
    bool IsRunning() const override;
    double CurrentTime_days() const override { return Time; }
    double CurrentVelocity_mps() const override { return RadialVelocity * MpsPerAUPerDay; }
    TSystemElements SystemElements() const override;
    double LargestVelocity_mps() const override;

    // Handlers.
    void Timer1Timer();
    void StartButtonClick();
    void StopButtonClick();
    void ResetButtonClick();
    void ZoomSliderChange();
    void thetatrackChange();
    void omegatrackChange();
    void ShowTracksClick();
    void ShowVelocityClick();
    void ChBoxPlanet1Click() { PlanetBoxClick(0, ChBoxPlanet1); }
    void ChBoxPlanet2Click() { PlanetBoxClick(1, ChBoxPlanet2); }
    void ChBoxPlanet3Click() { PlanetBoxClick(2, ChBoxPlanet3); }
    void TimeSliderChange();
    void PlanetParamButtonClick();
    void ReScaleVelocityClick();
    void wpPaint();
    void wpMouseDown(int x, int y);
    void wpMouseMove(int x, int y);
    void wpMouseUp();
    // The context menu of the orbit view and the graph: "Save picture..." saves the box's
    // picture as PNG or as an SVG drawing.
    void PictureMenu(QWidget& box, const QString& name, QPoint at);

protected:
    // The parameter dialog drives this chapter, so it leaves when the chapter window is
    // hidden (the contents page covers it) and comes back as it was when the window shows.
    void hideEvent(QHideEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    // Where and in what state the dialog stood when the chapter's hiding took it away; the
    // window system may forget both while the dialog is withdrawn.
    struct CoveredDialog {
        QPoint Position;
        Qt::WindowStates State;
    };
    std::optional<CoveredDialog> ParamFormCovered;
    // Where the view's surface differs from Background: what the last frame drew over it,
    // or all of it after the background or the surface changed. A frame copies back only
    // that and what it draws itself.
    std::vector<QRect> ViewDiffers;
    // Tells the followers when Timer1 starts or stops, whoever switches it.
    QPropertyNotifier TimerWatch;

    void PlanetBoxClick(int k, const QCheckBox* box);
    void PlotVelocity();
    void RedrawGraphAxes();
    void RedrawView();
};
