// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// The spectrum picture as a widget. Painting keeps the still part of the picture in an image
// made at the screen's device pixel ratio, so a tick repaints only what moves and the
// picture stays crisp on any screen; the image is made afresh when the size, the pixel
// ratio, the line group or the magnification changes.

#include "spectrum/SpectrumDrawing.h"

#include <QImage>
#include <QWidget>

class TSpectrumView : public QWidget {
public:
    explicit TSpectrumView(QWidget* parent = nullptr);

    void SetScene(const spectrumdrawing::TScene& scene);
    const spectrumdrawing::TScene& Scene() const { return scene_; }

    // Saves the picture at the widget's size: SVG when the name ends in ".svg", else PNG. The
    // reason it failed, or an empty text.
    QString SavePictureFile(const QString& path) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // The picture on its background, drawn afresh.
    void DrawPicture(QPainter& p) const;

    spectrumdrawing::TScene scene_;
    QImage still_;
    spectrumdrawing::TScene stillScene_;
};
