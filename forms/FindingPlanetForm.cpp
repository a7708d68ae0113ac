// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "FindingPlanetForm.h"

#include "Artwork.h"
#include "BookText.h"
#include "QuestionParts.h"
#include "TKeyEdit.h"
#include "chapters/TFindingPlanet.h"
#include "model/observing/HiddenSystems.h"
#include "oRichEdit.h"
#include "observing/TDataPlot.h"
#include "observing/TFitByHandPage.h"
#include "observing/TFitPlot.h"
#include "observing/TFoldPlot.h"
#include "observing/TPeriodogramPlot.h"
#include "observing/TPosteriorPlot.h"
#include "observing/TResidualPlot.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontInfo>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

using namespace questionparts;

namespace {

// The views' tab area: beside the text, where the other chapters show the simulation.
constexpr int ViewsLeft = 350, ViewsTop = 10, ViewsWidth = 432, ViewsHeight = 494;
constexpr int PlotWidth = ViewsWidth - 14;

QWidget* Tab(TFindingPlanet& f, const QString& title, QWidget* page = new QWidget) {
    f.Views->setTabToolTip(f.Views->addTab(page, title), title);
    return page;
}

template <class TPlot> TPlot* Plot(QWidget* parent, QRect place, const QString& name) {
    auto* plot = new TPlot(parent);
    plot->setGeometry(place);
    plot->setAccessibleName(name);
    return plot;
}

QLabel* Readout(QWidget* parent, QRect place) {
    auto* l = new QLabel(parent);
    l->setGeometry(place);
    l->setWordWrap(true);
    // Readouts quote the data files' papers and faults: shown as the text they are.
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QPushButton* Button(QWidget* parent, QRect place, const QString& caption,
                    std::function<void()> onClick) {
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(place);
    QObject::connect(b, &QPushButton::clicked, [onClick = std::move(onClick)] { onClick(); });
    return b;
}

} // namespace

void DefineFindingPlanetForm(TFindingPlanet& f) {
    f.SetCaption(BookText("Chapter 6: Finding a planet", "Finding a planet").toStdString());
    f.TextBox->setGeometry(20, 16, 318, 290);

    f.Views = new QTabWidget(&f);
    f.Views->setGeometry(ViewsLeft, ViewsTop, ViewsWidth, ViewsHeight);
    f.Views->setAccessibleName(BookText("Chapter 6: Finding a planet", "Observing views"));

    QWidget* data = Tab(f, BookText("Chapter 6: Finding a planet", "Data", "a tab's caption"));
    f.DataPlot = Plot<TDataPlot>(data, QRect(4, 4, PlotWidth, 300),
                                 BookText("Chapter 6: Finding a planet", "Measurements"));
    // The published data's instruments, one above the other in the same place.
    for (std::size_t i = 0; i < f.InstrumentPlots.size(); ++i) {
        f.InstrumentPlots[i] = Plot<TDataPlot>(
            data, QRect(4, 4 + 150 * int(i), PlotWidth, 150),
            BookText("Chapter 6: Finding a planet", "Measurements of one instrument"));
        f.InstrumentPlots[i]->hide();
    }
    f.RunLabel = Readout(data, QRect(6, 308, PlotWidth - 4, 124));
    f.SeedCaption = new QLabel(BookText("Chapter 6: Finding a planet", "Seed:"), data);
    // The caption as wide as its word, the field and the button beside it moved along.
    const int seedShift =
        std::max(0, f.SeedCaption->fontMetrics().horizontalAdvance(f.SeedCaption->text()) - 40);
    f.SeedCaption->setGeometry(6, 438, 40 + seedShift, 24);
    f.SeedEdit = new QLineEdit(data);
    f.SeedEdit->setGeometry(48 + seedShift, 436, 70, 26);
    f.SeedEdit->setValidator(new QIntValidator(1, int(observing::MaxHiddenSeed), f.SeedEdit));
    f.SeedEdit->setAccessibleName(BookText("Chapter 6: Finding a planet", "Seed"));
    QObject::connect(f.SeedEdit, &QLineEdit::returnPressed, [&f] { f.ObserveButtonClick(); });
    f.ObserveButton = Button(
        data, QRect(126 + seedShift, 435, 96, 28),
        BookText("Chapter 6: Finding a planet", "Observe", "the button that measures the star"),
        [&f] { f.ObserveButtonClick(); });

    QWidget* periodogram =
        Tab(f, BookText("Chapter 6: Finding a planet", "Periodogram", "a tab's caption"));
    f.PeriodogramPlot =
        Plot<TPeriodogramPlot>(periodogram, QRect(4, 4, PlotWidth, 300),
                               BookText("Chapter 6: Finding a planet", "Periodogram"));
    f.WindowBox = new QCheckBox(BookText("Chapter 6: Finding a planet", "Show the window function"),
                                periodogram);
    f.WindowBox->setGeometry(6, 310, 260, 22);
    QObject::connect(f.WindowBox, &QCheckBox::clicked, [&f] { f.WindowBoxClick(); });
    f.PeakLabel = Readout(periodogram, QRect(6, 336, PlotWidth - 4, 66));
    // The page on false alarms observes the same star worse, and then as before.
    f.FewerNightsButton = Button(periodogram, QRect(6, 408, 132, 28),
                                 BookText("Chapter 6: Finding a planet", "Only 12 nights"),
                                 [&f] { f.FewerNightsButtonClick(); });
    f.MoreNoiseButton = Button(periodogram, QRect(144, 408, 132, 28),
                               BookText("Chapter 6: Finding a planet", "Noisier instrument"),
                               [&f] { f.MoreNoiseButtonClick(); });
    f.OwnRunButton = Button(periodogram, QRect(282, 408, 132, 28),
                            BookText("Chapter 6: Finding a planet", "My run again"),
                            [&f] { f.OwnRunButtonClick(); });

    QWidget* fold = Tab(f, BookText("Chapter 6: Finding a planet", "Fold", "a tab's caption"));
    f.FoldPlot = Plot<TFoldPlot>(fold, QRect(4, 4, PlotWidth, 300),
                                 BookText("Chapter 6: Finding a planet", "Folded measurements"));
    auto* periodCaption =
        new QLabel(BookText("Chapter 6: Finding a planet", "Fold on (days):"), fold);
    periodCaption->setGeometry(6, 312, 100, 24);
    f.FoldPeriodBox = new QDoubleSpinBox(fold);
    f.FoldPeriodBox->setGeometry(106, 310, 100, 26);
    f.FoldPeriodBox->setDecimals(3);
    f.FoldPeriodBox->setRange(observing::HiddenShortestPeriod_days, 1000.0);
    f.FoldPeriodBox->setSingleStep(0.01);
    const QString foldPeriod = BookText("Chapter 6: Finding a planet", "Fold period in days");
    f.FoldPeriodBox->setAccessibleName(foldPeriod);
    // The field inside the spin box is what a screen reader lands on.
    f.FoldPeriodBox->findChild<QLineEdit*>()->setAccessibleName(foldPeriod);
    QObject::connect(f.FoldPeriodBox, &QDoubleSpinBox::valueChanged,
                     [&f] { f.FoldPeriodBoxChange(); });
    f.FoldPeakButton = Button(
        fold, QRect(214, 309, 96, 28),
        BookText("Chapter 6: Finding a planet", "The peak", "folds on the highest peak's period"),
        [&f] { f.FoldPeakButtonClick(); });
    f.FoldWrongButton = Button(fold, QRect(316, 309, 100, 28),
                               BookText("Chapter 6: Finding a planet", "Peak × 1.1"),
                               [&f] { f.FoldWrongButtonClick(); });

    // The chapter fits the orbit itself; the fit by hand is there to be tried.
    f.ByHandPage = new TFitByHandPage(TFitByHandPage::TFitFromHand{});
    Tab(f, BookText("Chapter 6: Finding a planet", "By hand", "a tab's caption: the fit by hand"),
        f.ByHandPage);

    QWidget* fitted =
        Tab(f, BookText("Chapter 6: Finding a planet", "Fit", "a tab's caption: the orbit's fit"));
    f.FitPlot = Plot<TFitPlot>(fitted, QRect(4, 4, PlotWidth, 210),
                               BookText("Chapter 6: Finding a planet", "Fitted curve"));
    f.ResidualPlot = Plot<TResidualPlot>(fitted, QRect(4, 214, PlotWidth, 120),
                                         BookText("Chapter 6: Finding a planet", "Residuals"));
    f.FitLabel = Readout(fitted, QRect(6, 338, PlotWidth - 4, 120));

    QWidget* residuals =
        Tab(f, BookText("Chapter 6: Finding a planet", "Residuals", "a tab's caption"));
    f.ResidualPeriodogramPlot = Plot<TPeriodogramPlot>(
        residuals, QRect(4, 4, PlotWidth, 300),
        BookText("Chapter 6: Finding a planet", "Periodogram of the residuals"));
    f.ResidualLabel = Readout(residuals, QRect(6, 310, PlotWidth - 4, 140));

    // The page on the eccentricity: its own star in the views' place, without their tabs.
    f.EccentricityPanel = new QWidget(&f);
    f.EccentricityPanel->setGeometry(ViewsLeft, ViewsTop, ViewsWidth, ViewsHeight);
    f.EccentricityPanel->hide();
    constexpr int PanelPlotWidth = ViewsWidth - 8;
    f.EccentricityFitPlot =
        Plot<TFitPlot>(f.EccentricityPanel, QRect(4, 4, PanelPlotWidth, 156),
                       BookText("Chapter 6: Finding a planet", "Fitted curve of the made-up star"));
    f.EccentricityPlot = Plot<TPosteriorHistogram>(
        f.EccentricityPanel, QRect(4, 164, PanelPlotWidth, 176),
        BookText("Chapter 6: Finding a planet", "Eccentricities of the orbits that fit"));
    f.EccentricityProgress = new QProgressBar(f.EccentricityPanel);
    // Below the star's line or two, all the readout holds while the orbits are drawn.
    f.EccentricityProgress->setGeometry(6, 382, 200, 18);
    f.EccentricityProgress->setRange(0, 100);
    f.EccentricityProgress->setAccessibleName(
        BookText("Chapter 6: Finding a planet", "Drawing the orbits"));
    f.EccentricityLabel = Readout(f.EccentricityPanel, QRect(6, 344, PanelPlotWidth - 4, 148));

    // Captions that the bar does not hold side by side are set smaller, by up to two pixels,
    // and beyond that shortened, each whole in its tab's tooltip, rather than scrolled away.
    QFont tabFont = f.Views->tabBar()->font();
    for (int smaller = 0; smaller < 2 && f.Views->tabBar()->sizeHint().width() > ViewsWidth;
         ++smaller) {
        tabFont.setPixelSize(QFontInfo(tabFont).pixelSize() - 1);
        f.Views->tabBar()->setFont(tabFont);
    }
    f.Views->setUsesScrollButtons(false);
    f.Views->setElideMode(Qt::ElideRight);

    // The question parts, below the text that asks: three choices or a typed number with its Done button.
    f.ChoiceFaces = std::make_unique<TImageList>(300, 27);
    artwork::AddBlankFaces(*f.ChoiceFaces, 4);
    auto choose = [&f](oBitBtn* b) { f.ChoiceClick(b); };
    for (int i = 0; i < 3; ++i)
        f.Choices[std::size_t(i)] =
            ChoiceButton(f, *f.ChoiceFaces, QRect(28, 314 + 30 * i, 300, 27), "", choose);
    f.AnswerEdit =
        AnswerField(&f, QRect(28, 318, 90, 24), [&f](char& key) { f.AnswerEditKeyPress(key); });
    f.AnswerEdit->setMaxLength(10);
    f.UnitLabel = BoldText(&f, QRect(124, 321, 130, 20), "");
    f.DoneButton = DoneButton(f, QRect(262, 311, 65, 36), [&f] { f.DoneButtonClick(); });
    f.MessagePanel->setGeometry(20, 406, 318, 102);
    f.MessagePanel->raise();
}
