// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "PictureExport.h"

#include "BookText.h"

#include "Application.h"
#include "SavedFile.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>
#include <algorithm>
#include <map>
#include <vector>

namespace {

struct TOfferedPicture {
    QString Name;
    TPictureDrawing Draw;
    bool Drawn = true;
};

std::map<const QWidget*, TOfferedPicture>& Offered() {
    static std::map<const QWidget*, TOfferedPicture> offered;
    return offered;
}

QString FileNameOf(const QWidget& widget, const QString& name) {
    if (!name.isEmpty())
        return name;
    QString accessible = widget.accessibleName().isEmpty()
                             ? BookText("Save picture", "picture", "a file name")
                             : widget.accessibleName();
    return accessible.toLower().replace(' ', '-').remove('\'');
}

// A chapter is a window of its own inside the book's.
bool Within(const QWidget& widget, const QWidget& window) {
    for (const QWidget* up = widget.parentWidget(); up; up = up->parentWidget())
        if (up == &window)
            return true;
    return false;
}

} // namespace

QString SavePicture(const QString& path, QSize size, double pixelRatio,
                    const TPictureDrawing& draw) {
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
            return BookText("Save picture",
                            "The picture was not saved: the SVG could not be begun.");
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
            return BookText("Save picture",
                            "The picture was not saved: it could not be written as PNG.");
    }
    if (const QString cause = SaveWholeFile(path, file.data()); !cause.isEmpty())
        return BookText("Save picture", "The picture was not saved: %1.").arg(cause);
    return {};
}

void SavePictureAs(QWidget& parent, const QString& name, QSize size, const TPictureDrawing& draw,
                   bool drawn) {
    const QString png = BookText("Save picture", "PNG picture (*.png)"),
                  svg = BookText("Save picture", "SVG drawing (*.svg)");
    QString chosen = png;
    QString path =
        QFileDialog::getSaveFileName(&parent, BookText("Save picture", "Save picture"),
                                     name + ".png", drawn ? png + ";;" + svg : png, &chosen);
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
    menu.addAction(BookText("Save picture", "Save &picture..."), &parent,
                   [&parent, &name, &draw, drawn] {
                       SavePictureAs(parent, name, parent.size(), draw, drawn);
                   });
    menu.exec(globalAt);
}

void OfferPicture(QWidget& widget, const QString& name, TPictureDrawing draw, bool drawn) {
    if (!Offered().contains(&widget))
        QObject::connect(&widget, &QObject::destroyed, [&widget] { Offered().erase(&widget); });
    Offered()[&widget] = {name, std::move(draw), drawn};
}

QMenu* AddSavePictureMenu(QMenu& menu, QWidget& window, QAction* before) {
    auto* pictures = new QMenu(BookText("Save picture", "Save pic&ture"), &menu);
    menu.insertMenu(before, pictures);
    QObject::connect(pictures, &QMenu::aboutToShow, pictures, [pictures, &window] {
        pictures->clear();
        std::vector<QWidget*> shown;
        for (const auto& [widget, offer] : Offered())
            if (widget->isVisible() && Within(*widget, window))
                shown.push_back(const_cast<QWidget*>(widget));
        // In reading order: by rows from the top, then from the left.
        const auto place = [&window](const QWidget* w) {
            const QPoint at = w->mapTo(&window, QPoint(0, 0));
            return std::pair(at.y(), at.x());
        };
        std::ranges::sort(shown, {}, place);
        for (QWidget* picture : shown) {
            const QString label = picture->accessibleName().isEmpty()
                                      ? FileNameOf(*picture, Offered().at(picture).Name)
                                      : picture->accessibleName();
            pictures->addAction(label + "...", picture, [shown = picture] {
                const TOfferedPicture& chosen = Offered().at(shown);
                SavePictureAs(*shown, FileNameOf(*shown, chosen.Name), shown->size(), chosen.Draw,
                              chosen.Drawn);
            });
        }
        if (pictures->isEmpty())
            pictures->addAction(BookText("Save picture", "No picture shown"))->setEnabled(false);
    });
    return pictures;
}
