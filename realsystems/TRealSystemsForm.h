// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The reference card "Real planetary systems": a table of systems found by radial
// velocities as published, with a line on why each matters and the sources under it. A modeless window of the book; when the
// open chapter can take a system (TSystemSetUpTarget), "Set up" puts the chosen one into
// its simulation, and elsewhere the card says where that works. "Measurements" opens the
// published measurements of the chosen system's star, where the book has them, in the
// observing run.

#include "TForm.h"
#include "TImageList.h"
#include "oBitBtn.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QTableWidget;
class TCustomBook;
class TSystemSetUpTarget;

class TRealSystemsForm : public TForm {
public:
    // A card of `book`, hidden until shown.
    explicit TRealSystemsForm(TCustomBook* book);
    ~TRealSystemsForm() override;

    QTableWidget* SystemTable = nullptr;
    QLabel* NoteLabel = nullptr;
    QLabel* SourcesLabel = nullptr; // the orbital solutions the table quotes
    QLabel* SetUpLabel = nullptr;
    oBitBtn* SetUpButton = nullptr;
    oBitBtn* DataButton = nullptr;  // the chosen star's published measurements
    oBitBtn* CloseButton = nullptr; // and Esc
    std::unique_ptr<TImageList> ButtonImages;

    TCustomBook* Book;
    // The system (index into RealSystems()) of each table row.
    std::vector<int> RowSystem;

    // Enables Set up exactly when the book's open chapter can take a system, and says so.
    void FollowChapter();
    // The chosen system, or -1.
    int SelectedSystem() const;
    // Chooses a system as a click on one of its rows does.
    void SelectSystem(int system);
    // Chooses the system of a star of the bundled data ("ups And"); false when the card has
    // none.
    bool SelectStar(const std::string& star);
    // Asked to open a star's published measurements (set by the book).
    std::function<void(const std::string& star)> OnOpenData;

    // Handlers.
    void SystemTableSelectionChange();
    void SetUpButtonClick();
    void DataButtonClick();
    void CloseButtonClick() { hide(); }

private:
    TSystemSetUpTarget* Target() const;
};
