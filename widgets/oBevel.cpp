// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oBevel.h"

#include "Application.h"
#include "Precondition.h"

#include <QPainter>

oBevel::oBevel(QWidget* owner) : TGraphicControl(owner) { resize(100, 100); }

void oBevel::SetSourceImage(const QImage& source) {
    source_ = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    SetupTiles();
    update();
}

void oBevel::SetBorderWidth(int borderWidth) {
    PRECONDITION(borderWidth >= 0);
    border_ = borderWidth;
    SetupTiles();
    update();
}

void oBevel::SetScaleMode(oTileScaleMode mode) {
    mode_ = mode;
    SetupTiles();
    update();
}

void oBevel::SetupTiles() {
    ready_ = false;
    if (source_.isNull())
        return;
    const int w = source_.width(), h = source_.height(), b = border_;
    if (w - 2 * b <= 0 || h - 2 * b <= 0) {
        // Only setters cut the source, never a paint: a message box inside a paint would
        // start painting again from its own event loop.
        Application::ShowMessage("Image dimensions must be greater than 2*BorderWidth");
        return;
    }
    const int mw = w - 2 * b, mh = h - 2 * b;
    const QRect regions[9] = {
        {0, 0, b, b},      {w - b, 0, b, b}, {0, h - b, b, b},  {w - b, h - b, b, b}, {b, 0, mw, b},
        {b, h - b, mw, b}, {0, b, b, mh},    {w - b, b, b, mh}, {b, b, mw, mh},
    };
    for (int i = 0; i < 9; ++i)
        tiles_[std::size_t(i)] = source_.copy(regions[i]);
    SetupImageBuffer();
    ready_ = true;
}

void oBevel::DrawScaledTile(QPainter& p, const QRect& area, const QImage& tile) const {
    if (tile.isNull() || area.width() <= 0 || area.height() <= 0)
        return;
    if (mode_ == tsmStretch) {
        p.drawImage(area, tile);
        return;
    }
    // Whole copies from the top-left corner; the pieces drawn later cover any overrun.
    for (int y = area.top(); y <= area.bottom(); y += tile.height())
        for (int x = area.left(); x <= area.right(); x += tile.width())
            p.drawImage(x, y, tile);
}

void oBevel::SetupImageBuffer() {
    const int w = width(), h = height(), b = border_;
    buffer_ = QImage(std::max(0, w), std::max(0, h), QImage::Format_ARGB32_Premultiplied);
    if (buffer_.isNull())
        return;
    buffer_.fill(Qt::transparent);
    QPainter p(&buffer_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    auto span = [](int x1, int y1, int x2, int y2) {
        return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    };
    p.drawImage(0, 0, tiles_[0]);
    DrawScaledTile(p, span(b, 0, w - b, b), tiles_[4]);
    DrawScaledTile(p, span(0, b, b, h - b), tiles_[6]);
    p.drawImage(w - b, 0, tiles_[1]);
    p.drawImage(0, h - b, tiles_[2]);
    DrawScaledTile(p, span(b, b, w - b, h - b), tiles_[8]);
    DrawScaledTile(p, span(b, h - b, w - b, h), tiles_[5]);
    DrawScaledTile(p, span(w - b, b, w, h - b), tiles_[7]);
    p.drawImage(w - b, h - b, tiles_[3]);
}

void oBevel::Paint() {
    TCanvas& canvas = Canvas();
    if (!ready_) {
        canvas.DrawFocusRect(rect());
        return;
    }
    if (buffer_.size() != size())
        SetupImageBuffer();
    canvas.DrawImage(0, 0, buffer_);
}
