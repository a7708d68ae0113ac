// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A push button whose painting is split into three overridable steps: face, caption and
// focus rectangle. It keeps the platform button's behaviour (click, keyboard activation,
// default and cancel roles, tab order, hints); only the painting differs.

#include "AnsiString.h"
#include "TCanvas.h"
#include "TFont.h"

#include <QPushButton>

// Item-state bits of a draw-item record.
constexpr unsigned ODS_SELECTED = 0x0001;
constexpr unsigned ODS_DISABLED = 0x0004;
constexpr unsigned ODS_FOCUS = 0x0010;

// What one paint of a button needs: where to draw, the whole button, and its state.
struct TDrawItemStruct {
    TCanvas* canvas = nullptr;
    QRect rcItem;
    unsigned itemState = 0;
};

class oCustomButton : public QPushButton {
public:
    explicit oCustomButton(QWidget* owner = nullptr);

    void SetCaption(const AnsiString& caption);
    AnsiString Caption() const;
    // The caption font, including its colour. Until a font is set the button takes the
    // font of the form it sits on, as the platform's controls do.
    void SetFont(const TFont& font);
    TFont Font() const;
    // Two-part hint "short|long": the tooltip shows the long part.
    void SetHint(const AnsiString& hint);

    bool Checked() const { return checked_; }
    // A latched "down" look; clicking does not toggle it.
    virtual void SetChecked(bool checked);
    // Told when the button gains or loses the dialog's default-button role.
    virtual void SetButtonStyle(bool isDefault);
    bool DefaultStyle() const { return defaultStyle_; }

    int Tag = 0;

    // Paints the button with the record's canvas: face, caption, focus.
    virtual void DrawItem(const TDrawItemStruct& item);
    virtual void DrawFace(TCanvas& canvas, const TDrawItemStruct& item);
    virtual void DrawCaption(TCanvas& canvas, const TDrawItemStruct& item);
    virtual void DrawFocus(TCanvas& canvas, const TDrawItemStruct& item);

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

    struct State {
        bool pressed, disabled, checked, isDefault;
    };
    State Decode(const TDrawItemStruct& item) const;
    // Shrinks `r` by `inset` on every side and draws the dotted focus frame there.
    static void DrawFocusFrame(TCanvas& canvas, QRect r, int inset);

private:
    bool defaultStyle_ = false;
    bool checked_ = false;
    bool parentFont_ = true;
    TFont font_;
};
