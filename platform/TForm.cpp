// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TForm.h"

#include "ScreenPlacement.h"
#include "ScrollToFit.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <memory>

TForm::TForm(QWidget* owner) : QWidget(owner) {
    setAutoFillBackground(true);
    SetColor(color_);
    SetFont(font_);
}

TForm::~TForm() {
    if (modalLoop_)
        modalLoop_->quit();
}

void TForm::SetCaption(const AnsiString& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

AnsiString TForm::Caption() const { return windowTitle().toStdString(); }

void TForm::SetClientSize(int width, int height) {
    if (borderStyle_ == bsSizeable)
        resize(width, height);
    else
        setFixedSize(width, height);
}

void TForm::SetColor(TColor color) {
    color_ = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(color));
    setPalette(pal);
    update();
}

void TForm::SetFont(const TFont& font) {
    font_ = font;
    setFont(font.toQFont());
    // Disabled controls keep the style's greyed text.
    QPalette pal = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::WindowText, toQColor(font.Color));
        pal.setColor(group, QPalette::Text, toQColor(font.Color));
    }
    setPalette(pal);
}

void TForm::SetBorderStyle(TBorderStyle style) {
    borderStyle_ = style;
    // A dialog is a window of its own even when it has an owner; other styles only
    // apply to windows.
    if (!isWindow() && style != bsDialog)
        return;
    Qt::WindowFlags flags = Qt::Window;
    switch (style) {
    case bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case bsSingle:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
        break;
    case bsDialog:
        flags =
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case bsSizeable:
        break;
    }
    setWindowFlags(flags);
    if (style != bsSizeable)
        setFixedSize(size());
}

int TForm::ShowModal() { return Application::ShowModal(*this); }

int TForm::ExecModal() {
    modalResult_ = mrNone;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    modalLoop_ = &loop;
    if (modalResult_ == mrNone && isVisible())
        loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
    hide();
    setWindowModality(Qt::NonModal);
    return modalResult_ == mrNone ? int(mrCancel) : modalResult_;
}

void TForm::SetModalResult(int result) {
    modalResult_ = result;
    if (result != mrNone && modalLoop_)
        modalLoop_->quit();
}

void TForm::Close() { close(); }

void TForm::RunCreate() {
    if (created_)
        return;
    created_ = true;
    if (OnCreate)
        OnCreate();
}

void TForm::Free(TForm* form) {
    if (!form)
        return;
    if (!form->destroyed_) {
        form->destroyed_ = true;
        if (form->OnDestroy)
            form->OnDestroy();
    }
    delete form;
}

namespace {

// How often and how long a shown window's place is checked against its frame: openbox, for
// one, frames a window up to a second after it shows.
constexpr int FrameCheck_ms = 100;
constexpr int FrameChecks = 20;

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry(), client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

} // namespace

void TForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (centred_ && !centredOnce_ && isWindow()) {
        centredOnce_ = true;
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    if (isWindow() && !e->spontaneous()) {
        placing_ = KeepClear && !placedOnce_;
        placedOnce_ = placedOnce_ || placing_;
        Settle();
        // The window system may tell the frame only once the window is up, and a window
        // manager may frame and move the window later still, while the toolkit learns the
        // frame's size with no event: the place is checked again for a while.
        QMetaObject::invokeMethod(this, [this] { Settle(); }, Qt::QueuedConnection);
        auto* watch = new QTimer(this);
        auto checksLeft = std::make_shared<int>(FrameChecks);
        connect(watch, &QTimer::timeout, this, [this, watch, checksLeft] {
            if (isVisible() && FrameMargins(*this) != settledMargins_)
                Settle();
            else if (isVisible())
                KeepOnScreen(*this);
            if (--*checksLeft <= 0 || !isVisible())
                watch->deleteLater();
        });
        watch->start(FrameCheck_ms);
    }
    if (OnShow && !e->spontaneous())
        OnShow();
}

void TForm::Settle() {
    settledMargins_ = FrameMargins(*this);
    ScrollToFit(*this);
    if (placing_)
        PlaceWindow(*this, KeepClear());
    else
        KeepOnScreen(*this);
}

void TForm::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    // A window manager frames a window some time after it is shown, and only then is its
    // title bar known: the window is placed again by its whole frame.
    if (isWindow() && isVisible() && FrameMargins(*this) != settledMargins_)
        Settle();
}

void TForm::closeEvent(QCloseEvent* e) {
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(action);
    if (action == caNone) {
        e->ignore();
        return;
    }
    if (modalLoop_) {
        if (modalResult_ == mrNone)
            modalResult_ = mrCancel;
        modalLoop_->quit();
    }
    e->accept();
}

void TForm::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && defaultButton_ &&
        defaultButton_->isVisible() && defaultButton_->isEnabled()) {
        defaultButton_->click();
        return;
    }
    if (key == Qt::Key_Escape && cancelButton_ && cancelButton_->isEnabled()) {
        cancelButton_->click();
        return;
    }
    QWidget::keyPressEvent(e);
}
