// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The import dialog: the files chosen, one at a time, with their first rows, and for each the
// columns that hold the time, the velocity, its error and (optionally) the instrument's name,
// the velocity unit and the time scale. It starts from the import's guess and says what it
// guessed; each file keeps its own choice. A file that cannot be read as a table says why, and
// OK stays disabled until every file can.

#include "TForm.h"
#include "model/rv/RvDataSet.h"

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class TImportDialog : public TForm {
public:
    // How many of a file's rows the preview shows.
    static constexpr int PreviewRows = 8;

    explicit TImportDialog(QWidget* owner = nullptr);

    QComboBox* FileBox = nullptr;
    QTableWidget* Preview = nullptr;
    QComboBox* TimeBox = nullptr;
    QComboBox* VelocityBox = nullptr;
    QComboBox* ErrorBox = nullptr;
    QComboBox* InstrumentBox = nullptr; // its first item is "(none)"
    QComboBox* UnitBox = nullptr;       // in the order of rvdata::TVelocityUnit
    QComboBox* ScaleBox = nullptr;      // in the order of rvdata::TTimeScale
    QLabel* NotesLabel = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // The files to import; each starts from the guess of its columns and units.
    void SetFiles(std::vector<rvdata::TRvFile> files);
    // The files with the choice made for each.
    const std::vector<rvdata::TRvFile>& Files() const { return files_; }

    // Handlers.
    void FileBoxChange();
    void ChoiceChange();

private:
    void ShowFile();
    void Check();

    std::vector<rvdata::TRvFile> files_;
    std::vector<rvdata::TRvTableReading> tables_;
    std::vector<std::vector<TWording>> notes_;
    bool showing_ = false; // the fields are being filled, not chosen
};
