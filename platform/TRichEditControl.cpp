// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TRichEditControl.h"

#include "CharFormatMapping.h"
#include "RtfExport.h"
#include "RtfImport.h"
#include "RtfTextDocument.h"
#include "TextCodec.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kTwipsPerPixel = 15.0;

QString decodedText(const AnsiString& text) {
    QString s = QString::fromStdString(textcodec::ansiToUtf8(text));
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

// The format of the character at pos; a paragraph end has the next paragraph's.
QTextCharFormat charFormatAt(const QTextDocument& doc, int pos) {
    const QTextBlock block = doc.findBlock(pos);
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().contains(pos))
            return it.fragment().charFormat();
    const QTextBlock next = block.next();
    return next.isValid() ? next.charFormat() : block.charFormat();
}

struct Piece {
    int position;
    int length;
    QTextCharFormat format;
};

// The runs of text between start and end, cut at their ends.
std::vector<Piece> piecesBetween(const QTextDocument& doc, int start, int end) {
    std::vector<Piece> pieces;
    for (QTextBlock b = doc.findBlock(start); b.isValid() && b.position() < end; b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const int from = std::max(start, f.position());
            const int to = std::min(end, f.position() + f.length());
            if (from < to)
                pieces.push_back({from, to - from, f.charFormat()});
        }
    }
    return pieces;
}

QTextListFormat bulletListFormat() {
    QTextListFormat f;
    f.setStyle(QTextListFormat::ListDisc);
    f.setIndent(0);
    return f;
}

// Longer than any word of a text meant to be read.
constexpr int kLongestWord = 1000;

// The longest stretch between two places where the text layout may break a line. The
// layout's own rules decide (a no-break space, a figure space or a narrow no-break space
// joins words, though each counts as a space), so no spelling of a space defeats the guard.
int LongestUnbrokenRun(const QString& text) {
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    int longest = 0, previous = 0;
    for (qsizetype at = breaks.toNextBoundary(); at >= 0; at = breaks.toNextBoundary()) {
        longest = std::max(longest, int(at) - previous);
        previous = int(at);
    }
    return longest;
}

} // namespace

TRichEditControl::TRichEditControl(QWidget* parent) : QTextEdit(parent) {
    connect(this, &QTextEdit::textChanged, this, [this] { Change(); });
}

TRichEditControl::~TRichEditControl() {
    // The text edit's own teardown changes the text; Change() must not run by then.
    disconnect(this, &QTextEdit::textChanged, this, nullptr);
}

void TRichEditControl::Change() {
    if (OnChange)
        OnChange();
}

void TRichEditControl::ReplaceSel(const AnsiString& text) {
    QTextCursor c = textCursor();
    const QTextCharFormat format =
        c.hasSelection() ? charFormatAt(*document(), c.selectionStart()) : c.charFormat();
    QTextDocument* doc = document();
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    c.insertText(decodedText(text), format);
    doc->setUndoRedoEnabled(undo);
    setTextCursor(c);
}

TCharFormat TRichEditControl::SelCharFormat() const {
    const TCharFormat defaults = DefaultCharFormat();
    const QTextCursor c = textCursor();
    if (!c.hasSelection())
        return charformat::fromQt(c.charFormat(), defaults);
    TCharFormat first = charformat::fromQt(charFormatAt(*document(), c.selectionStart()), defaults);
    std::uint32_t varying = 0;
    for (const Piece& p : piecesBetween(*document(), c.selectionStart(), c.selectionEnd()))
        varying |= charformat::differences(first, charformat::fromQt(p.format, defaults));
    first.Mask &= ~varying;
    return first;
}

void TRichEditControl::SetSelCharFormat(const TCharFormat& format) {
    const TCharFormat defaults = DefaultCharFormat();
    QTextCursor c = textCursor();
    if (!c.hasSelection()) {
        QTextCharFormat f = c.charFormat();
        charformat::applyToQt(format, f, defaults);
        c.setCharFormat(f);
        setTextCursor(c);
        return;
    }
    // Piece by piece, since the shown offset depends on each piece's height.
    const int start = c.selectionStart();
    const int end = c.selectionEnd();
    for (Piece& p : piecesBetween(*document(), start, end)) {
        QTextCursor piece(document());
        piece.setPosition(p.position);
        piece.setPosition(p.position + p.length, QTextCursor::KeepAnchor);
        charformat::applyToQt(format, p.format, defaults);
        piece.setCharFormat(p.format);
    }
    // A selected paragraph end holds the format that the following paragraph starts with.
    for (QTextBlock b = document()->findBlock(start).next(); b.isValid() && b.position() <= end;
         b = b.next()) {
        QTextCharFormat f = b.charFormat();
        charformat::applyToQt(format, f, defaults);
        QTextCursor(b).setBlockCharFormat(f);
    }
}

TCharFormat TRichEditControl::DefaultCharFormat() const {
    const QFont font = document()->defaultFont();
    TCharFormat cf;
    cf.Mask = CFM_ALL;
    cf.Effects = (font.bold() ? CFE_BOLD : 0) | (font.italic() ? CFE_ITALIC : 0) |
                 (font.underline() ? CFE_UNDERLINE : 0) | (font.strikeOut() ? CFE_STRIKEOUT : 0);
    cf.Height_twips = font.pointSizeF() > 0 ? int(std::lround(font.pointSizeF() * 20))
                                            : int(std::lround(font.pixelSize() * 72.0 / 96.0)) * 20;
    cf.Color = defaultColor_;
    cf.CharSet = defaultCharSet_;
    cf.PitchAndFamily = defaultPitchAndFamily_;
    cf.FaceName = font.family().toStdString();
    return cf;
}

void TRichEditControl::SetDefaultCharFormat(const TCharFormat& cf) {
    QTextCharFormat f;
    f.setFont(font());
    charformat::applyToQt(cf, f, DefaultCharFormat());
    if (cf.Mask & CFM_FACE)
        defaultPitchAndFamily_ = cf.PitchAndFamily;
    if (cf.Mask & CFM_CHARSET)
        defaultCharSet_ = cf.CharSet;
    // The text edit hands its own font on to the document as the default.
    setFont(f.font());
    if (cf.Mask & CFM_COLOR) {
        defaultColor_ = cf.Color;
        QPalette p = palette();
        p.setColor(QPalette::Text, toQColor(cf.Color));
        setPalette(p);
    }
}

void TRichEditControl::SetFont(const TFont& font) { SetDefaultCharFormat(CharFormatOfFont(font)); }

TNumberingStyle TRichEditControl::SelNumbering() const {
    const QTextBlock first = document()->findBlock(textCursor().selectionStart());
    return first.textList() ? nsBullet : nsNone;
}

void TRichEditControl::SetSelNumbering(TNumberingStyle numbering) {
    if (numbering != nsNone && numbering != nsBullet)
        return;
    const QTextCursor c = textCursor();
    QTextBlock b = document()->findBlock(c.selectionStart());
    const QTextBlock last = document()->findBlock(c.selectionEnd());
    // Bullets continue the list of the paragraph before, as one list.
    const auto bulletList = [](const QTextBlock& block) -> QTextList* {
        QTextList* l = block.isValid() ? block.textList() : nullptr;
        return l && l->format().style() == QTextListFormat::ListDisc ? l : nullptr;
    };
    QTextList* list = nullptr;
    if (numbering == nsBullet) {
        list = bulletList(b.previous());
        if (!list)
            list = bulletList(b);
    }
    for (; b.isValid(); b = b.next()) {
        if (QTextList* own = b.textList(); own && own != list)
            own->remove(b);
        if (numbering == nsBullet && !b.textList()) {
            if (list)
                list->add(b);
            else
                list = QTextCursor(b).createList(bulletListFormat());
        }
        if (b == last)
            break;
    }
}

int TRichEditControl::SelLeftIndent_twips() const {
    const QTextBlock first = document()->findBlock(textCursor().selectionStart());
    return int(std::lround(first.blockFormat().leftMargin() * kTwipsPerPixel));
}

void TRichEditControl::SetSelLeftIndent_twips(int indent_twips) {
    QTextBlockFormat f;
    f.setLeftMargin(indent_twips / kTwipsPerPixel);
    textCursor().mergeBlockFormat(f);
}

int TRichEditControl::SelStart() const { return textCursor().selectionStart(); }

void TRichEditControl::SetSelStart(int start) {
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(start, 0, document()->characterCount() - 1));
    setTextCursor(c);
}

int TRichEditControl::SelLength() const {
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TRichEditControl::SetSelLength(int length) {
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(std::clamp(start + length, 0, document()->characterCount() - 1),
                  QTextCursor::KeepAnchor);
    setTextCursor(c);
}

AnsiString TRichEditControl::Text() const { return toPlainText().toStdString(); }

void TRichEditControl::Clear() {
    replaceContent([this] { document()->clear(); });
}

void TRichEditControl::StreamIn(const AnsiString& data) {
    std::optional<rtf::Document> content;
    if (!plainText_)
        content = rtf::parse(data);
    const TCharFormat defaults = DefaultCharFormat();
    replaceContent([&] {
        if (content)
            rtf::load(*document(), *content, defaults);
        else
            document()->setPlainText(decodedText(data).remove(QChar(0)));
    });
    // Looking for a word boundary in a run without one takes time that grows with the square
    // of its length (a damaged file of a million braces would hold the book for a minute);
    // such text breaks anywhere instead, in time that grows with its length. The raw text,
    // since the plain text shows no-break spaces as spaces.
    setWordWrapMode(LongestUnbrokenRun(document()->toRawText()) > kLongestWord
                        ? QTextOption::WrapAnywhere
                        : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

AnsiString TRichEditControl::StreamOut() const {
    if (plainText_)
        return Text();
    return rtf::write(rtf::save(*document(), DefaultCharFormat()));
}

void TRichEditControl::replaceContent(const std::function<void()>& load) {
    QTextDocument* doc = document();
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    load();
    doc->setUndoRedoEnabled(undo);
    setTextCursor(QTextCursor(doc));
}
