// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oRichEdit.h"

#include "Application.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMouseEvent>

oRichEdit::oRichEdit(QWidget* parent)
    : TRichEditControl(parent), rtfLoader_(std::make_unique<oRtfLoader>(*this)) {
    setContextMenuPolicy(Qt::NoContextMenu);
    SetRtf("{\\rtf1 Rich\\i Text}");
}

oRichEdit::~oRichEdit() = default;

void oRichEdit::SetRtf(const AnsiString& rtf) {
    storedRtf_ = rtf;
    loadPending_ = parentWidget() == nullptr;
    if (!loadPending_)
        StreamIn(rtf);
}

AnsiString oRichEdit::GetRtf() const { return parentWidget() ? StreamOut() : AnsiString(); }

AnsiString oRichEdit::GetMatchString() const { return rtfParser_.Parse(GetRtf()); }

void oRichEdit::SetRtfLoader(oRtfLoader*) {
    Application::ShowMessage("This property can only be set via the property editor.");
}

void oRichEdit::Change() {
    if (InvalidateOnChange)
        viewport()->update();
    TRichEditControl::Change();
}

void oRichEdit::changeEvent(QEvent* e) {
    TRichEditControl::changeEvent(e);
    if (e->type() == QEvent::ParentChange && loadPending_ && parentWidget()) {
        loadPending_ = false;
        StreamIn(storedRtf_);
    }
}

void oRichEdit::mousePressEvent(QMouseEvent* e) {
    // A press inside the selection would start a drag; the control never drags, so the
    // press starts a new selection instead.
    if (e->button() == Qt::LeftButton && !(e->modifiers() & Qt::ShiftModifier)) {
        QTextCursor c = textCursor();
        if (c.hasSelection()) {
            c.clearSelection();
            setTextCursor(c);
        }
    }
    TRichEditControl::mousePressEvent(e);
}

void oRichEdit::contextMenuEvent(QContextMenuEvent* e) { e->ignore(); }

void oRichEdit::dragEnterEvent(QDragEnterEvent* e) { e->ignore(); }

void oRichEdit::dragMoveEvent(QDragMoveEvent* e) { e->ignore(); }

void oRichEdit::dropEvent(QDropEvent* e) { e->ignore(); }
