// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "ObservingRunForm.h"

#include "BookText.h"
#include "BookWording.h"
#include "NumberText.h"
#include "PictureExport.h"
#include "SpokenValue.h"

#include "book/colourmatch.h"
#include "model/observing/MysteryStars.h"
#include "model/observing/ObservingRun.h"
#include "model/observing/Periodogram.h"
#include "model/rv/RvBundle.h"
#include "observing/TDataPlot.h"
#include "observing/TFoldPlot.h"
#include "observing/TPeriodogramPlot.h"
#include "observing/TObservingRunForm.h"
#include "observing/TFitByHandPage.h"
#include "observing/TOrbitFitPage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

namespace {

const TFont Arial13("Arial", -13, clWindowText);
const TFont Arial13Bold("Arial", -13, clWindowText, TFontStyles{}.with(fsBold));

QLabel* label(QWidget& parent, QRect place, const QString& text, const TFont& font = Arial13) {
    auto* l = new QLabel(text, &parent);
    l->setGeometry(place);
    l->setFont(font.toQFont());
    return l;
}

template <class Box> Box* box(QWidget& parent, QLabel* caption, QRect place, const QString& name) {
    auto* b = new Box(&parent);
    b->setGeometry(place);
    b->setFont(Arial13.toQFont());
    b->setAccessibleName(name);
    caption->setBuddy(b);
    return b;
}

QPushButton* button(QWidget& parent, QRect place, const QString& text, const QString& name) {
    auto* b = new QPushButton(text, &parent);
    b->setGeometry(place);
    b->setFont(Arial13.toQFont());
    b->setAccessibleName(name);
    return b;
}

QCheckBox* check(QWidget& parent, QRect place, const QString& text) {
    auto* b = new QCheckBox(text, &parent);
    b->setGeometry(place);
    b->setFont(Arial13.toQFont());
    b->setAccessibleName(QString(text).remove('&'));
    return b;
}

constexpr int PlanLeft = 12, PlanWidth = 230, FieldLeft = 150, FieldWidth = 90;
constexpr int PageWidth = 640, PlotHeight = 400;

// One row of the plan: its caption and its field.
template <class Box>
Box* planRow(TObservingRunForm& f, int row, const QString& caption, const QString& name) {
    const int top = 70 + row * 34;
    QLabel* l = label(f, QRect(PlanLeft, top + 3, FieldLeft - PlanLeft, 20), caption);
    return box<Box>(f, l, QRect(FieldLeft, top, FieldWidth, 26), name);
}

} // namespace

void DefineObservingRunForm(TObservingRunForm& f) {
    using observing::TObservingPlan;
    f.setWindowFlags(Qt::Window);
    f.SetCaption(BookText("Observing run", "Observing run").toStdString());
    f.SetBorderStyle(bsSingle);
    f.SetClientSize(PlanLeft + PlanWidth + 20 + PageWidth + 12, 560);
    f.SetFont(TFont("Times New Roman", -16, clWindowText));
    f.SetColor(DisplayColour(213, 230, 227));
    f.setAccessibleName(BookText("Observing run", "Observing run"));

    f.MenuBar = new QMenuBar(&f);
    f.MenuBar->setGeometry(0, 0, f.width(), 24);
    QMenu* file = f.MenuBar->addMenu(BookText("Observing run", "&File"));
    f.mnitImport = file->addAction(BookText("Observing run", "&Import measurements..."),
                                   [&f] { f.mnitImportClick(); });
    f.mnitExport = file->addAction(BookText("Observing run", "&Export measurements..."),
                                   [&f] { f.mnitExportClick(); });
    f.mnitSaveFit = file->addAction(BookText("Observing run", "Save the &fit..."),
                                    [&f] { f.mnitSaveFitClick(); });
    f.mnitSaveResiduals = file->addAction(BookText("Observing run", "Save the resi&duals..."),
                                          [&f] { f.mnitSaveResidualsClick(); });
    f.mnitHowSure =
        file->addAction(BookText("Observing run", "&How sure?..."), [&f] { f.mnitHowSureClick(); });
    f.mnitOpenRun =
        file->addAction(BookText("Observing run", "&Open run..."), [&f] { f.mnitOpenRunClick(); });
    f.mnitSaveRun =
        file->addAction(BookText("Observing run", "&Save run..."), [&f] { f.mnitSaveRunClick(); });
    QObject::connect(file, &QMenu::aboutToShow, [&f] { f.FileMenuShow(); });
    file->addSeparator();
    QMenu* real = file->addMenu(BookText("Observing run", "Open &real data"));
    for (const rvdata::TBundledStar& star : rvdata::BundledStars()) {
        const std::string name = star.name;
        f.mnitRealData.push_back(real->addAction(QString::fromStdString(name),
                                                 [&f, name] { f.OpenRealData(name); }));
    }
    f.mnitOnCard = file->addAction(BookText("Observing run", "Show on the &card of real systems"),
                                   [&f] { f.mnitOnCardClick(); });
    f.mnitOnCard->setEnabled(false);
    QMenu* mystery = file->addMenu(BookText("Observing run", "Open a &mystery star"));
    for (int k = 0; k < 3; ++k)
        f.mnitMystery[std::size_t(k)] =
            mystery->addAction(QString("&%1. ").arg(k + 1) +
                                   BookWording(observing::MysteryStars()[std::size_t(k)].name),
                               [&f, k] { f.OpenMystery(k); });
    file->addSeparator();
    f.mnitPrint =
        file->addAction(BookText("Observing run", "&Print..."), [&f] { f.mnitPrintClick(); });
    AddSavePictureMenu(*file, f, f.mnitPrint);
    file->addSeparator();
    f.mnitClose = file->addAction(BookText("Observing run", "&Close"), [&f] { f.hide(); });

    f.StatusLabel = label(f, QRect(PlanLeft, 30, f.width() - 2 * PlanLeft, 34), "", Arial13Bold);
    f.StatusLabel->setWordWrap(true);
    // Status, papers and peak name files, stars and instruments: shown as the text they are.
    f.StatusLabel->setTextFormat(Qt::PlainText);
    SpeakReadout(*f.StatusLabel, BookText("Observing run", "Status"));

    f.NightsBox = planRow<QSpinBox>(f, 0, BookText("Observing run", "&Nights"),
                                    BookText("Observing run", "Number of nights"));
    f.NightsBox->setRange(TObservingPlan::MinNights, TObservingPlan::MaxNights);
    f.NightsBox->setValue(40);
    f.RunLengthBox = planRow<QDoubleSpinBox>(f, 1, BookText("Observing run", "&Run length (days)"),
                                             BookText("Observing run", "Run length in days"));
    f.RunLengthBox->setRange(TObservingPlan::MinRunLength_days, TObservingPlan::MaxRunLength_days);
    f.RunLengthBox->setDecimals(0);
    f.RunLengthBox->setValue(TObservingPlan().runLength_days);
    f.PrecisionBox = planRow<QDoubleSpinBox>(
        f, 2, BookText("Observing run", "Prec&ision σ (m/s)"),
        BookText("Observing run", "Measurement precision in metres per second"));
    f.PrecisionBox->setRange(TObservingPlan::MinPrecision_mps, TObservingPlan::MaxPrecision_mps);
    f.PrecisionBox->setDecimals(1);
    f.PrecisionBox->setSingleStep(0.5);
    f.PrecisionBox->setValue(5);
    f.JitterBox =
        planRow<QDoubleSpinBox>(f, 3, BookText("Observing run", "Stellar &jitter (m/s)"),
                                BookText("Observing run", "Stellar jitter in metres per second"));
    f.JitterBox->setRange(0, TObservingPlan::MaxJitter_mps);
    f.JitterBox->setDecimals(1);
    f.JitterBox->setValue(0);
    f.ObservableBox = planRow<QSpinBox>(
        f, 4, BookText("Observing run", "Obser&vable (% of year)"),
        BookText("Observing run", "Share of the year the star is observable, per cent"));
    f.ObservableBox->setRange(5, 100);
    f.ObservableBox->setValue(100);
    f.WeatherBox =
        planRow<QSpinBox>(f, 5, BookText("Observing run", "Lost to &weather (%)"),
                          BookText("Observing run", "Share of nights lost to weather, per cent"));
    f.WeatherBox->setRange(0, 95);
    f.WeatherBox->setValue(0);
    f.SeedEdit = planRow<QLineEdit>(f, 6, BookText("Observing run", "&Seed"),
                                    BookText("Observing run", "Random seed"));
    f.SeedEdit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{1,18}"), f.SeedEdit));
    f.NewSeedButton = button(f, QRect(FieldLeft, 70 + 7 * 34, FieldWidth, 26),
                             BookText("Observing run", "New s&eed"),
                             BookText("Observing run", "New random seed"));
    f.ObserveButton =
        button(f, QRect(PlanLeft, 70 + 8 * 34 + 6, PlanWidth, 32),
               BookText("Observing run", "&Observe"), BookText("Observing run", "Observe"));
    f.ObserveButton->setFont(Arial13Bold.toQFont());
    f.HintLabel = label(f, QRect(PlanLeft, 70 + 9 * 34 + 12, PlanWidth, 120),
                        BookText("Observing run",
                                 "One measurement a clear night at most. The same seed and plan "
                                 "give the same measurements on every computer, so a class can "
                                 "share one run."));
    f.HintLabel->setWordWrap(true);
    f.HintLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const TFont Arial11("Arial", -11, clWindowText);
    f.SourceLabel = label(f, QRect(PlanLeft, 70 + 9 * 34 + 8, PlanWidth, 130), "", Arial11);
    f.SourceLabel->setWordWrap(true);
    f.SourceLabel->setTextFormat(Qt::PlainText);
    f.SourceLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    f.SourceLabel->setAccessibleName(
        BookText("Observing run", "Papers of the published measurements"));
    f.SourceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    f.SourceLabel->hide();

    const int pageLeft = PlanLeft + PlanWidth + 20;
    f.Tabs = new QTabWidget(&f);
    f.Tabs->setGeometry(pageLeft, 66, PageWidth, 482);
    f.Tabs->setFont(Arial13.toQFont());
    f.Tabs->setAccessibleName(BookText("Observing run", "Pictures"));
    f.Tabs->tabBar()->setAccessibleName(
        BookText("Observing run", "Pages: data, periodogram, phase fold, fit by hand, fit"));

    auto* data = new QWidget;
    f.DataPlot = new TDataPlot(data);
    f.DataPlot->setGeometry(4, 4, PageWidth - 12, PlotHeight);
    f.DataPlot->setAccessibleName(BookText("Observing run", "Measurements against time"));
    f.DataPlot->setAccessibleDescription(BookText(
        "Observing run", "Each measured radial velocity with its error bar against the time of the "
                         "measurement; with Show the truth, the star's true velocity as a line."));
    f.TruthBox = check(*data, QRect(8, PlotHeight + 14, 200, 22),
                       BookText("Observing run", "Show the &truth"));
    f.Tabs->addTab(data, BookText("Observing run", "&Data"));

    auto* periodogram = new QWidget;
    f.PeriodogramPlot = new TPeriodogramPlot(periodogram);
    f.PeriodogramPlot->setGeometry(4, 4, PageWidth - 12, PlotHeight - 30);
    f.PeriodogramPlot->setAccessibleName(BookText("Observing run", "Periodogram"));
    f.PeriodogramPlot->setAccessibleDescription(
        BookText("Observing run", "The power of a sine fitted at each trial period, periods on a "
                                  "logarithmic axis, the highest peak marked."));
    f.PeakLabel = label(*periodogram, QRect(8, PlotHeight - 22, PageWidth - 20, 20), "", Arial13Bold);
    f.PeakLabel->setTextFormat(Qt::PlainText);
    QLabel* shortest = label(*periodogram, QRect(8, PlotHeight + 14, 150, 20),
                             BookText("Observing run", "Shor&test period (days)"));
    f.ShortestBox = box<QDoubleSpinBox>(*periodogram, shortest, QRect(160, PlotHeight + 11, 80, 26),
                                        BookText("Observing run", "Shortest period in days"));
    f.ShortestBox->setRange(0.1, 1000.0);
    f.ShortestBox->setDecimals(1);
    f.ShortestBox->setValue(observing::DefaultShortestPeriod_days);
    f.ShortestBox->setToolTip(BookText("Observing run",
                                       "Periods down to this are searched. It starts at half a "
                                       "day, so that a planet of a period under a day is found.",
                                       "periods of orbits"));
    f.ShortestBox->setAccessibleDescription(f.ShortestBox->toolTip());
    f.WindowBox = check(*periodogram, QRect(256, PlotHeight + 14, 200, 22),
                        BookText("Observing run", "Show the window f&unction"));
    f.ComputeButton = button(*periodogram, QRect(470, PlotHeight + 11, 74, 26),
                             BookText("Observing run", "Wor&k out"),
                             BookText("Observing run", "Work out the periodogram"));
    f.CancelButton = button(*periodogram, QRect(550, PlotHeight + 11, 74, 26),
                            BookText("Observing run", "C&ancel"),
                            BookText("Observing run", "Cancel the periodogram"));
    f.Progress = new QProgressBar(periodogram);
    f.Progress->setGeometry(8, PlotHeight + 44, PageWidth - 28, 14);
    f.Progress->setRange(0, 1000);
    f.Progress->setTextVisible(false);
    f.Progress->setAccessibleName(BookText("Observing run", "Periodogram progress"));
    f.Tabs->addTab(periodogram, BookText("Observing run", "&Periodogram"));

    auto* fold = new QWidget;
    f.FoldPlot = new TFoldPlot(fold);
    f.FoldPlot->setGeometry(4, 4, PageWidth - 12, PlotHeight);
    f.FoldPlot->setAccessibleName(
        BookText("Observing run", "Measurements folded on the trial period"));
    f.FoldPlot->setAccessibleDescription(
        BookText("Observing run", "Each measurement at its phase on the trial period, from %1 to "
                                  "%2; the ends are repeated, shaded.")
            .arg(FixedText(-0.2, 1), FixedText(1.2, 1)));
    QLabel* trial = label(*fold, QRect(8, PlotHeight + 14, 110, 20),
                          BookText("Observing run", "Tria&l period", "of an orbit"));
    f.PeriodSlider = new QSlider(Qt::Horizontal, fold);
    f.PeriodSlider->setGeometry(110, PlotHeight + 12, 250, 24);
    f.PeriodSlider->setRange(0, 1000);
    f.PeriodSlider->setAccessibleName(BookText("Observing run", "Trial period, logarithmic"));
    trial->setBuddy(f.PeriodSlider);
    f.PeriodBox = new QDoubleSpinBox(fold);
    f.PeriodBox->setGeometry(370, PlotHeight + 11, 100, 26);
    f.PeriodBox->setFont(Arial13.toQFont());
    f.PeriodBox->setDecimals(4);
    f.PeriodBox->setRange(0.05, 100000.0);
    f.PeriodBox->setValue(10.0);
    f.PeriodBox->setSuffix(BookText("Observing run", " d", "unit of days after a period"));
    f.PeriodBox->setAccessibleName(BookText("Observing run", "Trial period in days"));
    f.UsePeakButton = button(*fold, QRect(478, PlotHeight + 11, 148, 26),
                             BookText("Observing run", "Use the hi&ghest peak"),
                             BookText("Observing run", "Use the highest peak"));
    f.Tabs->addTab(fold, BookText("Observing run", "P&hase fold"));
    f.FitPage = new TOrbitFitPage(f.Session().Fits());
    f.ByHandPage = new TFitByHandPage(*f.FitPage);
    f.Tabs->addTab(f.ByHandPage, BookText("Observing run", "&By hand"));
    // Every letter of "Fit" already opens something else; Ctrl+Tab reaches it.
    f.Tabs->addTab(f.FitPage, BookText("Observing run", "Fit", "the page of the orbit fit"));

    f.CloseButton = button(f, QRect(PlanLeft, 524, 90, 26), BookText("Observing run", "&Close"),
                           BookText("Observing run", "Close"));
    f.SetCancelButton(f.CloseButton);

    QObject::connect(f.ObserveButton, &QPushButton::clicked, [&f] { f.ObserveButtonClick(); });
    QObject::connect(f.NewSeedButton, &QPushButton::clicked, [&f] { f.NewSeedButtonClick(); });
    QObject::connect(f.TruthBox, &QCheckBox::toggled, [&f] { f.TruthBoxClick(); });
    QObject::connect(f.WindowBox, &QCheckBox::toggled, [&f] { f.WindowBoxClick(); });
    QObject::connect(f.RunLengthBox, &QDoubleSpinBox::valueChanged, [&f] { f.RunLengthBoxChange(); });
    QObject::connect(f.ShortestBox, &QDoubleSpinBox::valueChanged, [&f] { f.ShortestBoxChange(); });
    QObject::connect(f.ComputeButton, &QPushButton::clicked, [&f] { f.ComputeButtonClick(); });
    QObject::connect(f.CancelButton, &QPushButton::clicked, [&f] { f.CancelButtonClick(); });
    QObject::connect(f.PeriodSlider, &QSlider::valueChanged, [&f] { f.PeriodSliderChange(); });
    QObject::connect(f.PeriodBox, &QDoubleSpinBox::valueChanged, [&f] { f.PeriodBoxChange(); });
    QObject::connect(f.UsePeakButton, &QPushButton::clicked, [&f] { f.UsePeakButtonClick(); });
    QObject::connect(f.CloseButton, &QPushButton::clicked, [&f] { f.hide(); });
}
