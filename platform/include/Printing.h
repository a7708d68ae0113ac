// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Printing a window as it shows, and a document of text. The window is drawn at the
// printer's resolution, its controls and texts as vector drawing, scaled with equal x and y
// scale onto the page, starting at twice the printer's physical offset from the paper's
// top-left edge and staying at least that far from the other edges.

#include "Application.h"

#include <QImage>
#include <QPageLayout>
#include <QString>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <vector>

class QPainter;
class QPrinter;
class QTextDocument;
class QWidget;

// Runs the print dialog through the application's dialog hook; true when the user chose
// to print.
bool ExecutePrintDialog(QPrinter& printer, TPrintOptions& options);

// A widget that reaches the page as a drawing of its own rather than as it paints itself:
// a picture the widget keeps as pixels, whose lines and texts are wanted as such on paper.
// `draw` paints the widget's picture in the widget's own logical pixels.
struct TPrintedDrawing {
    QWidget* widget;
    std::function<void(QPainter&)> draw;
};

// The largest printout file the book writes: a chapter's text and a window's pictures at the
// printer's resolution take a few megabytes.
constexpr std::size_t MaxPrintoutBytes = 512u * 1024 * 1024;

// A printout that did not reach its file: "The printout was not saved: <cause>."
class EPrintoutNotSaved : public std::runtime_error {
public:
    explicit EPrintoutNotSaved(const QString& cause);
    // Why, as a clause: "no space left on device".
    const QString& Cause() const { return cause_; }

private:
    QString cause_;
};

// Runs `print`, which paints onto printer. When the printer writes a PDF file, the file is
// written whole or not at all, so a full disk leaves an earlier file as it was; raises
// EPrintoutNotSaved when it was not written.
void PrintWhole(QPrinter& printer, const std::function<void()>& print);

// Prints the widget with its children as they show, on its own page; each widget of
// `onWhite` (a dark picture among them) is printed as OnWhite turns it, and each of
// `drawings` through its drawing (which then answers for its colours on white itself).
void PrintClientArea(QWidget& client, QPageLayout::Orientation orientation, QPrinter& printer,
                     const std::vector<QWidget*>& onWhite = {},
                     const std::vector<TPrintedDrawing>& drawings = {});

// Prints the document over as many pages as it takes, its sizes in the screen's pixels
// (96 per inch) scaled to the printer's resolution.
void PrintDocument(const QTextDocument& document, QPageLayout::Orientation orientation,
                   QPrinter& printer);

// A dark picture made for white paper: its lightness turned over, so that the black ground
// is white and white lines black, and colours kept but deep enough to show on white.
QImage OnWhite(const QImage& picture);
// What OnWhite makes of one colour.
QRgb OnWhiteColour(QRgb colour);

// Where the picture lands on the page, in device units measured from the printable
// area's corner: offX and offY are the physical offsets, W and H the paper size.
QRect PrintPlacement(QSize picture, int offX, int offY, int pageWidth, int pageHeight);
