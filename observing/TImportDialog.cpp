// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TImportDialog.h"

#include "BookText.h"
#include "BookWording.h"
#include "forms/ImportDialogForm.h"
#include "model/rv/RvTable.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

using namespace rvdata;

TImportDialog::TImportDialog(QWidget* owner) : TForm(owner) { DefineImportDialog(*this); }

void TImportDialog::SetFiles(std::vector<TRvFile> files) {
    files_ = std::move(files);
    tables_.clear();
    notes_.clear();
    for (TRvFile& file : files_) {
        tables_.push_back(ReadRvTable(file.text));
        std::vector<TWording> notes;
        if (tables_.back().ok && !file.choice) {
            TColumnGuess guess = GuessColumns(tables_.back().table);
            file.choice = guess.choice;
            notes = std::move(guess.notes);
        }
        notes_.push_back(std::move(notes));
    }
    const QSignalBlocker quiet(FileBox);
    FileBox->clear();
    for (const TRvFile& file : files_)
        FileBox->addItem(QString::fromStdString(file.name));
    FileBox->setEnabled(files_.size() > 1);
    ShowFile();
}

void TImportDialog::FileBoxChange() { ShowFile(); }

void TImportDialog::ShowFile() {
    const int k = FileBox->currentIndex();
    showing_ = true;
    Preview->clear();
    for (QComboBox* box : {TimeBox, VelocityBox, ErrorBox, InstrumentBox})
        box->clear();
    if (k < 0 || k >= int(files_.size())) {
        showing_ = false;
        Check();
        return;
    }
    const TRvTableReading& reading = tables_[std::size_t(k)];
    if (!reading.ok) {
        Preview->setRowCount(0);
        Preview->setColumnCount(0);
        NotesLabel->setText(
            BookText("Import measurements", "This file cannot be read as a table: %1")
                .arg(BookWording(reading.message)));
        showing_ = false;
        Check();
        return;
    }
    const TRvTable& table = reading.table;
    QStringList columns;
    for (int c = 0; c < table.Columns(); ++c)
        columns << (c < int(table.names.size()) && !table.names[std::size_t(c)].empty()
                        ? QString::fromStdString(table.names[std::size_t(c)])
                        : BookText("Import measurements", "column %1").arg(c + 1));
    const int rows = std::min<int>(PreviewRows, int(table.rows.size()));
    Preview->setColumnCount(int(columns.size()));
    Preview->setHorizontalHeaderLabels(columns);
    Preview->setRowCount(rows);
    QStringList lines;
    for (int r = 0; r < rows; ++r) {
        lines << BookText("Import measurements", "line %1", "a line of the file")
                     .arg(table.lines[std::size_t(r)]);
        for (int c = 0; c < int(columns.size()); ++c)
            Preview->setItem(r, c, new QTableWidgetItem(QString::fromStdString(
                                       table.rows[std::size_t(r)][std::size_t(c)])));
    }
    Preview->setVerticalHeaderLabels(lines);
    Preview->resizeColumnsToContents();
    TimeBox->addItems(columns);
    VelocityBox->addItems(columns);
    ErrorBox->addItems(columns);
    InstrumentBox->addItem(BookText("Import measurements", "(none)", "no column of instruments"));
    InstrumentBox->addItems(columns);
    const TColumnChoice& choice = *files_[std::size_t(k)].choice;
    TimeBox->setCurrentIndex(choice.time);
    VelocityBox->setCurrentIndex(choice.velocity);
    ErrorBox->setCurrentIndex(choice.error);
    InstrumentBox->setCurrentIndex(choice.instrument + 1);
    UnitBox->setCurrentIndex(int(choice.unit));
    ScaleBox->setCurrentIndex(int(choice.scale));
    QString notes = BookWording(table.format) + ".";
    for (const TWording& note : notes_[std::size_t(k)])
        notes += " " + BookWording(note);
    NotesLabel->setText(notes);
    showing_ = false;
    Check();
}

void TImportDialog::ChoiceChange() {
    const int k = FileBox->currentIndex();
    if (showing_ || k < 0 || k >= int(files_.size()) || !files_[std::size_t(k)].choice)
        return;
    TColumnChoice& choice = *files_[std::size_t(k)].choice;
    choice.time = TimeBox->currentIndex();
    choice.velocity = VelocityBox->currentIndex();
    choice.error = ErrorBox->currentIndex();
    choice.instrument = InstrumentBox->currentIndex() - 1;
    choice.unit = TVelocityUnit(UnitBox->currentIndex());
    choice.scale = TTimeScale(ScaleBox->currentIndex());
    // What the user chose is no longer a guess.
    notes_[std::size_t(k)].clear();
    NotesLabel->setText(BookText("Import measurements", "%1. The columns and units are as chosen.")
                            .arg(BookWording(tables_[std::size_t(k)].table.format)));
    Check();
}

void TImportDialog::Check() {
    const bool readable =
        !files_.empty() && std::all_of(tables_.begin(), tables_.end(),
                                       [](const TRvTableReading& t) { return t.ok; });
    OkButton->setEnabled(readable);
}
