// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "ShapeStamps.h"

#include "ImageRows.h"
#include "Precondition.h"

#include <algorithm>

namespace {

// Enough for a view's star, planets and a few more looks; beyond it the oldest goes.
constexpr std::size_t KeptLooks = 8;

// Each of the four channels of x times a / 255, rounded as the raster painter rounds.
QRgb ByteMul(QRgb x, unsigned a) {
    std::uint32_t t = (x & 0xff00ffu) * a;
    t = (t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8;
    t &= 0xff00ffu;
    std::uint32_t u = ((x >> 8) & 0xff00ffu) * a;
    u = u + ((u >> 8) & 0xff00ffu) + 0x800080u;
    u &= 0xff00ff00u;
    return t | u;
}

} // namespace

const QImage& ShapeStamps::Picture(const Key& key, const std::function<void(QImage&)>& draw) {
    PRECONDITION(key.ratio >= 1 && !key.size.isEmpty());
    for (const Kept& k : kept_)
        if (k.key == key)
            return k.picture;
    if (kept_.size() == KeptLooks)
        kept_.erase(kept_.begin());
    QImage picture(key.size * key.ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(key.ratio);
    picture.fill(Qt::transparent);
    draw(picture);
    kept_.push_back({key, std::move(picture)});
    return kept_.back().picture;
}

void BlendStamp(QImage& target, const QImage& stamp, QPoint at) {
    PRECONDITION(TakesRows(target.format()) &&
                 stamp.format() == QImage::Format_ARGB32_Premultiplied);
    const QRect rows = QRect(at, stamp.size()).intersected(target.rect());
    for (int y = rows.top(); y <= rows.bottom(); ++y) {
        // Into the image's own buffer, as ImageRows writes.
        auto* out = const_cast<QRgb*>(reinterpret_cast<const QRgb*>(target.constScanLine(y)));
        const auto* in = reinterpret_cast<const QRgb*>(stamp.constScanLine(y - at.y()));
        for (int x = rows.left(); x <= rows.right(); ++x) {
            const QRgb s = in[x - at.x()];
            const unsigned alpha = qAlpha(s);
            if (alpha == 0)
                continue;
            out[x] = alpha == 255 ? s : s + ByteMul(out[x], 255 - alpha);
        }
    }
}
