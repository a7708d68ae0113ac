// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A decorative frame cut from one source picture: the picture's corners stay at the
// corners, its edges and middle are repeated (or stretched) to fill the control at any
// size. The source must be wider and taller than twice the border.

#include "TGraphicControl.h"

#include <QImage>
#include <array>

enum oTileScaleMode { tsmTile, tsmStretch };

class oBevel : public TGraphicControl {
public:
    // A bevel of 100 x 100 pixels with a 16-pixel border and no source yet.
    explicit oBevel(QWidget* owner = nullptr);

    void SetSourceImage(const QImage& source);
    const QImage& SourceImage() const { return source_; }
    void SetBorderWidth(int borderWidth);
    int BorderWidth() const { return border_; }
    void SetScaleMode(oTileScaleMode mode);
    oTileScaleMode TileScaleMode() const { return mode_; }

    // True while the tiles hold a valid cut of the source.
    bool Ready() const { return ready_; }
    // The composed picture as last painted; it follows the control's size at each paint.
    const QImage& Buffer() const { return buffer_; }

protected:
    void Paint() override;

private:
    // Cuts the source into nine tiles; a source too small for the border gets a message.
    void SetupTiles();
    void SetupImageBuffer();
    void DrawScaledTile(QPainter& p, const QRect& area, const QImage& tile) const;

    QImage source_;
    int border_ = 16;
    oTileScaleMode mode_ = tsmTile;
    // Corners top-left, top-right, bottom-left, bottom-right; edges top, bottom, left,
    // right; the middle.
    std::array<QImage, 9> tiles_;
    QImage buffer_;
    bool ready_ = false;
};
