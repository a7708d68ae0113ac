// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oColourButton.h"

#include "ButtonEdges.h"

oColourButton::oColourButton(QWidget* owner) : oCustomButton(owner) {}

void oColourButton::SetColor(TColor color) {
    color_ = color;
    parentColor_ = false;
    update();
}

TColor oColourButton::Color() const {
    if (parentColor_ && parentWidget())
        return fromQColor(parentWidget()->palette().color(QPalette::Window));
    return color_;
}

void oColourButton::SetParentColor(bool follow) {
    parentColor_ = follow;
    update();
}

void oColourButton::DrawFace(TCanvas& canvas, const TDrawItemStruct& item) {
    using namespace edges;
    const State s = Decode(item);
    canvas.Brush.Color = Color();
    canvas.FillRect(item.rcItem);
    QRect r = item.rcItem;
    if (s.isDefault)
        DrawEdge(canvas, r, RaisedOuter, Rect | Adjust | Mono);
    if (s.pressed) {
        DrawEdge(canvas, r, SunkenOuter, Rect | Flat);
        return;
    }
    if (s.checked) {
        DrawEdge(canvas, r, EdgeSunken, Rect);
        return;
    }
    DrawEdge(canvas, r, RaisedInner, Top | Left);
    DrawEdge(canvas, r, RaisedOuter, Bottom | Right);
    r.adjust(1, 1, -1, -1);
    DrawEdge(canvas, r, RaisedOuter, Top | Left);
    DrawEdge(canvas, r, RaisedInner, Bottom | Right);
}

void oColourButton::DrawFocus(TCanvas& canvas, const TDrawItemStruct& item) {
    if (!(item.itemState & ODS_FOCUS))
        return;
    // Inverting with these colours leaves the dots in the font colour on any swatch.
    QRect r = item.rcItem.adjusted(4, 4, -4, -4);
    if (r.width() <= 0 || r.height() <= 0)
        return;
    canvas.DrawFocusRect(r, (ColorToRGB(Color()) ^ ColorToRGB(Font().Color)) & 0xFFFFFF);
}
