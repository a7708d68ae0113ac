// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A list of equal-sized images drawn by index; buttons take their state faces from it.
// Sizes are logical pixels: an image made for a screen of a higher device pixel ratio
// holds more pixels and is drawn at the screen's resolution.

#include <QImage>
#include <vector>

class TCanvas;

class TImageList {
public:
    TImageList(int width, int height) : width_(width), height_(height) {}
    virtual ~TImageList() = default;
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return int(images_.size()); }

    // Adds an image of the list's size and returns its index.
    int Add(const QImage& image);
    // Empties the list.
    void Clear();
    // A new image size empties the list, whose images all share one size.
    void SetSize(int width, int height);
    const QImage& Image(int index) const;
    // Draws image `index` with its top-left corner at (x, y); an index outside the list
    // draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index) const;

protected:
    // Told after every change of the images or their size.
    virtual void Change() {}

private:
    int width_;
    int height_;
    std::vector<QImage> images_;
};
