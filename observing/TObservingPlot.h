// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// One of the observing run's pictures as a widget: it paints straight onto the widget with the
// drawing function it is given, so it is crisp at any device pixel ratio.

#include <QWidget>
#include <functional>

class QPainter;

class TObservingPlot : public QWidget {
public:
    using TDraw = std::function<void(QPainter&, const QRectF&)>;

    explicit TObservingPlot(QWidget* parent = nullptr);
    void SetDraw(TDraw draw);
    // Draws the picture into `area` of any painter, as the window paints it.
    void DrawInto(QPainter& p, const QRectF& area) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TDraw draw_;
};
