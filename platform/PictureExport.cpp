// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "PictureExport.h"

#include "Application.h"
#include "SavedFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QBuffer>
#include <QSvgGenerator>
#include <QWidget>

QString SavePicture(const QString& path, QSize size, double pixelRatio, const TPictureDrawing& draw) {
    // Drawn in memory first, so that the file is written whole or not at all.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    if (path.endsWith(".svg", Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        svg.setResolution(96);
        svg.setTitle(QFileInfo(path).completeBaseName());
        QPainter p;
        if (!p.begin(&svg))
            return "The picture was not saved: the SVG could not be begun.";
        draw(p);
        p.end();
    } else {
        QImage image((QSizeF(size) * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(pixelRatio);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            draw(p);
        }
        if (!image.save(&file, "PNG"))
            return "The picture was not saved: it could not be written as PNG.";
    }
    if (const QString cause = SaveWholeFile(path, file.data()); !cause.isEmpty())
        return "The picture was not saved: " + cause + ".";
    return {};
}

void SavePictureAs(QWidget& parent, const QString& name, QSize size, const TPictureDrawing& draw,
                   bool drawn) {
    const QString png = "PNG picture (*.png)", svg = "SVG drawing (*.svg)";
    QString chosen = png;
    QString path = QFileDialog::getSaveFileName(&parent, "Save picture", name + ".png",
                                                drawn ? png + ";;" + svg : png, &chosen);
    if (path.isEmpty())
        return;
    // A name typed without its ending takes the one of the kind chosen.
    const QString ending = chosen == svg ? ".svg" : ".png";
    if (!path.endsWith(".png", Qt::CaseInsensitive) && !path.endsWith(".svg", Qt::CaseInsensitive))
        path += ending;
    if (!drawn && !path.endsWith(".png", Qt::CaseInsensitive))
        path += ".png";
    if (const QString failure = SavePicture(path, size, parent.devicePixelRatioF(), draw);
        !failure.isEmpty())
        Application::ShowMessage(failure.toStdString());
}

void ShowPictureMenu(QWidget& parent, const QString& name, QPoint globalAt,
                     const TPictureDrawing& draw, bool drawn) {
    QMenu menu(&parent);
    menu.addAction("Save &picture...", &parent, [&parent, &name, &draw, drawn] {
        SavePictureAs(parent, name, parent.size(), draw, drawn);
    });
    menu.exec(globalAt);
}
