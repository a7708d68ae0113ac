// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "simulation/GraphAxesPicture.h"

#include "TBitmap.h"
#include "oWorldPortPaintBox.h"
#include "simulation/VelocityGraphDrawing.h"

void TGraphAxesPicture::Draw(oWorldPortPaintBox& box, TBitmap& bitmap,
                             const TVelocityGraph& graph) {
    TCanvas& canvas = bitmap.Canvas();
    const QImage& image = bitmap.Image();
    const Key key{{box.GetWorld(oWorldPortPaintBox::WorldX), box.GetWorld(oWorldPortPaintBox::WorldY),
                   box.GetWorld(oWorldPortPaintBox::WorldW), box.GetWorld(oWorldPortPaintBox::WorldH)},
                  image.size(),
                  graph.Ticks.Exponent,
                  graph.Ticks.Step,
                  graph.Ticks.Count,
                  graph.VelocityScale,
                  canvas.Font,
                  image.devicePixelRatio()};
    if (picture_.isNull() || key != key_) {
        graphdrawing::DrawGraphAxes(box, graph);
        picture_ = bitmap.Image().copy();
        key_ = key;
        return;
    }
    canvas.DrawImagePart(QRect(QPoint(), box.size()), picture_);
    // As drawing the axes leaves it, for the curve that follows.
    canvas.Brush.Color = clWhite;
    canvas.Brush.Style = bsSolid;
    canvas.Pen.Color = clBlack;
    canvas.SmoothLines = true;
}
