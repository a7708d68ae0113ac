// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// What the observing run's plot widgets share: each paints its picture straight onto the
// widget, so it is crisp at any device pixel ratio, and draws the same picture into any
// painter's rectangle for the printed page. A message set on the plot (work in progress,
// nothing to show yet) is drawn in place of the picture until it is cleared.

#include "model/observing/ObservingRun.h"

#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

class TObservingPlot : public QWidget {
public:
    explicit TObservingPlot(QWidget* parent = nullptr);

    // Shows `message` in place of the picture; an empty one shows the picture again.
    void SetMessage(const QString& message);
    const QString& Message() const { return message_; }
    // Draws the picture (or the message) into `area` of any painter, as the widget paints it.
    void DrawInto(QPainter& p, const QRectF& area) const;
    // Saves the picture at the widget's size: SVG when the name ends in ".svg", else PNG. The
    // reason it failed, or an empty text.
    QString SavePictureFile(const QString& path) const;
    // What the picture shows now, in a sentence a screen reader adds to the plot's own
    // description (the message instead while one is shown); empty: nothing to add.
    QString Spoken() const;

protected:
    virtual void Draw(QPainter& p, const QRectF& area) const = 0;
    virtual QString Contents() const { return {}; }
    // "30 measurements over 92 days; the highest, 40 m/s, at day 3.1", or "no measurements".
    enum class TPoints { Measurements, Residuals };
    static QString PointsInWords(const std::vector<observing::TMeasurement>& points, TPoints what);
    void paintEvent(QPaintEvent* e) override;
    // "Save picture...": the picture as PNG or as an SVG drawing.
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // The widget's picture on its background, as a file holds it.
    void DrawPicture(QPainter& p) const;

    QString message_;
    QString told_;
};
