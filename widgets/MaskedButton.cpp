// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "MaskedButton.h"

#include "Designing.h"
#include "TForm.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>

namespace {

constexpr int opaqueAlpha = 128;

bool isClickKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// The image with its alpha multiplied by the mask's darkness: black is opaque, white clear.
QImage withMask(const QImage& image, const QImage& mask) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int cover = mask.valid(x, y) ? 255 - qGray(mask.pixel(x, y)) : 0;
            line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]),
                            qAlpha(line[x]) * cover / 255);
        }
    }
    return out;
}

// The image with every pixel of its transparent colour, that of its bottom-left pixel,
// made see-through.
QImage withTransparentColour(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    if (out.isNull())
        return out;
    const QRgb key = out.pixel(0, out.height() - 1);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return out;
}

TForm* enclosingForm(QWidget* widget) {
    for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (auto* form = dynamic_cast<TForm*>(w))
            return form;
    return nullptr;
}

} // namespace

TMaskedButton::TMaskedButton(QWidget* owner) : TCustomControl(owner) {
    resize(100, 100);
    setMouseTracking(true);
    auto dialogKey = [this](QKeySequence key, bool TMaskedButton::*role) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setEnabled(false);
        QObject::connect(shortcut, &QShortcut::activated, this, [this, role] {
            if (this->*role && isEnabled() && isVisible())
                Click();
        });
        return shortcut;
    };
    returnKey_ = dialogKey(QKeySequence(Qt::Key_Return), &TMaskedButton::default_);
    enterKey_ = dialogKey(QKeySequence(Qt::Key_Enter), &TMaskedButton::default_);
    escapeKey_ = dialogKey(QKeySequence(Qt::Key_Escape), &TMaskedButton::cancel_);
}

TMaskedButton::~TMaskedButton() {
    if (images_)
        images_->UnlinkButton(this);
    if (masks_)
        masks_->UnlinkButton(this);
}

void TMaskedButton::relink(TMskBtnImgLst* old) {
    // A list used as both images and masks stays linked while either use remains.
    if (old)
        old->UnlinkButton(this);
    if (images_)
        images_->LinkButton(this);
    if (masks_)
        masks_->LinkButton(this);
}

void TMaskedButton::SetButtonImages(TMskBtnImgLst* images) {
    if (images == images_)
        return;
    TMskBtnImgLst* old = images_;
    images_ = images;
    relink(old);
    UpdateSources();
}

void TMaskedButton::SetButtonMasks(TMskBtnImgLst* masks) {
    if (masks == masks_)
        return;
    TMskBtnImgLst* old = masks_;
    masks_ = masks;
    relink(old);
    UpdateSources();
}

void TMaskedButton::RemoveSource(TMskBtnImgLst* list) {
    if (!list || (list != images_ && list != masks_))
        return;
    if (images_ == list)
        images_ = nullptr;
    if (masks_ == list)
        masks_ = nullptr;
    list->UnlinkButton(this);
    UpdateSources();
}

void TMaskedButton::UpdateSources() {
    if (images_) {
        setFixedSize(images_->Width(), images_->Height());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    MaskImages();
    update();
}

void TMaskedButton::MaskImages() {
    if (!images_) {
        maskedImages_.reset();
        dropImage();
        return;
    }
    maskedImages_ = std::make_unique<TImageList>(images_->Width(), images_->Height());
    const bool withMasks = masks_ && masked_ && masks_->Count() > 0;
    for (int i = 0; i < images_->Count(); ++i) {
        const QImage& image = images_->Image(i);
        if (withMasks) {
            const int m = masks_->Count() == 1 ? 0 : i;
            // An image without a mask of its own is drawn whole.
            maskedImages_->Add(m < masks_->Count() ? withMask(image, masks_->Image(m))
                                                   : image.convertToFormat(QImage::Format_RGB32));
        } else {
            maskedImages_->Add(masked_ ? withTransparentColour(image)
                                       : image.convertToFormat(QImage::Format_RGB32));
        }
    }
    // New sources are shown even when the index stays; a state without an image keeps
    // the index shown before while the new list has it.
    int index = StateImage();
    if (index < 0 && active_ < maskedImages_->Count())
        index = active_;
    if (index < 0)
        dropImage();
    else
        ShowImage(index);
}

void TMaskedButton::dropImage() {
    // Without an image the button answers everywhere.
    active_ = -1;
    hitMask_ = QImage();
    update();
}

int TMaskedButton::StateImage() const {
    if (!images_ || !maskedImages_)
        return -1;
    const int index = images_->ImageIndex(rolled_, hasFocus(), pushed_, checked_, !isEnabled());
    return index < maskedImages_->Count() ? index : -1;
}

void TMaskedButton::SetActiveImage() {
    const int index = StateImage();
    if (index >= 0 && index != active_)
        ShowImage(index);
}

void TMaskedButton::ShowImage(int index) {
    active_ = index;
    // The designer never clicks, so it needs no hit mask.
    if (!designing::IsDesigning(this))
        RenderHitMask();
    update();
}

void TMaskedButton::RenderHitMask() {
    const QImage& image = maskedImages_->Image(active_);
    hitMask_ = QImage(size(), QImage::Format_RGB32);
    hitMask_.fill(Qt::white);
    for (int y = 0; y < std::min(image.height(), hitMask_.height()); ++y)
        for (int x = 0; x < std::min(image.width(), hitMask_.width()); ++x)
            if (qAlpha(image.pixel(x, y)) >= opaqueAlpha)
                hitMask_.setPixel(x, y, qRgb(0, 0, 0));
}

bool TMaskedButton::IsMouseOnButton(int x, int y) const {
    if (hitMask_.isNull())
        return true;
    return hitMask_.valid(x, y) && qRed(hitMask_.pixel(x, y)) == 0;
}

void TMaskedButton::SetMasked(bool masked) {
    if (masked == masked_)
        return;
    masked_ = masked;
    UpdateSources();
}

void TMaskedButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    returnKey_->setEnabled(isDefault);
    enterKey_->setEnabled(isDefault);
}

void TMaskedButton::SetCancel(bool cancel) {
    cancel_ = cancel;
    escapeKey_->setEnabled(cancel);
}

void TMaskedButton::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    SetActiveImage();
}

void TMaskedButton::SetPushed(bool pushed) {
    if (pushed == pushed_)
        return;
    pushed_ = pushed;
    SetActiveImage();
}

void TMaskedButton::SetRolled(bool rolled) {
    if (rolled == rolled_)
        return;
    rolled_ = rolled;
    SetActiveImage();
}

void TMaskedButton::Click() {
    if (TForm* form = enclosingForm(this))
        form->SetModalResult(ModalResult);
    if (OnClick)
        OnClick();
}

void TMaskedButton::Paint() {
    TCanvas& canvas = Canvas();
    if (maskedImages_ && active_ >= 0 && active_ < maskedImages_->Count()) {
        maskedImages_->Draw(canvas, 0, 0, active_);
        return;
    }
    canvas.Brush.Color = clBlack;
    canvas.FrameRect(rect());
}

void TMaskedButton::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    if (!IsMouseOnButton(at.x(), at.y())) {
        // What lies behind a transparent part gets the press.
        e->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (e->button() == Qt::LeftButton)
        captured_ = true;
    SetPushed(true);
    if (OnMouseDown)
        OnMouseDown(MouseButtonOf(e->button()), e->modifiers(), at.x(), at.y());
}

void TMaskedButton::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    const bool on = IsMouseOnButton(at.x(), at.y());
    if (captured_ && (e->buttons() & Qt::LeftButton))
        SetPushed(on);
    SetRolled(on);
}

void TMaskedButton::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    const bool on = IsMouseOnButton(at.x(), at.y());
    const bool click = e->button() == Qt::LeftButton && captured_ && pushed_ && on;
    if (e->button() == Qt::LeftButton)
        captured_ = false;
    QPointer<TMaskedButton> alive(this);
    // The click comes before the release, as on the platform's buttons.
    if (click)
        Click();
    if (!alive)
        return;
    // A release anywhere ends the press, so a button never stays down.
    SetPushed(false);
    if (on && OnMouseUp)
        OnMouseUp(MouseButtonOf(e->button()), e->modifiers(), at.x(), at.y());
}

void TMaskedButton::keyPressEvent(QKeyEvent* e) {
    if (isClickKey(e->key())) {
        if (!e->isAutoRepeat())
            Click();
        e->accept();
        return;
    }
    TCustomControl::keyPressEvent(e);
}

bool TMaskedButton::event(QEvent* e) {
    // The focused button takes Enter itself, before any default button's shortcut.
    if (e->type() == QEvent::ShortcutOverride && isClickKey(static_cast<QKeyEvent*>(e)->key())) {
        e->accept();
        return true;
    }
    return TCustomControl::event(e);
}

void TMaskedButton::leaveEvent(QEvent* e) {
    TCustomControl::leaveEvent(e);
    pushed_ = false;
    rolled_ = false;
    SetActiveImage();
}

void TMaskedButton::focusInEvent(QFocusEvent* e) {
    TCustomControl::focusInEvent(e);
    SetActiveImage();
}

void TMaskedButton::focusOutEvent(QFocusEvent* e) {
    TCustomControl::focusOutEvent(e);
    SetActiveImage();
}

void TMaskedButton::changeEvent(QEvent* e) {
    TCustomControl::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        SetActiveImage();
}
