// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "OrbitFitPageForm.h"

#include "BookText.h"
#include "SpokenValue.h"

#include "observing/TFitPlot.h"
#include "observing/TOrbitFitPage.h"
#include "observing/TPeriodogramPlot.h"
#include "observing/TResidualPlot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QAbstractItemView>
#include <QTableWidget>

namespace {

constexpr int Width = 624;
// The rows of buttons, the planets' table and the block under it (the instruments' table
// beside the summary and the evidence), from the top of the page.
constexpr int Row1 = 222, Row2 = 252, ResultsTop = 290, BottomTop = 368, BottomHeight = 86;
constexpr int InstrumentsWidth = 256;

QFont Arial(int pixels, bool bold = false) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPushButton* button(QWidget& parent, QRect place, const QString& text, const QString& name) {
    auto* b = new QPushButton(text, &parent);
    b->setGeometry(place);
    b->setFont(Arial(13));
    b->setAccessibleName(name);
    return b;
}

QCheckBox* check(QWidget& parent, QRect place, const QString& text, const QString& name) {
    auto* b = new QCheckBox(text, &parent);
    b->setGeometry(place);
    b->setFont(Arial(13));
    b->setAccessibleName(name);
    return b;
}

QLabel* label(QWidget& parent, QRect place, const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, &parent);
    l->setGeometry(place);
    l->setFont(Arial(13));
    l->setBuddy(buddy);
    return l;
}

} // namespace

void DefineOrbitFitPage(TOrbitFitPage& f) {
    f.setAccessibleName(BookText("Orbit fit", "Fit", "the page of the orbit fit"));
    f.CurvePlot = new TFitPlot(&f);
    f.CurvePlot->setGeometry(4, 2, Width, 118);
    f.CurvePlot->setAccessibleName(BookText("Orbit fit", "Measurements with the fitted curve"));
    f.CurvePlot->setAccessibleDescription(BookText(
        "Orbit fit", "The measurements less each instrument's fitted offset and the trend, with "
                     "their error bars, and the fitted planets' curve in green."));
    f.ResidualPlot = new TResidualPlot(&f);
    f.ResidualPlot->setGeometry(4, 122, 370, 96);
    f.ResidualPlot->setAccessibleName(BookText("Orbit fit", "Residuals"));
    f.ResidualPlot->setAccessibleDescription(BookText(
        "Orbit fit", "Each measurement less the fitted curve, with its error bar, against time."));
    f.ResidualPeriodogramPlot = new TPeriodogramPlot(&f);
    f.ResidualPeriodogramPlot->setGeometry(376, 122, Width - 372, 96);
    f.ResidualPeriodogramPlot->setAccessibleName(
        BookText("Orbit fit", "Periodogram of the residuals"));
    f.ResidualPeriodogramPlot->setAccessibleDescription(
        BookText("Orbit fit", "Where the next planet would be sought: the periodogram of what the "
                              "fitted planets leave."));

    f.NextPlanetButton =
        button(f, QRect(4, Row1, 156, 26), BookText("Orbit fit", "Fit one &more planet"),
               BookText("Orbit fit", "Fit one more planet"));
    f.NextPlanetButton->setFont(Arial(13, true));
    f.RemovePlanetButton =
        button(f, QRect(164, Row1, 138, 26), BookText("Orbit fit", "Remove the &last"),
               BookText("Orbit fit", "Remove the last planet fitted"));
    f.CancelButton = button(f, QRect(306, Row1, 70, 26), BookText("Orbit fit", "C&ancel"),
                            BookText("Orbit fit", "Cancel the fit"));
    f.JitterBox = check(f, QRect(384, Row1 + 3, 100, 20), BookText("Orbit fit", "Fit a ji&tter"),
                        BookText("Orbit fit", "Fit a jitter for each instrument"));
    f.StarMassBox = new QDoubleSpinBox(&f);
    f.StarMassBox->setGeometry(556, Row1, 72, 26);
    f.StarMassBox->setFont(Arial(13));
    f.StarMassBox->setRange(0.08, 10.0);
    f.StarMassBox->setDecimals(3);
    f.StarMassBox->setSingleStep(0.05);
    f.StarMassBox->setValue(1.0);
    f.StarMassBox->setAccessibleName(BookText("Orbit fit", "Star's mass in solar masses"));
    label(f, QRect(486, Row1 + 3, 70, 20), BookText("Orbit fit", "Star (M☉)"), f.StarMassBox);

    f.TrendBox = new QComboBox(&f);
    f.TrendBox->setGeometry(50, Row2, 96, 26);
    f.TrendBox->setFont(Arial(13));
    f.TrendBox->addItems({BookText("Orbit fit", "none", "trend"),
                          BookText("Orbit fit", "linear", "trend"),
                          BookText("Orbit fit", "quadratic", "trend")});
    f.TrendBox->setAccessibleName(BookText("Orbit fit", "Trend fitted with the planets"));
    f.TrendBox->view()->setAccessibleName(BookText("Orbit fit", "Trends"));
    label(f, QRect(4, Row2 + 3, 44, 20), BookText("Orbit fit", "Trend"), f.TrendBox);
    f.CircularBox = check(f, QRect(152, Row2 + 3, 116, 20), BookText("Orbit fit", "Circular orbit"),
                          BookText("Orbit fit", "Hold the next planet's orbit circular"));
    f.PeriodBox = new QDoubleSpinBox(&f);
    f.PeriodBox->setGeometry(362, Row2, 80, 26);
    f.PeriodBox->setFont(Arial(13));
    f.PeriodBox->setRange(0.1, 100000.0);
    f.PeriodBox->setDecimals(3);
    f.PeriodBox->setValue(10.0);
    f.PeriodBox->setAccessibleName(BookText("Orbit fit", "Period of the next planet in days"));
    label(f, QRect(272, Row2 + 3, 88, 20), BookText("Orbit fit", "Period (da&ys)", "of an orbit"),
          f.PeriodBox);
    f.FixPeriodBox = check(f, QRect(446, Row2 + 3, 52, 20),
                           BookText("Orbit fit", "Hold", "keep the typed period fixed"),
                           BookText("Orbit fit", "Hold the typed period"));
    f.AtPeriodButton =
        button(f, QRect(500, Row2, 128, 26), BookText("Orbit fit", "Fit at this period"),
               BookText("Orbit fit", "Fit one more planet at the typed period"));

    f.Progress = new QProgressBar(&f);
    f.Progress->setGeometry(4, Row2 + 30, Width, 6);
    f.Progress->setRange(0, 1000);
    f.Progress->setTextVisible(false);
    f.Progress->setAccessibleName(BookText("Orbit fit", "Fit progress"));

    f.Results = new QTableWidget(&f);
    f.Results->setGeometry(4, ResultsTop, Width, 74);
    f.Results->setFont(Arial(11));
    f.Results->horizontalHeader()->setFont(Arial(11, true));
    f.Results->verticalHeader()->setFont(Arial(11, true));
    f.Results->verticalHeader()->setDefaultSectionSize(17);
    f.Results->horizontalHeader()->setMinimumSectionSize(40);
    f.Results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    f.Results->setAccessibleName(BookText("Orbit fit", "Fitted planets"));

    f.Results->horizontalHeader()->setStretchLastSection(true);

    f.Instruments = new QTableWidget(0, 3, &f);
    f.Instruments->setGeometry(4, BottomTop, InstrumentsWidth, BottomHeight);
    f.Instruments->setFont(Arial(11));
    f.Instruments->setHorizontalHeaderLabels({BookText("Orbit fit", "Instrument"),
                                              BookText("Orbit fit", "Offset (m/s)"),
                                              BookText("Orbit fit", "Jitter (m/s)")});
    f.Instruments->horizontalHeader()->setFont(Arial(11, true));
    // The name as wide as it needs up to a bound (TOrbitFitPage), the offset as its text, the
    // jitter the width left.
    f.Instruments->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    f.Instruments->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    f.Instruments->verticalHeader()->hide();
    f.Instruments->verticalHeader()->setDefaultSectionSize(16);
    f.Instruments->setEditTriggers(QAbstractItemView::NoEditTriggers);
    f.Instruments->setAccessibleName(
        BookText("Orbit fit", "Each instrument's fitted offset and jitter"));

    const int right = 4 + InstrumentsWidth + 8, rightWidth = Width + 4 - right;
    f.Summary = new QLabel(&f);
    f.Summary->setGeometry(right, BottomTop, rightWidth, 30);
    f.Summary->setFont(Arial(11, true));
    f.Summary->setWordWrap(true);
    // A fit's summary and evidence name stars and instruments from files: shown as text.
    f.Summary->setTextFormat(Qt::PlainText);
    f.Summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SpeakReadout(*f.Summary, BookText("Orbit fit", "Fit summary"));
    // The evidence and the notes beside it can run longer than the room under the summary
    // (a star's unpublished signal, a longer language): they scroll there, none of it cut.
    auto* evidenceRoom = new QScrollArea(&f);
    evidenceRoom->setGeometry(right, BottomTop + 31, rightWidth, 36);
    evidenceRoom->setFrameShape(QFrame::NoFrame);
    evidenceRoom->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    evidenceRoom->setWidgetResizable(true);
    evidenceRoom->viewport()->setAutoFillBackground(false);
    evidenceRoom->setAccessibleName(BookText("Orbit fit", "Evidence for the last planet"));
    f.EvidenceLabel = new QLabel;
    evidenceRoom->setWidget(f.EvidenceLabel);
    f.EvidenceLabel->setAutoFillBackground(false);
    f.EvidenceLabel->setFont(Arial(11));
    f.EvidenceLabel->setWordWrap(true);
    f.EvidenceLabel->setTextFormat(Qt::PlainText);
    f.EvidenceLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    f.CompareButton = button(f, QRect(Width + 4 - 150, BottomTop + BottomHeight - 24, 150, 24),
                             BookText("Orbit fit", "Compare with the tr&uth"),
                             BookText("Orbit fit", "Compare with the truth"));

    QObject::connect(f.NextPlanetButton, &QPushButton::clicked, &f, [&f] { f.NextPlanetButtonClick(); });
    QObject::connect(f.RemovePlanetButton, &QPushButton::clicked, &f, [&f] { f.RemovePlanetButtonClick(); });
    QObject::connect(f.CancelButton, &QPushButton::clicked, &f, [&f] { f.CancelButtonClick(); });
    QObject::connect(f.CompareButton, &QPushButton::clicked, &f, [&f] { f.CompareButtonClick(); });
    QObject::connect(f.AtPeriodButton, &QPushButton::clicked, &f, [&f] { f.AtPeriodButtonClick(); });
    QObject::connect(f.JitterBox, &QCheckBox::toggled, &f, [&f] { f.JitterBoxClick(); });
    QObject::connect(f.TrendBox, &QComboBox::currentIndexChanged, &f, [&f] { f.TrendBoxChange(); });
    QObject::connect(f.StarMassBox, &QDoubleSpinBox::valueChanged, &f, [&f] { f.StarMassBoxChange(); });
}
