// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "StablePaletteStyle.h"

#include <QStyleOption>

namespace {

// Lends an option the stable palette for one call. The option is the caller's, passed as
// const only by the style's signature; it gets its own palette back before the call returns.
class LentPalette {
public:
    LentPalette(const QStyleOption* option, const StablePaletteStyle& style)
        : option_(const_cast<QStyleOption*>(option)) {
        if (!option_)
            return;
        own_ = option_->palette;
        option_->palette = style.Stable(own_);
    }
    ~LentPalette() {
        if (option_)
            option_->palette = own_;
    }
    LentPalette(const LentPalette&) = delete;
    LentPalette& operator=(const LentPalette&) = delete;

private:
    QStyleOption* option_;
    QPalette own_;
};

} // namespace

StablePaletteStyle::StablePaletteStyle(QStyle* base) : QProxyStyle(base) {}

const QPalette& StablePaletteStyle::Stable(const QPalette& p) const {
    // Equal palettes may differ in the group they draw with (a disabled control's is
    // Disabled), which their comparison does not look at: lending one of another group
    // would draw a disabled control as an enabled one.
    for (const QPalette& kept : palettes_)
        if (kept == p && kept.currentColorGroup() == p.currentColorGroup())
            return kept;
    if (palettes_.size() == MaxPalettes)
        palettes_.pop_front();
    palettes_.push_back(p);
    return palettes_.back();
}

void StablePaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    const LentPalette lent(option, *this);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void StablePaletteStyle::drawControl(ControlElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    const LentPalette lent(option, *this);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void StablePaletteStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex* option, QPainter* painter,
                                            const QWidget* widget) const {
    const LentPalette lent(option, *this);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}
