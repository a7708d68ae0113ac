// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The rich edit that every text area of the book uses: the platform rich edit with its RTF
// kept as a property (set before the control has a parent, it is loaded once it has one),
// an optional full repaint on every change, and a fixed object policy: nothing can be
// dropped on it, nothing dragged out of it, no context menu; pasting is allowed.

#include "AnsiString.h"
#include "TRichEditControl.h"
#include "oRTFParser.h"
#include "oRtfLoader.h"

#include <memory>

class oRichEdit : public TRichEditControl {
    Q_OBJECT
public:
    explicit oRichEdit(QWidget* parent = nullptr);
    ~oRichEdit() override;

    // When true, every change of the text repaints the whole control.
    bool InvalidateOnChange = false;

    // Stores the RTF and, when the control has a parent, loads it (as plain text when
    // PlainText is set, or when it is not RTF).
    void SetRtf(const AnsiString& rtf);
    // The whole content as RTF (or plain text when PlainText is set); "" without a parent.
    AnsiString GetRtf() const;

    // The content reduced to its match string: text with sub/superscript and Symbol markers.
    AnsiString GetMatchString() const;

    // The loader property; it is never replaced.
    oRtfLoader* RtfLoader() const { return rtfLoader_.get(); }
    // Refuses with a message: the loader is only set through the property editor.
    void SetRtfLoader(oRtfLoader* loader);

protected:
    void Change() override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    std::unique_ptr<oRtfLoader> rtfLoader_;
    AnsiString storedRtf_;
    mutable oRTFParser rtfParser_; // kept between calls, as the reader keeps its font table
    bool loadPending_ = false;     // stored RTF waits for a parent
};
