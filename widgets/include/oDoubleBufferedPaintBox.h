// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A non-windowed control that shows an off-screen image. Its owner draws into Buffer at any
// time and shows it with Visualize, without flicker. A snapshot of the buffer (Save) can be
// copied back (ReloadSaved), so that a still background is drawn once and the moving parts
// are redrawn over a fresh copy of it. With AutoPaintSiblings the non-windowed controls
// that lie above the box (labels, shapes) are painted into the shown image as well.

#include "TBitmap.h"
#include "TGraphicControl.h"

#include <functional>
#include <memory>

class oDoubleBufferedPaintBox : public TGraphicControl {
public:
    // A box of 100 x 100 pixels; a form designer gets one without a buffer.
    explicit oDoubleBufferedPaintBox(QWidget* owner = nullptr);
    ~oDoubleBufferedPaintBox() override;

    // Fits the buffer to a new size: the snapshot goes and OnResize is told.
    void SetBounds(int left, int top, int width, int height) override;

    // The image the owner draws into; null while a form designer shows the box.
    TBitmap* Buffer() const { return buffer_.get(); }
    const TBitmap* Saved() const { return saved_.get(); }
    // The buffer with the siblings above painted in; null until PaintSiblings first runs.
    const TBitmap* Composite() const { return composite_.get(); }

    void Save();
    void ReloadSaved();
    void DeleteSaved();
    // Paints the non-windowed controls above the box into Composite, a copy of Buffer.
    // With no widget above the box there is no Composite, and the buffer shows.
    void PaintSiblings();
    // Shows the buffer now (with the siblings above it when AutoPaintSiblings is set).
    void Visualize();

    bool AutoPaintSiblings = false;
    std::function<void(oDoubleBufferedPaintBox*)> OnResize;

protected:
    void Paint() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void fit(int width, int height);
    // The first widget stacked above the box among its parent's children, or null.
    const QWidget* FirstSiblingAbove() const;

    std::unique_ptr<TBitmap> composite_;
    std::unique_ptr<TBitmap> buffer_;
    std::unique_ptr<TBitmap> saved_;
    int lastWidth_ = -1;
    int lastHeight_ = -1;
};
