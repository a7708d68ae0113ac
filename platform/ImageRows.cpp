// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "ImageRows.h"

#include "Precondition.h"

#include <cstring>

bool TakesRows(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

void CopyRows(QImage& target, QPoint to, const QImage& source, const QRect& from) {
    PRECONDITION(TakesRows(target.format()) && source.format() == QImage::Format_RGB32);
    const QPoint shift = to - from.topLeft();
    const QRect out = from.intersected(source.rect()).translated(shift).intersected(target.rect());
    const std::size_t bytes = std::size_t(out.width()) * sizeof(QRgb);
    for (int y = out.top(); y <= out.bottom(); ++y)
        std::memcpy(const_cast<uchar*>(target.constScanLine(y)) + out.left() * sizeof(QRgb),
                    source.constScanLine(y - shift.y()) + (out.left() - shift.x()) * sizeof(QRgb),
                    bytes);
}
