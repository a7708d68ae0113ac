// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "RichEditWriter.h"

#include "FloatToStr.h"

#include <QLocale>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kBulletIndent_twips = 200; // 10 points

TRichEditControl& setStyle(TRichEditControl& edit, TFontStyle style, bool on) {
    if (style > fsStrikeOut)
        return edit;
    TCharFormat cf = edit.SelCharFormat();
    cf.Mask = CFM_EFFECTS;
    const std::uint32_t bit = 1u << style;
    cf.Effects = on ? cf.Effects | bit : cf.Effects & ~bit;
    edit.SetSelCharFormat(cf);
    return edit;
}

} // namespace

TRichEditControl& operator<<(TRichEditControl& edit, const char* text) {
    edit.ReplaceSel(text ? AnsiString(text) : AnsiString());
    return edit;
}

TRichEditControl& operator<<(TRichEditControl& edit, const AnsiString& text) {
    edit.ReplaceSel(text);
    return edit;
}

TRichEditControl& operator<<(TRichEditControl& edit, const QString& text) {
    edit.ReplaceSel(text.toStdString());
    return edit;
}

TRichEditControl& operator<<(TRichEditControl& edit, int value) {
    edit.ReplaceSel(std::to_string(value));
    return edit;
}

QString NumberText(double value) {
    QString text = QString::fromStdString(FloatToStr(value));
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return text;
}

TRichEditControl& operator<<(TRichEditControl& edit, double value) {
    return edit << NumberText(value);
}

TRichEditControl& operator<<(TRichEditControl& edit, const TFont& font) {
    edit.SetSelCharFormat(CharFormatOfFont(font));
    return edit;
}

TRichEditControl& operator<<(TRichEditControl& edit, TextColor color) {
    TCharFormat cf;
    cf.Mask = CFM_COLOR;
    cf.Color = color.color;
    edit.SetSelCharFormat(cf);
    return edit;
}

TRichEditControl& operator<<(TRichEditControl& edit, TNumberingStyle numbering) {
    if (numbering == nsNone)
        edit.SetSelLeftIndent_twips(0);
    else if (numbering == nsBullet && edit.SelLeftIndent_twips() < kBulletIndent_twips)
        edit.SetSelLeftIndent_twips(kBulletIndent_twips);
    edit.SetSelNumbering(numbering);
    return edit;
}

TRichEditControl& operator<<(TRichEditControl& edit, TFontStyle style) {
    return setStyle(edit, style, true);
}

TRichEditControl& operator>>(TRichEditControl& edit, TFontStyle style) {
    return setStyle(edit, style, false);
}

// The arithmetic is the control's own: 32-bit integer divisions, truncating, in this order,
// so that a << and >> pair restores every whole-point size exactly.
TRichEditControl& operator<<(TRichEditControl& edit, TExFontStyle style) {
    TCharFormat cf;
    switch (style) {
    case fsSubscript:
        cf = edit.SelCharFormat();
        cf.Offset_twips = cf.Offset_twips - cf.Height_twips / 5;
        cf.Height_twips = cf.Height_twips * 4 / 5;
        cf.Mask = CFM_SIZE | CFM_OFFSET;
        break;
    case fsSuperscript:
        cf = edit.SelCharFormat();
        cf.Offset_twips = cf.Offset_twips + cf.Height_twips * 2 / 5;
        cf.Height_twips = cf.Height_twips * 4 / 5;
        cf.Mask = CFM_SIZE | CFM_OFFSET;
        break;
    case fsPlain:
        cf = edit.DefaultCharFormat();
        cf.Mask = CFM_ALL;
        break;
    default:
        return edit;
    }
    edit.SetSelCharFormat(cf);
    return edit;
}

TRichEditControl& operator>>(TRichEditControl& edit, TExFontStyle style) {
    if (style != fsSubscript && style != fsSuperscript)
        return edit;
    TCharFormat cf = edit.SelCharFormat();
    cf.Mask = CFM_SIZE | CFM_OFFSET;
    cf.Height_twips = cf.Height_twips * 5 / 4;
    if (style == fsSubscript)
        cf.Offset_twips = cf.Offset_twips + cf.Height_twips / 5;
    else
        cf.Offset_twips = cf.Offset_twips - cf.Height_twips * 2 / 5;
    edit.SetSelCharFormat(cf);
    return edit;
}

namespace {

struct TMark {
    const char* tag;
    void (*start)(TRichEditControl&);
    void (*end)(TRichEditControl&);
};

const TMark Marks[] = {
    {"b", [](TRichEditControl& e) { e << fsBold; }, [](TRichEditControl& e) { e >> fsBold; }},
    {"i", [](TRichEditControl& e) { e << fsItalic; }, [](TRichEditControl& e) { e >> fsItalic; }},
    {"sub", [](TRichEditControl& e) { e << fsSubscript; },
     [](TRichEditControl& e) { e >> fsSubscript; }},
    {"sup", [](TRichEditControl& e) { e << fsSuperscript; },
     [](TRichEditControl& e) { e >> fsSuperscript; }},
};

} // namespace

void WriteMarked(TRichEditControl& edit, const QString& marked) {
    // Marks open at each point, to tell a closing mark that belongs from one that does not.
    std::vector<const TMark*> open;
    QString run;
    const auto flush = [&] {
        if (!run.isEmpty())
            edit << run;
        run.clear();
    };
    for (qsizetype i = 0; i < marked.size();) {
        if (marked[i] == '&') {
            bool entity = false;
            for (const auto& [name, character] :
                 {std::pair{"&lt;", '<'}, std::pair{"&gt;", '>'}, std::pair{"&amp;", '&'}})
                if (marked.sliced(i).startsWith(QLatin1String(name))) {
                    run += QChar(character);
                    i += qsizetype(std::strlen(name));
                    entity = true;
                    break;
                }
            if (!entity)
                run += marked[i++];
            continue;
        }
        const qsizetype end = marked[i] == '<' ? marked.indexOf('>', i) : -1;
        const QString tag = end < 0 ? QString() : marked.mid(i + 1, end - i - 1);
        const bool closing = tag.startsWith('/');
        const TMark* mark = nullptr;
        for (const TMark& m : Marks)
            if ((closing ? tag.mid(1) : tag) == QLatin1String(m.tag))
                mark = &m;
        if (!mark || (closing && (open.empty() || open.back() != mark))) {
            run += marked[i++];
            continue;
        }
        flush();
        if (closing) {
            mark->end(edit);
            open.pop_back();
        } else {
            mark->start(edit);
            open.push_back(mark);
        }
        i = end + 1;
    }
    flush();
    // A mark a translation left open ends with the text.
    for (auto m = open.rbegin(); m != open.rend(); ++m)
        (*m)->end(edit);
}
