// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oCustomButton.h"

#include "ButtonEdges.h"
#include "TForm.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

constexpr int maxCaptionLength = 79;

} // namespace

oCustomButton::oCustomButton(QWidget* owner) : QPushButton(owner) { setAutoDefault(false); }

void oCustomButton::SetCaption(const AnsiString& caption) {
    setText(QString::fromStdString(caption));
    setAccessibleName(QString::fromStdString(caption).trimmed());
}

AnsiString oCustomButton::Caption() const { return text().toStdString(); }

void oCustomButton::SetFont(const TFont& font) {
    font_ = font;
    parentFont_ = false;
    setFont(font.toQFont());
    update();
}

TFont oCustomButton::Font() const {
    if (parentFont_)
        for (const QWidget* w = parentWidget(); w; w = w->parentWidget())
            if (const auto* form = dynamic_cast<const TForm*>(w))
                return form->Font();
    return font_;
}

void oCustomButton::SetHint(const AnsiString& hint) {
    const QString h = QString::fromStdString(hint);
    const qsizetype bar = h.indexOf('|');
    setToolTip(bar < 0 ? h : h.mid(bar + 1));
}

void oCustomButton::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    update();
}

void oCustomButton::SetButtonStyle(bool isDefault) {
    if (isDefault == defaultStyle_)
        return;
    defaultStyle_ = isDefault;
    update();
}

oCustomButton::State oCustomButton::Decode(const TDrawItemStruct& item) const {
    return {(item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_DISABLED) != 0, checked_,
            defaultStyle_};
}

void oCustomButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas canvas(&painter);
    TDrawItemStruct item;
    item.canvas = &canvas;
    item.rcItem = rect();
    item.itemState = (isDown() ? ODS_SELECTED : 0) | (isEnabled() ? 0 : ODS_DISABLED) |
                     (hasFocus() ? ODS_FOCUS : 0);
    DrawItem(item);
}

void oCustomButton::DrawItem(const TDrawItemStruct& item) {
    TCanvas& canvas = *item.canvas;
    canvas.Brush.Color = fromQColor(palette().color(QPalette::Button));
    canvas.Font = Font();
    DrawFace(canvas, item);
    DrawCaption(canvas, item);
    DrawFocus(canvas, item);
}

void oCustomButton::DrawFace(TCanvas& canvas, const TDrawItemStruct& item) {
    const State s = Decode(item);
    QRect r = item.rcItem;
    if (s.isDefault)
        edges::DrawEdge(canvas, r, edges::RaisedOuter, edges::Rect | edges::Adjust | edges::Mono);
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = r;
    option.state = QStyle::State_Raised;
    if (!s.disabled)
        option.state |= QStyle::State_Enabled;
    if (s.pressed)
        option.state = (option.state & ~QStyle::State_Raised) | QStyle::State_Sunken;
    if (s.checked)
        option.state |= QStyle::State_On;
    QPainter& p = canvas.Painter();
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);
}

void oCustomButton::DrawCaption(TCanvas& canvas, const TDrawItemStruct& item) {
    const QString caption = text().left(maxCaptionLength);
    if (caption.isEmpty())
        return;
    const State s = Decode(item);
    QPainter& p = canvas.Painter();
    p.save();
    p.setFont(canvas.Font.toQFont());
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QFontMetrics fm(p.font());
    // Measure without word wrap; only line breaks start new lines.
    const QRect measured =
        fm.boundingRect(QRect(item.rcItem.topLeft(), QSize(1, 1)),
                        Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, caption);
    QRect textRect(item.rcItem.topLeft(), measured.size());
    const int itemRight = item.rcItem.left() + item.rcItem.width();
    const int itemBottom = item.rcItem.top() + item.rcItem.height();
    int dx = (itemRight - (textRect.left() + textRect.width())) / 2;
    int dy = (itemBottom - (textRect.top() + textRect.height())) / 2;
    if (s.pressed || s.checked) {
        ++dx;
        ++dy;
    }
    textRect.translate(dx, dy);
    p.setClipRect(item.rcItem, Qt::IntersectClip);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip;
    if (s.disabled) {
        // Embossed: a highlight copy one pixel down-right under a shadow copy.
        p.setPen(QApplication::palette().color(QPalette::Light));
        p.drawText(textRect.translated(1, 1), flags, caption);
        p.setPen(QApplication::palette().color(QPalette::Dark));
    } else {
        p.setPen(toQColor(canvas.Font.Color));
    }
    p.drawText(textRect, flags, caption);
    p.restore();
}

void oCustomButton::DrawFocusFrame(TCanvas& canvas, QRect r, int inset) {
    r.adjust(inset, inset, -inset, -inset);
    canvas.DrawFocusRect(r);
}

void oCustomButton::DrawFocus(TCanvas& canvas, const TDrawItemStruct& item) {
    if (item.itemState & ODS_FOCUS)
        DrawFocusFrame(canvas, item.rcItem, 4);
}

void oCustomButton::changeEvent(QEvent* e) {
    QPushButton::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        update();
}

void oCustomButton::focusInEvent(QFocusEvent* e) {
    QPushButton::focusInEvent(e);
    SetButtonStyle(true);
}

void oCustomButton::focusOutEvent(QFocusEvent* e) {
    QPushButton::focusOutEvent(e);
    SetButtonStyle(isDefault());
}

void oCustomButton::keyPressEvent(QKeyEvent* e) {
    // The focused button holds the default role, so Enter presses it rather than the
    // form's default button; a held key presses it once.
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!e->isAutoRepeat())
            click();
        e->accept();
        return;
    }
    QPushButton::keyPressEvent(e);
}
