// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A picture saved as a file: SVG, whose lines and texts stay vectors and text, when the name
// ends in ".svg", otherwise PNG. The picture is drawn by the caller on a painter whose
// coordinates are the picture's logical pixels; a PNG has `pixelRatio` device pixels to each.
// The file is written beside its place and renamed over it once whole, so a failure leaves
// an earlier file as it was.

#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QPainter;
class QWidget;

using TPictureDrawing = std::function<void(QPainter&)>;

// The reason the picture was not saved, or an empty text.
QString SavePicture(const QString& path, QSize size, double pixelRatio, const TPictureDrawing& draw);

// Asks where to save the picture ("name.png" suggested), saves it and shows why when it could
// not. SVG is offered only for a drawing of lines and text (`drawn`), not for a picture that
// exists only as pixels.
void SavePictureAs(QWidget& parent, const QString& name, QSize size, const TPictureDrawing& draw,
                   bool drawn);

// The context menu of a picture at `globalAt`, whose "Save picture..." runs SavePictureAs.
void ShowPictureMenu(QWidget& parent, const QString& name, QPoint globalAt,
                     const TPictureDrawing& draw, bool drawn = true);

// Lists `widget`'s picture in its window's "Save picture" menu, under the widget's accessible
// name, with "name.png" suggested (the accessible name as a file name when `name` is empty).
// The entry goes with the widget.
void OfferPicture(QWidget& widget, const QString& name, TPictureDrawing draw, bool drawn = true);
// A "Save picture" submenu of `menu` before `before` (at the end when null), the keyboard's way
// to the pictures' context menus: on opening it lists each offered picture that `window` shows.
QMenu* AddSavePictureMenu(QMenu& menu, QWidget& window, QAction* before = nullptr);
