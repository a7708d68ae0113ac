// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "realsystems/TRealSystemsForm.h"

#include "book/TCustomBook.h"
#include "book/TCustomChapter.h"
#include "forms/RealSystemsForm.h"
#include "model/simulation/RealSystems.h"
#include "model/rv/RvBundle.h"
#include "simulation/SystemSetUpTarget.h"

#include "BookText.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

TRealSystemsForm::TRealSystemsForm(TCustomBook* book) : TForm(book), Book(book) {
    DefineRealSystemsForm(*this);
}

TRealSystemsForm::~TRealSystemsForm() = default;

TSystemSetUpTarget* TRealSystemsForm::Target() const {
    return dynamic_cast<TSystemSetUpTarget*>(Book->CurrentChapter);
}

namespace {

// The bundled data of a system's star, or none.
const rvdata::TBundledStar* DataOf(int system) {
    if (system < 0)
        return nullptr;
    const TRealSystem& s = RealSystems()[std::size_t(system)];
    return rvdata::FindBundledStar(s.ShortName.empty() ? s.Name : s.ShortName);
}

} // namespace

void TRealSystemsForm::FollowChapter() {
    const bool free = Target() != nullptr;
    SetUpButton->setEnabled(free && SelectedSystem() >= 0);
    DataButton->setEnabled(DataOf(SelectedSystem()) != nullptr);
    SetUpLabel->setText(
        free ? BookText("Real planetary systems",
                        "Choose a system, then press Set up: its planets replace those of the "
                        "simulation, seen edge-on, with m = m sin i and the published ω.")
             : BookText("Real planetary systems",
                        "Here the card is for reading. In the chapter \"Free experiment\", Set "
                        "up puts the chosen system into the simulation."));
}

int TRealSystemsForm::SelectedSystem() const {
    const int row = SystemTable->currentRow();
    return row >= 0 && row < int(RowSystem.size()) ? RowSystem[std::size_t(row)] : -1;
}

void TRealSystemsForm::SelectSystem(int system) {
    const auto row = std::find(RowSystem.begin(), RowSystem.end(), system);
    if (row != RowSystem.end())
        SystemTable->setCurrentCell(int(row - RowSystem.begin()), 0);
}

void TRealSystemsForm::SystemTableSelectionChange() {
    const int system = SelectedSystem();
    if (system >= 0) {
        // A click selects one row; the choice is the whole system, so all its rows show it.
        const auto first = std::find(RowSystem.begin(), RowSystem.end(), system);
        const auto last =
            std::find_if(first, RowSystem.end(), [system](int s) { return s != system; });
        const QSignalBlocker quiet(SystemTable);
        SystemTable->clearSelection();
        SystemTable->setRangeSelected(QTableWidgetSelectionRange(int(first - RowSystem.begin()), 0,
                                                                 int(last - RowSystem.begin()) - 1,
                                                                 SystemTable->columnCount() - 1),
                                      true);
    }
    FollowChapter();
}

void TRealSystemsForm::SetUpButtonClick() {
    TSystemSetUpTarget* target = Target();
    const int system = SelectedSystem();
    if (target && system >= 0)
        target->SetUpSystem(RealSystems()[std::size_t(system)]);
}

bool TRealSystemsForm::SelectStar(const std::string& star) {
    const rvdata::TBundledStar* wanted = rvdata::FindBundledStar(star);
    for (std::size_t system = 0; wanted && system < RealSystems().size(); ++system)
        if (DataOf(int(system)) == wanted) {
            SelectSystem(int(system));
            return true;
        }
    return false;
}

void TRealSystemsForm::DataButtonClick() {
    if (const rvdata::TBundledStar* star = DataOf(SelectedSystem()); star && OnOpenData)
        OnOpenData(star->name);
}
