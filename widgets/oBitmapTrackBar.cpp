// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oBitmapTrackBar.h"

#include "ButtonEdges.h"
#include "Designing.h"
#include "TColor.h"

#include <QPainter>

namespace {

constexpr int endTick = 4;
constexpr int innerTick = 3;
constexpr int selectionInset = 3;
constexpr int thinnestSelection = 3;
constexpr int markerSize = 2;

} // namespace

oBitmapTrackBar::oBitmapTrackBar(QWidget* owner) : TTrackBar(owner) {}

void oBitmapTrackBar::SetPictureBar(const QImage& picture) {
    bar_ = picture;
    update();
    if (!bar_.isNull())
        resize(bar_.size());
}

void oBitmapTrackBar::SetPictureDisabled(const QImage& picture) { disabled_ = picture; }

void oBitmapTrackBar::SetPictureThumb(const QImage& picture) {
    thumb_ = picture;
    update();
}

QRect oBitmapTrackBar::TickRect() const {
    const QRect channel = ChannelRect();
    const QRect thumb = ThumbRect();
    if (Orientation() == trHorizontal) {
        const int half = thumb.width() / 2;
        const int grow = (thumb.height() - channel.height()) / 2 + 1;
        return QRect(channel.left() + half, channel.top() - grow, channel.width() - 2 * half,
                     channel.height() + 2 * grow);
    }
    const int half = thumb.height() / 2;
    const int grow = (thumb.width() - channel.width()) / 2 + 1;
    return QRect(channel.left() - grow, channel.top() + half, channel.width() + 2 * grow,
                 channel.height() - 2 * half);
}

QPoint oBitmapTrackBar::TickPoint(int value, bool topLeft) const {
    const QRect r = TickRect();
    const double range = double(Max()) - Min();
    const double f = range == 0 ? 0.0 : (double(value) - Min()) / range;
    if (Orientation() == trHorizontal)
        return QPoint(int(f * r.width() + r.left()), topLeft ? r.top() : r.top() + r.height());
    return QPoint(topLeft ? r.left() : r.left() + r.width(), int(f * r.height() + r.top()));
}

void oBitmapTrackBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas canvas(&painter);
    PaintWindow(canvas);
}

void oBitmapTrackBar::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Color = fromQColor(palette().color(QPalette::Window));
    canvas.Brush.Style = bsSolid;
    canvas.Pen = pen_;
    DrawBar(canvas);
    DrawTicks(canvas);
    DrawSelection(canvas);
    DrawThumb(canvas);
    DrawFocus(canvas);
}

void oBitmapTrackBar::DrawBar(TCanvas& canvas) {
    if (!isEnabled() && !disabled_.isNull()) {
        canvas.DrawImage(0, 0, disabled_);
        return;
    }
    if (!bar_.isNull()) {
        canvas.DrawImage(0, 0, bar_);
        return;
    }
    canvas.FillRect(rect());
    const TColor brush = canvas.Brush.Color;
    QRect channel = ChannelRect();
    canvas.Brush.Color = clWindow;
    canvas.FillRect(channel);
    edges::DrawEdge(canvas, channel, edges::EdgeSunken, edges::Rect);
    canvas.Brush.Color = brush;
}

void oBitmapTrackBar::DrawTicks(TCanvas& canvas) {
    if (TickMarks() == tmBottomRight || TickMarks() == tmBoth)
        DrawTickSet(canvas, false);
    if (TickMarks() == tmTopLeft || TickMarks() == tmBoth)
        DrawTickSet(canvas, true);
}

void oBitmapTrackBar::DrawTickSet(TCanvas& canvas, bool topLeft) {
    if (TickStyle() == tsNone)
        return;
    const bool horizontal = Orientation() == trHorizontal;
    // Ticks point away from the bar from just outside the tick rectangle.
    const TColor brush = canvas.Brush.Color;
    canvas.Brush.Color = pen_.Color;
    auto tick = [&](int value, int length) {
        const QPoint at = TickPoint(value, topLeft);
        if (horizontal)
            canvas.FillRect(QRect(at.x(), topLeft ? at.y() - length : at.y(), 1, length));
        else
            canvas.FillRect(QRect(topLeft ? at.x() - length : at.x(), at.y(), length, 1));
    };
    tick(Min(), endTick);
    tick(Max(), endTick);
    // A frequency below one would never reach the maximum.
    if (TickStyle() == tsAuto && Frequency() > 0)
        for (long long v = (long long)Min() + Frequency(); v < Max(); v += Frequency())
            tick(int(v), innerTick);
    canvas.Brush.Color = brush;
}

void oBitmapTrackBar::DrawSelection(TCanvas& canvas) {
    if (SelStart() == 0 && SelEnd() == 0)
        return;
    const bool horizontal = Orientation() == trHorizontal;
    QRect band = ChannelRect() & TickRect();
    // Three pixels in from each side, but never thinner than a visible band.
    if (horizontal) {
        const int inset =
            std::max(0, std::min(selectionInset, (band.height() - thinnestSelection) / 2));
        band.adjust(0, inset, 0, -inset);
        band.setLeft(TickPoint(SelStart(), false).x());
        band.setRight(TickPoint(SelEnd(), false).x());
    } else {
        const int inset =
            std::max(0, std::min(selectionInset, (band.width() - thinnestSelection) / 2));
        band.adjust(inset, 0, -inset, 0);
        band.setTop(TickPoint(SelStart(), false).y());
        band.setBottom(TickPoint(SelEnd(), false).y());
    }
    const TColor brush = canvas.Brush.Color;
    canvas.Brush.Color = clHighlight;
    canvas.FillRect(band.normalized());
    canvas.Brush.Color = brush;
    if (TickStyle() == tsNone)
        return;
    // A small filled triangle at each end of the range, on each tick side, pointing at
    // the value.
    auto marker = [&](int value, bool topLeft) {
        const QPoint at = TickPoint(value, topLeft);
        const int away = topLeft ? -1 : 1;
        QPolygon triangle;
        if (horizontal) {
            const int tip = topLeft ? at.y() - 1 : at.y();
            const int base = tip + away * markerSize;
            triangle << QPoint(at.x(), tip) << QPoint(at.x() - markerSize, base)
                     << QPoint(at.x() + markerSize, base);
        } else {
            const int tip = topLeft ? at.x() - 1 : at.x();
            const int base = tip + away * markerSize;
            triangle << QPoint(tip, at.y()) << QPoint(base, at.y() - markerSize)
                     << QPoint(base, at.y() + markerSize);
        }
        canvas.Brush.Color = ColorToRGB(pen_.Color);
        canvas.Polygon(triangle);
        canvas.Brush.Color = brush;
    };
    for (bool topLeft : {false, true}) {
        if (topLeft ? TickMarks() == tmBottomRight : TickMarks() == tmTopLeft)
            continue;
        marker(SelStart(), topLeft);
        marker(SelEnd(), topLeft);
    }
}

void oBitmapTrackBar::DrawThumb(TCanvas& canvas) {
    if (!isEnabled())
        return;
    const QRect thumb = ThumbRect();
    if (!thumb_.isNull()) {
        QImage picture = thumb_;
        const QSize fit(std::min(picture.width(), thumb.width()),
                        std::min(picture.height(), thumb.height()));
        if (fit != picture.size() && !designing::IsDesigning(this))
            picture = picture.scaled(fit, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        canvas.DrawImage(thumb.left(), thumb.top(), picture);
        return;
    }
    const TColor brush = canvas.Brush.Color;
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(thumb);
    canvas.Brush.Color = brush;
    QRect frame = thumb;
    edges::DrawEdge(canvas, frame, edges::RaisedOuter | edges::RaisedInner, edges::Rect);
}

void oBitmapTrackBar::DrawFocus(TCanvas& canvas) {
    if (hasFocus())
        canvas.DrawFocusRect(rect());
}
