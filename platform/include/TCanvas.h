// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A drawing surface with persistent pen, brush, font and pen position, in the manner
// the system's drawing code expects: integer device coordinates, rectangles whose
// right and bottom edges are exclusive, text placed by its top-left corner unless the
// alignment says otherwise. A canvas keeps its painter open between calls and batches
// consecutive line-to calls with the same pen into one polyline, because orbit tracks
// are tens of thousands of segments redrawn while the user drags.
//
// Coordinates are logical pixels; on a device of a higher pixel ratio (an image made for a
// HiDPI screen) everything is drawn at the device's resolution, and a one-pixel pen draws
// one logical pixel wide.

#include "AnsiString.h"
#include "TColor.h"
#include "TFont.h"

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <functional>
#include <memory>
#include <vector>

class QColor;
class QPaintDevice;
class QPainter;
class QImage;
class ShapeStamps;
class TGraphic;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psClear };
enum TPenMode { pmCopy, pmNot, pmXor };
enum TBrushStyle { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
    bool operator==(const TPen&) const = default;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    bool operator==(const TBrush&) const = default;
};

// Horizontal and vertical text reference, combined with |.
enum TTextAlign : unsigned {
    TA_LEFT = 0,
    TA_TOP = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};

class TCanvas {
public:
    // A canvas on a device that outlives it; the painter opens on the first drawing call.
    explicit TCanvas(QPaintDevice* device = nullptr);
    // A canvas on a painter that someone else opened (a paint event, a printer job).
    explicit TCanvas(QPainter* external);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    // Background mode for text: opaque text fills its cell with the brush colour.
    bool TransparentText = true;
    unsigned TextAlign = TA_LEFT | TA_TOP;
    // Lines and polylines drawn antialiased, centred on the pixels that the aliased line
    // covers, so that they keep their place and a level or upright line keeps its pixels.
    bool SmoothLines = false;
    // When set, every colour drawn passes through it first: a dark picture printed on white
    // keeps its drawing and takes the turned colours.
    std::function<TColor(TColor)> Ink;

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPos() const { return penPos_; }
    // A move to the first point and lines through the rest, taking the points over.
    void Polyline(QPolygon points);
    void Polygon(const QPolygon& points);

    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const QRect& r) { Rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1); }
    void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
    void Ellipse(int x1, int y1, int x2, int y2);
    // The ellipse Ellipse draws, blended from a picture of it the canvas keeps, where the
    // device is an opaque image at a whole-number pixel ratio under a plain painter: a dot
    // drawn anew every frame then costs a tenth as much. A pixel may differ from Ellipse's
    // by two steps of rounding; elsewhere (paper, drawings, clipping) it is Ellipse.
    void StampEllipse(int x1, int y1, int x2, int y2);
    // Arcs run counter-clockwise from the ray through (x3, y3) to the ray through (x4, y4).
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void FillRect(const QRect& r);
    void FrameRect(const QRect& r);
    // The focus mark: a solid frame FocusWidth pixels wide inside `r`, drawn by inverting
    // with `xorInk`; drawing it twice restores the picture.
    static constexpr int FocusWidth = 2;
    void DrawFocusRect(const QRect& r, TColor xorInk = clWhite);

    void TextOut(int x, int y, const AnsiString& text);
    QSize TextExtent(const AnsiString& text);
    int TextWidth(const AnsiString& text) { return TextExtent(text).width(); }
    int TextHeight(const AnsiString& text) { return TextExtent(text).height(); }

    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const QRect& r, const TGraphic& graphic);
    void DrawImage(int x, int y, const QImage& image);
    // Copies the part r of an image of this canvas's size to the same place.
    void DrawImagePart(const QRect& r, const QImage& image);
    void StretchDrawImage(const QRect& r, const QImage& image);
    void SetPixel(int x, int y, TColor c);

    // Clipping to a rectangle until the matching RestoreState.
    void ClipRect(const QRect& r);
    void SaveState();
    void RestoreState();

    // Draws any pending lines; call before reading the device's pixels.
    void Flush();
    // Ends the painter so that the device can be painted by someone else.
    void Release();
    // The painter, opened and with the pending polyline drawn; for code that needs Qt directly.
    QPainter& Painter();

    // Told after every drawing call with the rectangle it may have touched, so that a widget
    // showing the device can repaint just that. A batch of lines tells its first point when
    // it begins and its whole extent when it is drawn: a widget that paints the device
    // flushes it first and so learns the rest then.
    std::function<void(const QRect& touched)> OnChange;

private:
    QPainter& begin();
    QColor ink(TColor c) const;
    void applyPen(QPainter& p, const TPen& pen);
    void applyBrush(QPainter& p);
    void applyFont(QPainter& p);
    void changed(const QRect& touched);
    // Starts a batch of lines at the pen position with the current pen.
    void beginBatch(qsizetype reserve);
    // Keeps the batch, one segment of a wide pen, to be drawn with the next ones of that pen.
    void parkSegment();
    // Draws the kept segments and the batch with the painter as set up for them.
    void strokeAll(QPainter& p);
    // How far a stroke with the pen moves right and down to cover the pixels that an
    // aliased one-pixel line covers on a plain screen.
    qreal strokeShift(const QPainter& p, const TPen& pen, bool smooth) const;
    // The rectangle r with room for the pen's width and an antialiased fringe.
    QRect withPen(const QRect& r, const TPen& pen) const;
    QRectF shapeRect(int x1, int y1, int x2, int y2) const;
    // Copies the part r of an opaque image of the device's own format and resolution row by
    // row, which is what drawing it through the painter does, only without the painter's
    // set-up; false, having done nothing, when the painter's state would make a difference.
    bool copyRows(const QPainter& p, const QRect& r, const QImage& image);

    QPaintDevice* device_ = nullptr;
    std::unique_ptr<QPainter> own_;
    QPainter* painter_ = nullptr;
    QPoint penPos_;
    QPolygon batch_;
    QList<QLine> segments_; // drawn before the batch, with its pen
    TPen batchPen_;
    bool batchSmooth_ = false;
    QRect batchBounds_;
    int savedStates_ = 0;
    std::unique_ptr<ShapeStamps> stamps_;
};
