// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "RtfTextDocument.h"

#include "CharFormatMapping.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <cmath>

namespace rtf {

namespace {

constexpr double kTwipsPerPixel = 15.0;

// Each paragraph joining a QTextList makes Qt mark every paragraph already in it changed, so
// one list of n paragraphs loads in time that grows with n squared (18 000 bullets: 16 s).
// A run of bullets longer than this goes on in a new list of the same format: disc bullets
// do not count their items, so the page and the RTF written back are the same.
constexpr int kBulletsPerList = 256;

int toTwips(qreal px) { return int(std::lround(px * kTwipsPerPixel)); }

QTextBlockFormat blockFormat(const ParaFormat& p) {
    QTextBlockFormat f;
    switch (p.align) {
    case Align::Left:
        f.setAlignment(Qt::AlignLeft);
        break;
    case Align::Right:
        f.setAlignment(Qt::AlignRight);
        break;
    case Align::Centre:
        f.setAlignment(Qt::AlignHCenter);
        break;
    case Align::Justify:
        f.setAlignment(Qt::AlignJustify);
        break;
    }
    f.setLeftMargin(p.left_twips / kTwipsPerPixel);
    f.setRightMargin(p.right_twips / kTwipsPerPixel);
    f.setTextIndent(p.firstLine_twips / kTwipsPerPixel);
    f.setTopMargin(p.spaceBefore_twips / kTwipsPerPixel);
    f.setBottomMargin(p.spaceAfter_twips / kTwipsPerPixel);
    return f;
}

ParaFormat paraFormat(const QTextBlock& block) {
    const QTextBlockFormat f = block.blockFormat();
    ParaFormat p;
    const Qt::Alignment h = f.alignment() & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignJustify)
        p.align = Align::Justify;
    else if (h & Qt::AlignHCenter)
        p.align = Align::Centre;
    else if (h & (Qt::AlignRight | Qt::AlignTrailing))
        p.align = Align::Right;
    p.left_twips = toTwips(f.leftMargin());
    p.right_twips = toTwips(f.rightMargin());
    p.firstLine_twips = toTwips(f.textIndent());
    p.spaceBefore_twips = toTwips(f.topMargin());
    p.spaceAfter_twips = toTwips(f.bottomMargin());
    p.bullet = block.textList() != nullptr;
    return p;
}

QTextCharFormat qtFormat(const CharFormat& c, const TCharFormat& defaults) {
    TCharFormat cf;
    cf.Mask = CFM_EFFECTS;
    cf.Effects = (c.bold ? CFE_BOLD : 0) | (c.italic ? CFE_ITALIC : 0) |
                 (c.underline ? CFE_UNDERLINE : 0) | (c.strike ? CFE_STRIKEOUT : 0);
    if (!c.face.empty()) {
        cf.Mask |= CFM_FACE | CFM_CHARSET;
        cf.FaceName = c.face;
        cf.CharSet = c.charset;
        cf.PitchAndFamily = c.pitchAndFamily;
    }
    if (c.color_rgb) {
        cf.Mask |= CFM_COLOR;
        cf.Color = TColor(*c.color_rgb & 0xFFFFFF);
    }
    // Word-style scripts become what the writer's sub- and superscript make.
    int height = c.height_twips > 0 ? c.height_twips : defaults.Height_twips;
    int offset = c.offset_twips;
    if (c.script == Script::Super)
        offset += height * 2 / 5;
    else if (c.script == Script::Sub)
        offset -= height / 5;
    if (c.script != Script::None)
        height = height * 4 / 5;
    if (c.height_twips > 0 || c.script != Script::None) {
        cf.Mask |= CFM_SIZE;
        cf.Height_twips = height;
    }
    if (offset != 0) {
        cf.Mask |= CFM_OFFSET;
        cf.Offset_twips = offset;
    }
    QTextCharFormat f;
    charformat::applyToQt(cf, f, defaults);
    return f;
}

CharFormat rtfFormat(const QTextCharFormat& qt, const TCharFormat& defaults) {
    const TCharFormat cf = charformat::fromQt(qt, defaults);
    CharFormat c;
    c.face = cf.FaceName;
    c.charset = cf.CharSet;
    c.pitchAndFamily = cf.PitchAndFamily;
    c.height_twips = cf.Height_twips;
    c.offset_twips = cf.Offset_twips;
    c.bold = cf.Effects & CFE_BOLD;
    c.italic = cf.Effects & CFE_ITALIC;
    c.underline = cf.Effects & CFE_UNDERLINE;
    c.strike = cf.Effects & CFE_STRIKEOUT;
    if (cf.Color != clWindowText)
        c.color_rgb = std::uint32_t(ColorToRGB(cf.Color));
    return c;
}

} // namespace

void load(QTextDocument& target, const Document& content, const TCharFormat& defaults) {
    target.clear();
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    QTextList* list = nullptr;
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    bullets.setIndent(0);
    bool first = true;
    for (const Paragraph& p : content.paragraphs) {
        const QTextCharFormat mark = qtFormat(p.mark, defaults);
        if (first) {
            cursor.setBlockFormat(blockFormat(p.format));
            cursor.setBlockCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(blockFormat(p.format), mark);
        }
        if (!p.format.bullet)
            list = nullptr;
        else if (list && list->count() < kBulletsPerList)
            list->add(cursor.block());
        else
            list = cursor.createList(bullets);
        for (const Run& r : p.runs)
            cursor.insertText(charformat::fromUtf8(r.text), qtFormat(r.format, defaults));
    }
    cursor.endEditBlock();
}

Document save(const QTextDocument& source, const TCharFormat& defaults) {
    Document doc;
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        Paragraph p;
        p.format = paraFormat(block);
        p.mark = rtfFormat(block.charFormat(), defaults);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QString text = fragment.text();
            // Embedded objects have no place in the export.
            text.remove(QChar::ObjectReplacementCharacter);
            if (text.isEmpty())
                continue;
            CharFormat format = rtfFormat(fragment.charFormat(), defaults);
            if (!p.runs.empty() && p.runs.back().format == format)
                p.runs.back().text += text.toStdString();
            else
                p.runs.push_back(Run{std::move(format), text.toStdString()});
        }
        doc.paragraphs.push_back(std::move(p));
    }
    return doc;
}

} // namespace rtf
