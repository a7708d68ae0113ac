// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "ImportDialogForm.h"

#include "Application.h"
#include "BookText.h"
#include "model/rv/RvImport.h"
#include "observing/TImportDialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

QFont Arial(int pixels) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    return font;
}

QComboBox* choice(TImportDialog& f, int row, int column, const QString& caption,
                  const QString& name) {
    const int left = 12 + column * 300, top = 276 + row * 32;
    auto* label = new QLabel(caption, &f);
    label->setGeometry(left, top + 3, 110, 20);
    label->setFont(Arial(13));
    auto* box = new QComboBox(&f);
    box->setGeometry(left + 112, top, 170, 26);
    box->setFont(Arial(13));
    box->setAccessibleName(name);
    label->setBuddy(box);
    return box;
}

} // namespace

void DefineImportDialog(TImportDialog& f) {
    f.SetCaption(BookText("Import measurements", "Import measurements").toStdString());
    f.SetBorderStyle(bsDialog);
    f.SetClientSize(612, 470);
    f.SetCentred(true);
    f.setAccessibleName(BookText("Import measurements", "Import measurements"));

    auto* fileLabel = new QLabel(BookText("Import measurements", "&File"), &f);
    fileLabel->setGeometry(12, 15, 40, 20);
    fileLabel->setFont(Arial(13));
    f.FileBox = new QComboBox(&f);
    f.FileBox->setGeometry(56, 12, 544, 26);
    f.FileBox->setFont(Arial(13));
    f.FileBox->setAccessibleName(BookText("Import measurements", "File shown"));
    fileLabel->setBuddy(f.FileBox);

    f.Preview = new QTableWidget(&f);
    f.Preview->setGeometry(12, 46, 588, 220);
    f.Preview->setFont(Arial(12));
    f.Preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    f.Preview->verticalHeader()->setDefaultSectionSize(20);
    f.Preview->setAccessibleName(BookText("Import measurements", "The file's first rows"));

    f.TimeBox = choice(f, 0, 0, BookText("Import measurements", "&Time column"),
                       BookText("Import measurements", "Column of the times"));
    f.VelocityBox = choice(f, 1, 0, BookText("Import measurements", "&Velocity column"),
                           BookText("Import measurements", "Column of the velocities"));
    f.ErrorBox = choice(f, 2, 0, BookText("Import measurements", "&Error column"),
                        BookText("Import measurements", "Column of the errors"));
    f.InstrumentBox = choice(f, 3, 0, BookText("Import measurements", "I&nstrument column"),
                             BookText("Import measurements", "Column of the instruments' names"));
    f.UnitBox = choice(f, 0, 1, BookText("Import measurements", "Velocity &unit"),
                       BookText("Import measurements", "Unit of the velocities and errors"));
    f.UnitBox->addItems({rvdata::UnitName(rvdata::TVelocityUnit::MetresPerSecond),
                         rvdata::UnitName(rvdata::TVelocityUnit::KilometresPerSecond)});
    f.ScaleBox = choice(f, 1, 1, BookText("Import measurements", "Time &scale"),
                        BookText("Import measurements", "Time scale of the times"));
    for (auto scale : {rvdata::TTimeScale::BJD, rvdata::TTimeScale::JD, rvdata::TTimeScale::MJD,
                       rvdata::TTimeScale::RJD, rvdata::TTimeScale::Days})
        f.ScaleBox->addItem(rvdata::ScaleName(scale));

    f.NotesLabel = new QLabel(&f);
    f.NotesLabel->setGeometry(312, 342, 288, 80);
    f.NotesLabel->setFont(Arial(12));
    f.NotesLabel->setWordWrap(true);
    // The notes quote file names and fields: shown as the text they are.
    f.NotesLabel->setTextFormat(Qt::PlainText);
    f.NotesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    f.NotesLabel->setAccessibleName(BookText("Import measurements", "What the import guessed"));

    f.OkButton = new QPushButton(BookText("Import measurements", "OK"), &f);
    f.OkButton->setGeometry(432, 432, 80, 28);
    f.OkButton->setFont(Arial(13));
    f.CancelButton = new QPushButton(BookText("Import measurements", "Cancel"), &f);
    f.CancelButton->setGeometry(520, 432, 80, 28);
    f.CancelButton->setFont(Arial(13));
    f.SetDefaultButton(f.OkButton);
    f.SetCancelButton(f.CancelButton);

    QObject::connect(f.FileBox, &QComboBox::currentIndexChanged, [&f] { f.FileBoxChange(); });
    for (QComboBox* box : {f.TimeBox, f.VelocityBox, f.ErrorBox, f.InstrumentBox, f.UnitBox, f.ScaleBox})
        QObject::connect(box, &QComboBox::currentIndexChanged, [&f] { f.ChoiceChange(); });
    QObject::connect(f.OkButton, &QPushButton::clicked, [&f] { f.SetModalResult(mrOk); });
    QObject::connect(f.CancelButton, &QPushButton::clicked, [&f] { f.SetModalResult(mrCancel); });
}
