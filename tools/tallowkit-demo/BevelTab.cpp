// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Bevels cut from one 48 x 48 source at several sizes, tiled and stretched.

#include "SkinArtwork.h"
#include "SkinnedPage.h"
#include "oBevel.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace {

constexpr int magnify = 3;

// The source enlarged, with the cut lines of the nine tiles.
QPixmap sourceDiagram(const QImage& source, int border) {
    const QSize size = source.size() * magnify;
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.drawImage(QRect(QPoint(0, 0), size), source);
    p.setPen(QPen(QColor(255, 80, 60), 1.0, Qt::DashLine));
    for (int at : {border * magnify, size.width() - border * magnify}) {
        p.drawLine(at, 0, at, size.height());
        p.drawLine(0, at, size.width(), at);
    }
    return QPixmap::fromImage(img);
}

} // namespace

QWidget* MakeBevelTab(QWidget* parent) {
    QWidget* page = skinpage::MakePage(parent);
    skinpage::AddHeading(page, "Bevels");
    skinpage::AddNote(page,
                      "One 48 x 48 picture framed at any size: its four 16-pixel corners stay at "
                      "the corners, its edges and middle are repeated (Tile) or stretched "
                      "(Stretch) to fill the rest.");
    const QImage source = skinart::FrameSource();

    skinpage::AddCaption(page, "The source, 3 x, cut at BorderWidth 16", QRect(20, 96, 150, 32));
    auto* diagram = new QLabel(page);
    diagram->setGeometry(20, 132, 144, 144);
    diagram->setPixmap(sourceDiagram(source, 16));

    skinpage::AddCaption(page, "No source yet: the placeholder", QRect(20, 300, 150, 32));
    auto* empty = new oBevel(page);
    empty->setGeometry(20, 336, 144, 80);

    const QSize sizes[] = {{72, 52}, {140, 96}, {230, 150}};
    const struct {
        oTileScaleMode mode;
        const char* caption;
        int top;
    } rows[] = {{tsmTile, "Tile", 96}, {tsmStretch, "Stretch", 280}};
    for (const auto& row : rows) {
        skinpage::AddCaption(page, row.caption, QRect(190, row.top, 100, 18));
        int left = 190;
        for (QSize size : sizes) {
            auto* bevel = new oBevel(page);
            bevel->setGeometry(left, row.top + 24, size.width(), size.height());
            bevel->SetScaleMode(row.mode);
            bevel->SetSourceImage(source);
            auto* label = new QLabel(QString("%1 x %2").arg(size.width()).arg(size.height()), page);
            label->setGeometry(left, row.top + 24 + size.height() + 2, size.width(), 16);
            label->setAlignment(Qt::AlignHCenter);
            left += size.width() + 22;
        }
    }
    return page;
}
