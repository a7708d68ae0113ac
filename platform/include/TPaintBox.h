// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A paint box owns a persistent surface. Its canvas can be drawn on at any time (from a
// timer tick as well as from a paint); the widget shows the surface, and OnPaint runs
// when the surface must be produced afresh: on first show, after a resize and after
// Invalidate(). The surface is made at the screen's device pixel ratio, so drawing in
// logical pixels comes out at the screen's resolution; only what a drawing call touched
// is repainted.

#include "TBitmap.h"
#include "TCanvas.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

enum TMouseButton { mbLeft, mbRight, mbMiddle };
// The button of a Qt mouse event; any other than right and middle counts as left.
TMouseButton MouseButtonOf(Qt::MouseButton b);

class TPaintBox : public QWidget {
public:
    explicit TPaintBox(QWidget* parent = nullptr);
    ~TPaintBox() override;

    TCanvas& Canvas();
    // Asks for the surface to be produced afresh by OnPaint at the next paint.
    void Invalidate();
    // Produces the surface now if it needs it (for tests and off-screen rendering).
    void PaintNow();
    const QImage& Surface();
    // Shows `bitmap`, which the owner draws on, in place of the own surface: what is drawn
    // there is repainted from it directly. Null returns to the own surface. The bitmap must
    // outlive the box or be taken back first.
    void ShowBitmap(TBitmap* bitmap);

    void SetBounds(int left, int top, int width, int height);

    // While one lives, what the drawing calls touch is gathered, and when the last one ends
    // the window is repainted there at once, in a few merged rectangles. A frame makes
    // dozens of drawing calls, and the window takes their small rectangles one by one at a
    // cost greater than the drawing's; repainting at once spares the event loop a second
    // pass for a repaint that is due anyway.
    class RepaintBatch {
    public:
        explicit RepaintBatch(TPaintBox& box);
        ~RepaintBatch();
        RepaintBatch(const RepaintBatch&) = delete;
        RepaintBatch& operator=(const RepaintBatch&) = delete;

    private:
        QPointer<TPaintBox> box_;
    };

    std::function<void()> OnPaint;
    std::function<void(TMouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseDown;
    std::function<void(Qt::KeyboardModifiers, int x, int y)> OnMouseMove;
    std::function<void(TMouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseUp;
    // Told after SetBounds or a resize has changed the size.
    std::function<void()> OnResize;

protected:
    // Produces the surface afresh; runs OnPaint. Subclasses draw around the handler.
    virtual void Paint();
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void ensureSurface();
    // Schedules the repaint of a rectangle a drawing call touched, or keeps it for the end
    // of the batch.
    void touched(const QRect& r);
    const QImage& shown();
    // Copies the parts of an opaque RGB32 image that `region` (widget pixels) covers straight
    // into the image this paint is redirected to (the window's backing store), row by row, as
    // drawing it would. A painter's set-up costs more than copying a frame's few small boxes.
    // False, having done nothing, when the paint goes elsewhere.
    bool showRows(const QRegion& region, const QImage& image);

    QImage surface_;
    TBitmap* shownBitmap_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
    bool dirty_ = true;
    // What was touched during the open batches: a few rectangles, each new one merged with
    // those it meets.
    std::vector<QRect> touched_;
    int batches_ = 0;
};
