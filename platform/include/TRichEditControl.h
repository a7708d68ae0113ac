// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The platform rich edit control: a text edit offering what the rich edit writer and the
// book's rich text boxes need. Text replaces the selection and takes the insertion point's
// format; character formats are read and written as one record with heights and offsets in
// twips; paragraphs carry a bullet numbering and a left indent; the whole content streams
// in and out as RTF (or as plain text when PlainText is set). All of it works while the
// control is read-only, which only stops the user.

#include "AnsiString.h"
#include "TCharFormat.h"
#include "TFont.h"

#include <QTextEdit>
#include <cstdint>
#include <functional>

enum TNumberingStyle : std::uint8_t { nsNone = 0, nsBullet = 1 };

class TRichEditControl : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEditControl(QWidget* parent = nullptr);
    ~TRichEditControl() override;

    // Runs after every change of the content.
    std::function<void()> OnChange;

    // Replaces the selection with the text (UTF-8, or Windows-1252 when it is not valid
    // UTF-8) in the insertion point's format and leaves the caret after it; "\n" ends a
    // paragraph. Not undoable.
    void ReplaceSel(const AnsiString& text);

    // The selection's format; with an empty selection, the insertion point's. Mask bits are
    // cleared for members that vary across the selection.
    TCharFormat SelCharFormat() const;
    // Applies the members that the mask names to the selection or the insertion point.
    void SetSelCharFormat(const TCharFormat& format);
    // The format of text that has no format of its own.
    TCharFormat DefaultCharFormat() const;
    void SetDefaultCharFormat(const TCharFormat& format);
    // Makes the font the default format.
    void SetFont(const TFont& font);

    // Numbering and left indent of the selected paragraphs (the first one's when read).
    TNumberingStyle SelNumbering() const;
    void SetSelNumbering(TNumberingStyle numbering);
    int SelLeftIndent_twips() const;
    void SetSelLeftIndent_twips(int indent_twips);

    // The selection in characters; each paragraph end counts as one.
    int SelStart() const;
    void SetSelStart(int start); // also empties the selection
    int SelLength() const;
    void SetSelLength(int length);

    // The content as plain UTF-8 text, paragraphs separated by "\n".
    AnsiString Text() const;
    // Empties the control; the insertion point takes the default format.
    void Clear();

    // When set, StreamIn and StreamOut exchange plain text instead of RTF.
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool plainText) { plainText_ = plainText; }
    // Replaces the whole content; data that is not RTF loads as plain text.
    void StreamIn(const AnsiString& data);
    // The whole content as RTF, or as plain text.
    AnsiString StreamOut() const;

protected:
    // Called after every change of the content; runs OnChange.
    virtual void Change();

private:
    void replaceContent(const std::function<void()>& load);

    bool plainText_ = false;
    TColor defaultColor_ = clWindowText;
    std::uint8_t defaultCharSet_ = ANSI_CHARSET;
    std::uint8_t defaultPitchAndFamily_ = DEFAULT_PITCH;
};
