// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A push button of any shape: it shows one image of a TMskBtnImgLst per visual state,
// lets its parent show through where the image is transparent, and answers the mouse only
// over the opaque part of the image. Without images it draws a black frame and answers
// everywhere. Its size follows the images.

#include "MskBtnImgLst.h"
#include "TCustomControl.h"
#include "TImageList.h"
#include "TPaintBox.h"

#include <QImage>
#include <functional>
#include <memory>

class QShortcut;

enum oModalResult {
    mr_None,
    mr_Ok,
    mr_Cancel,
    mr_Abort,
    mr_Retry,
    mr_Ignore,
    mr_Yes,
    mr_No,
    mr_All,
    mr_NoToAll,
    mr_YesToAll,
};

class TMaskedButton : public TCustomControl {
public:
    // A button of 100 x 100 pixels in the tab order.
    explicit TMaskedButton(QWidget* owner = nullptr);
    // Unlinks the button from the lists it uses.
    ~TMaskedButton() override;

    // The state images; the lists are not owned and may go first: the button drops them.
    void SetButtonImages(TMskBtnImgLst* images);
    TMskBtnImgLst* Images() const { return images_; }
    // Masks for the images (black where opaque): one for all or one per image. Used while
    // Masked; without them Masked makes each image's transparent colour see-through.
    void SetButtonMasks(TMskBtnImgLst* masks);
    TMskBtnImgLst* Masks() const { return masks_; }
    // Forgets `list` wherever the button uses it.
    void RemoveSource(TMskBtnImgLst* list);
    // Rebuilds the shown images from Images and Masks and takes their size.
    void UpdateSources();

    void SetMasked(bool masked);
    bool Masked() const { return masked_; }
    // Enter anywhere in the window clicks a Default button, Esc a Cancel button.
    void SetDefault(bool isDefault);
    bool Default() const { return default_; }
    void SetCancel(bool cancel);
    bool Cancel() const { return cancel_; }
    void SetChecked(bool checked);
    bool Checked() const { return checked_; }
    void SetPushed(bool pushed);
    bool Pushed() const { return pushed_; }
    void SetRolled(bool rolled);
    bool Rolled() const { return rolled_; }

    // Given to the enclosing form on every click.
    oModalResult ModalResult = mr_None;

    // The image shown now, or -1.
    int ActiveImage() const { return active_; }
    // True over the opaque part of the shown image, and everywhere without one.
    bool IsMouseOnButton(int x, int y) const;
    // Sets the form's modal result, then runs OnClick.
    void Click();

    std::function<void()> OnClick;
    std::function<void(TMouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseDown;
    std::function<void(TMouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseUp;

protected:
    void Paint() override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool event(QEvent* e) override;

private:
    void relink(TMskBtnImgLst* old);
    void MaskImages();
    // The image of the current state, or -1 when the state has none.
    int StateImage() const;
    // Shows the image of the current state; a state without one keeps the image shown.
    void SetActiveImage();
    // Makes `index` the shown image and draws its hit mask.
    void ShowImage(int index);
    void RenderHitMask();
    void dropImage();

    TMskBtnImgLst* images_ = nullptr;
    TMskBtnImgLst* masks_ = nullptr;
    bool masked_ = false;
    bool default_ = false;
    bool cancel_ = false;
    bool checked_ = false;
    bool pushed_ = false;
    bool rolled_ = false;
    bool captured_ = false;
    // The images as drawn: with the transparency the masks or the transparent colour give.
    std::unique_ptr<TImageList> maskedImages_;
    // Black where the shown image is opaque, white elsewhere.
    QImage hitMask_;
    int active_ = -1;
    QShortcut* enterKey_ = nullptr;
    QShortcut* returnKey_ = nullptr;
    QShortcut* escapeKey_ = nullptr;
};
