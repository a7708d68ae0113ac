// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Pictures of small shapes kept to be copied instead of drawn: a dot redrawn every frame
// costs the painter's whole set-up and path filling each time, where blending its kept
// picture costs a few hundred instructions. A picture is premultiplied ARGB, drawn once on
// a transparent field exactly as the shape would be drawn on the device.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <cstdint>
#include <functional>
#include <vector>

class ShapeStamps {
public:
    // What makes two pictures the same: the shape's size and how it is drawn, as the caller
    // sums it up (colours, pen, antialiasing), and the device's pixel ratio.
    struct Key {
        QSize size;
        std::uint64_t look = 0;
        int ratio = 1;
        bool operator==(const Key&) const = default;
    };

    // The kept picture for key, made by `draw` (given a cleared picture of key's size at its
    // ratio) when there is none. Only the last few looks are kept.
    const QImage& Picture(const Key& key, const std::function<void(QImage&)>& draw);

private:
    struct Kept {
        Key key;
        QImage picture;
    };
    std::vector<Kept> kept_;
};

// Blends a premultiplied picture over an RGB32 or premultiplied ARGB32 target with its
// top-left at the target's device pixel `at`, as a painter's source-over draw would, cut to
// the target.
void BlendStamp(QImage& target, const QImage& stamp, QPoint at);
