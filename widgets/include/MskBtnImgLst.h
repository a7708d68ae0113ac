// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The image list of masked buttons. It knows which state bits its images distinguish
// (AllowedStates) and from them which image shows each state combination, and it tells the
// buttons that use it whenever its images change.

#include "TImageList.h"

#include <array>
#include <cstdint>
#include <vector>

class TMaskedButton;

// State bits an image list may distinguish; a set of them is the bits or-ed together.
enum MBAllowType : unsigned {
    asPushed = 1,
    asFocused = 2,
    asChecked = 4,
    asRolled = 8, // the mouse is over the button
    asDisabled = 16,
};

// What an image of the list depicts.
enum MBImageType : std::uint8_t {
    imNone,
    imNormal,
    imRolled,
    imFocusedNormal,
    imFocusedRolled,
    imPushed,
    imDisabled,
    imChecked,
    imCheckedRolled,
    imCheckedFocused,
    imCheckedFocusedRolled,
    imCheckedPushed,
    imCheckedDisabled,
};

class TMskBtnImgLst : public TImageList {
public:
    static constexpr int Combinations = 32;
    static constexpr int MaxImages = 12;

    // 32 x 32 images, distinguishing only the pushed state.
    TMskBtnImgLst();
    // The buttons that still use the list drop it.
    ~TMskBtnImgLst() override;

    unsigned AllowedStates() const { return allowed_; }
    void SetAllowedSet(unsigned allowed);

    // The image of a state combination (rolled 1, focused 2, pushed 4, checked 8,
    // disabled 16), or -1.
    int StateImage(int combination) const;
    MBImageType ImageType(int image) const;
    // The roles follow from AllowedStates; an attempt to set one is answered with a message.
    void SetImageType(int image, MBImageType type);

    // The image for a button's state, counting only the allowed bits; pushed hides rolled
    // and focused, disabled hides all but checked.
    int ImageIndex(bool rolled, bool focused, bool pushed, bool checked, bool disabled) const;

    void LinkButton(TMaskedButton* button);
    void UnlinkButton(TMaskedButton* button);
    // The buttons that use the list as images or masks.
    const std::vector<TMaskedButton*>& LinkedButtons() const { return buttons_; }

protected:
    // Every linked button takes the new images.
    void Change() override;

private:
    void rebuild();

    unsigned allowed_ = asPushed;
    std::array<int, Combinations> stateTable_{};
    std::array<MBImageType, MaxImages> roles_{};
    std::vector<TMaskedButton*> buttons_;
};
