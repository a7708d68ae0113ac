// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "HowSureForm.h"

#include "BookText.h"

#include "observing/THowSureForm.h"
#include "observing/TPosteriorPlot.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

void DefineHowSureForm(THowSureForm& f) {
    f.setWindowTitle(BookText("How sure", "How sure?"));
    f.setWindowFlag(Qt::Window);
    auto* column = new QVBoxLayout(&f);

    auto* state = new QHBoxLayout;
    f.StatusLabel = new QLabel(&f);
    f.StatusLabel->setTextFormat(Qt::PlainText);
    f.StatusLabel->setWordWrap(true);
    f.StatusLabel->setAccessibleName(BookText("How sure", "Sampling"));
    state->addWidget(f.StatusLabel, 1);
    f.Progress = new QProgressBar(&f);
    f.Progress->setRange(0, 100);
    f.Progress->setMaximumWidth(160);
    f.Progress->setAccessibleName(BookText("How sure", "Share of the sampling done"));
    state->addWidget(f.Progress);
    f.CancelButton = new QPushButton(BookText("How sure", "Cancel"), &f);
    QObject::connect(f.CancelButton, &QPushButton::clicked, [&f] { f.CancelButtonClick(); });
    state->addWidget(f.CancelButton);
    column->addLayout(state);

    f.Intervals = new QTableWidget(0, 4, &f);
    f.Intervals->setHorizontalHeaderLabels({"", BookText("How sure", "Best fit, value ± σ"),
                                            BookText("How sure", "Middle of the orbits"),
                                            BookText("How sure", "68 % of the orbits")});
    f.Intervals->verticalHeader()->hide();
    f.Intervals->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    f.Intervals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    f.Intervals->setMinimumHeight(150);
    f.Intervals->setAccessibleName(
        BookText("How sure", "Each element's best fit and the range of the orbits"));
    column->addWidget(f.Intervals, 2);

    auto* choose = new QHBoxLayout;
    auto* planetLabel = new QLabel(BookText("How sure", "&Planet:"), &f);
    f.PlanetBox = new QComboBox(&f);
    planetLabel->setBuddy(f.PlanetBox);
    QObject::connect(f.PlanetBox, &QComboBox::currentIndexChanged, [&f] { f.PlanetBoxChange(); });
    choose->addWidget(planetLabel);
    choose->addWidget(f.PlanetBox);
    choose->addStretch(1);
    column->addLayout(choose);

    f.Plot = new TPosteriorPlot(&f);
    f.Plot->setMinimumSize(600, 300);
    f.Plot->setAccessibleName(BookText("How sure", "The planet's orbits"));
    column->addWidget(f.Plot, 3);

    f.MeaningLabel = new QLabel(&f);
    f.MeaningLabel->setTextFormat(Qt::PlainText);
    f.MeaningLabel->setWordWrap(true);
    column->addWidget(f.MeaningLabel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    f.SaveChainButton = new QPushButton(BookText("How sure", "&Save chain..."), &f);
    QObject::connect(f.SaveChainButton, &QPushButton::clicked, [&f] { f.SaveChainButtonClick(); });
    buttons->addWidget(f.SaveChainButton);
    f.CloseButton = new QPushButton(BookText("How sure", "Close"), &f);
    QObject::connect(f.CloseButton, &QPushButton::clicked, [&f] { f.close(); });
    buttons->addWidget(f.CloseButton);
    column->addLayout(buttons);
    f.resize(760, 640);
}
