// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The per-frame work of the picture-skinned controls: a double-buffered paint box frame
// with labels above it, a bevel repainted after a resize, and a masked button taking new
// images.

#include "MaskedButton.h"
#include "TLabel.h"
#include "oBevel.h"
#include "oDoubleBufferedPaintBox.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>

namespace {

QImage disc(int size, QColor colour) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.drawEllipse(QRectF(0, 0, size, size));
    return img;
}

// Reload the background, draw the body, compose the labels above, show.
void BM_PaintBoxFrame(benchmark::State& state) {
    QWidget parent;
    oDoubleBufferedPaintBox box(&parent);
    box.SetBounds(0, 0, 460, 330);
    box.Buffer()->Canvas().Brush.Color = RGB(7, 12, 40);
    box.Buffer()->Canvas().FillRect(box.rect());
    box.Save();
    TLabel title(&parent), readout(&parent);
    title.SetFont(TFont("Arial", -15, clYellow));
    title.SetCaption("A planet on its orbit");
    title.move(12, 10);
    readout.SetFont(TFont("Arial", -12, clWhite));
    readout.SetCaption("day 120");
    readout.move(380, 300);
    TBitmap screen(460, 330);
    int tick = 0;
    for (auto _ : state) {
        box.ReloadSaved();
        TCanvas& c = box.Buffer()->Canvas();
        c.Brush.Color = RGB(70, 140, 220);
        const double a = 0.03 * tick++;
        c.Ellipse(int(230 + 160 * std::cos(a)) - 8, int(165 - 100 * std::sin(a)) - 8,
                  int(230 + 160 * std::cos(a)) + 9, int(165 - 100 * std::sin(a)) + 9);
        box.PaintSiblings();
        box.PaintOn(screen.Canvas());
        benchmark::DoNotOptimize(screen.Image().constBits());
    }
}
BENCHMARK(BM_PaintBoxFrame)->Unit(benchmark::kMicrosecond);

// Each paint follows a resize, so the buffer is composed afresh every time.
void BM_BevelPaintAfterResize(benchmark::State& state) {
    oBevel bevel;
    bevel.resize(230, 150);
    bevel.SetSourceImage(disc(48, Qt::blue));
    TBitmap screen(240, 160);
    bool wide = false;
    for (auto _ : state) {
        bevel.resize((wide = !wide) ? 231 : 230, 150);
        bevel.PaintOn(screen.Canvas());
        benchmark::DoNotOptimize(screen.Image().constBits());
    }
}
BENCHMARK(BM_BevelPaintAfterResize)->Unit(benchmark::kMicrosecond);

// Twelve 72 x 72 images made see-through and a hit mask drawn, as after a list change.
void BM_MaskedButtonUpdateSources(benchmark::State& state) {
    TMskBtnImgLst list;
    list.SetAllowedSet(asPushed | asFocused | asChecked | asRolled | asDisabled);
    list.SetSize(72, 72);
    for (int i = 0; i < 12; ++i)
        list.Add(disc(72, QColor::fromHsv(i * 30, 200, 200)));
    TMaskedButton button;
    button.SetMasked(true);
    button.SetButtonImages(&list);
    for (auto _ : state)
        button.UpdateSources();
}
BENCHMARK(BM_MaskedButtonUpdateSources)->Unit(benchmark::kMicrosecond);

} // namespace
