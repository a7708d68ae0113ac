// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "MskBtnImgLst.h"

#include "Application.h"
#include "MaskedButton.h"
#include "Precondition.h"

#include <algorithm>

namespace {

constexpr unsigned rolledBit = 1, focusedBit = 2, pushedBit = 4, checkedBit = 8, disabledBit = 16;
constexpr unsigned allStates = asPushed | asFocused | asChecked | asRolled | asDisabled;

// The role of each combination that an image can show; imNone for the others.
constexpr MBImageType roleOf(unsigned combination) {
    switch (combination) {
    case 0:
        return imNormal;
    case rolledBit:
        return imRolled;
    case focusedBit:
        return imFocusedNormal;
    case focusedBit | rolledBit:
        return imFocusedRolled;
    case pushedBit:
        return imPushed;
    case checkedBit:
        return imChecked;
    case checkedBit | rolledBit:
        return imCheckedRolled;
    case checkedBit | focusedBit:
        return imCheckedFocused;
    case checkedBit | focusedBit | rolledBit:
        return imCheckedFocusedRolled;
    case checkedBit | pushedBit:
        return imCheckedPushed;
    case disabledBit:
        return imDisabled;
    case checkedBit | disabledBit:
        return imCheckedDisabled;
    default:
        return imNone;
    }
}

bool allowedCombination(unsigned combination, unsigned allowed) {
    return (!(combination & rolledBit) || (allowed & asRolled)) &&
           (!(combination & focusedBit) || (allowed & asFocused)) &&
           (!(combination & pushedBit) || (allowed & asPushed)) &&
           (!(combination & checkedBit) || (allowed & asChecked)) &&
           (!(combination & disabledBit) || (allowed & asDisabled));
}

} // namespace

TMskBtnImgLst::TMskBtnImgLst() : TImageList(32, 32) { rebuild(); }

TMskBtnImgLst::~TMskBtnImgLst() {
    // Each button's RemoveSource unlinks it, so work on a copy.
    const std::vector<TMaskedButton*> buttons = buttons_;
    for (TMaskedButton* button : buttons)
        button->RemoveSource(this);
}

void TMskBtnImgLst::SetAllowedSet(unsigned allowed) {
    allowed &= allStates;
    if (allowed == allowed_)
        return;
    allowed_ = allowed;
    rebuild();
    Change();
}

void TMskBtnImgLst::rebuild() {
    int next = 0;
    roles_.fill(imNone);
    for (unsigned combination = 0; combination < Combinations; ++combination) {
        const MBImageType role = roleOf(combination);
        if (role != imNone && allowedCombination(combination, allowed_)) {
            roles_[std::size_t(next)] = role;
            stateTable_[combination] = next++;
        } else {
            stateTable_[combination] = -1;
        }
    }
}

int TMskBtnImgLst::StateImage(int combination) const {
    PRECONDITION(combination >= 0 && combination < Combinations);
    return stateTable_[std::size_t(combination)];
}

MBImageType TMskBtnImgLst::ImageType(int image) const {
    PRECONDITION(image >= 0 && image < MaxImages);
    return roles_[std::size_t(image)];
}

void TMskBtnImgLst::SetImageType(int, MBImageType) {
    Application::ShowMessage("This property can not be modified.\n");
}

int TMskBtnImgLst::ImageIndex(bool rolled, bool focused, bool pushed, bool checked,
                              bool disabled) const {
    const bool free = !disabled && !pushed;
    unsigned combination = 0;
    if (rolled && free && (allowed_ & asRolled))
        combination |= rolledBit;
    if (focused && free && (allowed_ & asFocused))
        combination |= focusedBit;
    if (pushed && !disabled && (allowed_ & asPushed))
        combination |= pushedBit;
    if (checked && (allowed_ & asChecked))
        combination |= checkedBit;
    if (disabled && (allowed_ & asDisabled))
        combination |= disabledBit;
    return stateTable_[combination];
}

void TMskBtnImgLst::LinkButton(TMaskedButton* button) {
    if (button && std::find(buttons_.begin(), buttons_.end(), button) == buttons_.end())
        buttons_.push_back(button);
}

void TMskBtnImgLst::UnlinkButton(TMaskedButton* button) { std::erase(buttons_, button); }

void TMskBtnImgLst::Change() {
    const std::vector<TMaskedButton*> buttons = buttons_;
    for (TMaskedButton* button : buttons)
        button->UpdateSources();
    TImageList::Change();
}
