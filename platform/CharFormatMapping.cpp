// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "CharFormatMapping.h"

#include <QFont>
#include <QStringDecoder>
#include <cmath>

namespace charformat {

namespace {

constexpr int kOffsetTwipsProperty = QTextFormat::UserProperty + 0x5201;
constexpr int kCharsetProperty = QTextFormat::UserProperty + 0x5202;
constexpr int kPitchAndFamilyProperty = QTextFormat::UserProperty + 0x5203;

int heightOf(const QTextCharFormat& f, const TCharFormat& defaults) {
    if (f.hasProperty(QTextFormat::FontPointSize))
        return int(std::lround(f.fontPointSize() * 20));
    if (f.hasProperty(QTextFormat::FontPixelSize))
        return int(std::lround(f.intProperty(QTextFormat::FontPixelSize) * 72.0 / 96.0)) * 20;
    return defaults.Height_twips;
}

void setEffect(TCharFormat& cf, std::uint32_t bit, bool on) {
    cf.Effects = on ? cf.Effects | bit : cf.Effects & ~bit;
}

} // namespace

QString fromUtf8(const std::string& utf8) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(utf8.data(), qsizetype(utf8.size())));
}

TCharFormat fromQt(const QTextCharFormat& f, const TCharFormat& defaults) {
    TCharFormat cf = defaults;
    cf.Mask = CFM_ALL;
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty())
        cf.FaceName = families.first().toStdString();
    if (f.hasProperty(kCharsetProperty))
        cf.CharSet = std::uint8_t(f.intProperty(kCharsetProperty));
    if (f.hasProperty(kPitchAndFamilyProperty))
        cf.PitchAndFamily = std::uint8_t(f.intProperty(kPitchAndFamilyProperty));
    cf.Height_twips = heightOf(f, defaults);
    if (f.hasProperty(kOffsetTwipsProperty))
        cf.Offset_twips = f.intProperty(kOffsetTwipsProperty);
    if (f.hasProperty(QTextFormat::FontWeight))
        setEffect(cf, CFE_BOLD, f.fontWeight() > QFont::Medium);
    if (f.hasProperty(QTextFormat::FontItalic))
        setEffect(cf, CFE_ITALIC, f.fontItalic());
    if (f.hasProperty(QTextFormat::TextUnderlineStyle) || f.hasProperty(QTextFormat::FontUnderline))
        setEffect(cf, CFE_UNDERLINE, f.fontUnderline());
    if (f.hasProperty(QTextFormat::FontStrikeOut))
        setEffect(cf, CFE_STRIKEOUT, f.fontStrikeOut());
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        cf.Color = fromQColor(f.foreground().color());
    return cf;
}

void applyToQt(const TCharFormat& cf, QTextCharFormat& f, const TCharFormat& defaults) {
    if (cf.Mask & CFM_BOLD)
        f.setFontWeight(cf.Effects & CFE_BOLD ? QFont::Bold : QFont::Normal);
    if (cf.Mask & CFM_ITALIC)
        f.setFontItalic(cf.Effects & CFE_ITALIC);
    if (cf.Mask & CFM_UNDERLINE)
        f.setFontUnderline(cf.Effects & CFE_UNDERLINE);
    if (cf.Mask & CFM_STRIKEOUT)
        f.setFontStrikeOut(cf.Effects & CFE_STRIKEOUT);
    if ((cf.Mask & CFM_SIZE) && cf.Height_twips > 0) {
        f.clearProperty(QTextFormat::FontPixelSize);
        f.setFontPointSize(cf.Height_twips / 20.0);
    }
    if (cf.Mask & CFM_FACE) {
        f.setFontFamilies(QStringList{fromUtf8(cf.FaceName)});
        f.setProperty(kPitchAndFamilyProperty, int(cf.PitchAndFamily));
        f.setFontFixedPitch((cf.PitchAndFamily & 3) == FIXED_PITCH);
    }
    if (cf.Mask & CFM_CHARSET)
        f.setProperty(kCharsetProperty, int(cf.CharSet));
    if (cf.Mask & CFM_COLOR) {
        // The automatic colour follows the palette, as text without a colour does.
        if (cf.Color == clWindowText)
            f.clearForeground();
        else
            f.setForeground(toQColor(cf.Color));
    }
    if (cf.Mask & CFM_OFFSET) {
        if (cf.Offset_twips != 0)
            f.setProperty(kOffsetTwipsProperty, cf.Offset_twips);
        else
            f.clearProperty(kOffsetTwipsProperty);
    }
    if (cf.Mask & (CFM_OFFSET | CFM_SIZE)) {
        // The shown offset is relative to the height, so it follows either change.
        const int offset_twips = f.intProperty(kOffsetTwipsProperty);
        const int height_twips = heightOf(f, defaults);
        if (offset_twips != 0 && height_twips > 0)
            f.setBaselineOffset(offset_twips * 100.0 / height_twips);
        else
            f.clearProperty(QTextFormat::TextBaselineOffset);
    }
}

std::uint32_t differences(const TCharFormat& a, const TCharFormat& b) {
    std::uint32_t mask = (a.Effects ^ b.Effects) & CFM_EFFECTS;
    if (a.Height_twips != b.Height_twips)
        mask |= CFM_SIZE;
    if (a.Offset_twips != b.Offset_twips)
        mask |= CFM_OFFSET;
    if (a.Color != b.Color)
        mask |= CFM_COLOR;
    if (a.FaceName != b.FaceName || a.PitchAndFamily != b.PitchAndFamily)
        mask |= CFM_FACE;
    if (a.CharSet != b.CharSet)
        mask |= CFM_CHARSET;
    return mask;
}

} // namespace charformat
