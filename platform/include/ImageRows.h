// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Pixels written straight into an image's rows, for the few places where a painter's set-up
// would cost more than the pixels: a frame's small boxes copied back, a window repainted
// from a paint box's surface. The rows are written into the image's own buffer even when
// the image is shared, as an open painter draws into it: detaching it would leave that
// painter drawing into the copy.

#include <QImage>
#include <QPoint>
#include <QRect>

// Whether opaque RGB32 rows and premultiplied pictures land on an image of this format bit
// for bit as the raster painter would put them there: RGB32 and premultiplied ARGB32.
bool TakesRows(QImage::Format format);

// Copies the device pixels `from` of an opaque RGB32 source into target with their top-left
// at `to`, cut to both images.
void CopyRows(QImage& target, QPoint to, const QImage& source, const QRect& from);
