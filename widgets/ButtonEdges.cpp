// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "ButtonEdges.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace edges {

namespace {

struct Pair {
    QColor topLeft, bottomRight;
};

// The colours of one border, outer or inner, raised or sunken.
Pair colours(unsigned border, unsigned flags) {
    const QPalette pal = QApplication::palette();
    const QColor highlight = pal.color(QPalette::Light);
    const QColor light = pal.color(QPalette::Midlight);
    const QColor shadow = pal.color(QPalette::Dark);
    const QColor darkShadow = pal.color(QPalette::Shadow);
    if (flags & Mono)
        return {QColor(0, 0, 0), QColor(0, 0, 0)};
    if (flags & Flat)
        return {shadow, shadow};
    switch (border) {
    case RaisedOuter:
        return {light, darkShadow};
    case RaisedInner:
        return {highlight, shadow};
    case SunkenOuter:
        return {shadow, highlight};
    default:
        return {darkShadow, light};
    }
}

void drawBorder(TCanvas& canvas, QRect& r, unsigned border, unsigned flags) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const Pair c = colours(border, flags);
    QPainter& p = canvas.Painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (flags & Top)
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c.topLeft);
    if (flags & Left)
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c.topLeft);
    if (flags & Bottom)
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c.bottomRight);
    if (flags & Right)
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c.bottomRight);
    r.adjust(flags & Left ? 1 : 0, flags & Top ? 1 : 0, flags & Right ? -1 : 0,
             flags & Bottom ? -1 : 0);
}

} // namespace

void DrawEdge(TCanvas& canvas, QRect& r, unsigned borders, unsigned flags) {
    QRect inner = r;
    if (borders & (RaisedOuter | SunkenOuter))
        drawBorder(canvas, inner, borders & RaisedOuter ? RaisedOuter : SunkenOuter, flags);
    if (borders & (RaisedInner | SunkenInner))
        drawBorder(canvas, inner, borders & RaisedInner ? RaisedInner : SunkenInner, flags);
    if (flags & Adjust)
        r = inner;
}

} // namespace edges
