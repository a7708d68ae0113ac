// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The form base: a window whose components are made by its form definition.
// Creation is two-phase: every constructor runs first, then the form-created handler
// (OnCreate) through CreateForm<T>(), so a handler can rely on every field that the
// constructors set. Modal showing goes through the application's dialog hook.

#include "AnsiString.h"
#include "Application.h"
#include "ScreenPlacement.h"
#include "TColor.h"
#include "TFont.h"

#include <QMargins>
#include <QWidget>
#include <functional>
#include <memory>

class QAbstractButton;
class QEventLoop;

enum TBorderStyle { bsNone, bsSingle, bsDialog, bsSizeable };
enum TCloseAction { caNone, caHide, caFree };

class TForm : public QWidget {
public:
    explicit TForm(QWidget* owner = nullptr);
    ~TForm() override;

    // Form events, bound by the form definitions.
    std::function<void()> OnCreate;
    std::function<void()> OnDestroy;
    std::function<void()> OnShow;
    std::function<void(TCloseAction&)> OnClose;
    // The parts of the screen a window should leave clear when it first shows; it opens
    // where it covers least of them. Unset, it opens where it was put.
    std::function<std::vector<TKeepClear>()> KeepClear;

    void SetCaption(const AnsiString& caption);
    AnsiString Caption() const;

    void SetClientSize(int width, int height);
    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }

    void SetColor(TColor color);
    TColor Color() const { return color_; }

    // The form's font; child controls without a font of their own follow it.
    void SetFont(const TFont& font);
    const TFont& Font() const { return font_; }

    void SetBorderStyle(TBorderStyle style);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    // Centres the window on the screen when it is first shown. A window always opens
    // wholly on the screen's available area.
    void SetCentred(bool centred) { centred_ = centred; }

    // Buttons that Enter and Esc activate.
    void SetDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
    void SetCancelButton(QAbstractButton* button) { cancelButton_ = button; }

    // Modal showing; setting a non-zero ModalResult ends it.
    int ShowModal();
    int ExecModal();
    void SetModalResult(int result);
    int ModalResult() const { return modalResult_; }
    void Close();

    // Runs the form-created handler; called once, by CreateForm, after construction.
    void RunCreate();
    // Runs the destroy handler, then deletes the form.
    static void Free(TForm* form);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    // Fits a fixed window larger than its screen by scrolling its controls (ScrollToFit), then
    // moves the window wholly onto its screen, or, at its first showing with KeepClear set,
    // to where it covers least; by its frame as the window system knows it now.
    void Settle();

    TColor color_ = clBtnFace;
    TFont font_;
    TBorderStyle borderStyle_ = bsSizeable;
    bool centred_ = false;
    bool created_ = false;
    bool destroyed_ = false;
    bool centredOnce_ = false;
    bool placedOnce_ = false;
    // The showing places the window where it covers least (rather than only on the screen).
    bool placing_ = false;
    // The frame's margins when the window was last settled.
    QMargins settledMargins_;
    int modalResult_ = mrNone;
    QEventLoop* modalLoop_ = nullptr;
    QAbstractButton* defaultButton_ = nullptr;
    QAbstractButton* cancelButton_ = nullptr;
};

// Constructs the form, then runs its form-created handler.
template <class T, class... Args> T* CreateForm(Args&&... args) {
    T* form = new T(std::forward<Args>(args)...);
    form->RunCreate();
    return form;
}
