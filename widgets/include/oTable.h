// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A grid of text cells with optional edges, drawn in the canvas's current font and pen.
// Each column is as wide as its widest cell and each row as tall as its tallest; every
// cell's text keeps a margin to its edges. Measure it on a canvas with the drawing font
// before drawing. The steps (measuring one cell, drawing its edges, drawing its text) are
// virtual so that a subclass can draw cells its own way.

#include "AnsiString.h"
#include "oGraphic.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <vector>

class oTable : public oGraphic {
public:
    enum Alignment : std::uint8_t { Left = 0, Right = 1, Centre = 2 };
    enum Edge : std::uint8_t { EdgeLeft = 1, EdgeTop = 2, EdgeRight = 4, EdgeBottom = 8 };

    struct TCell {
        AnsiString Text;
        int Width = 0;  // measured by Measure
        int Height = 0; // measured by Measure
        std::uint8_t Align = Left;
        std::uint8_t Edges = EdgeLeft | EdgeTop;
    };

    // Every cell empty and left-aligned; the edges form a complete grid. A table needs at
    // least one row and one column.
    oTable(int columns, int rows);

    TCell& Cell(unsigned col, unsigned row);
    const TCell& Cell(unsigned col, unsigned row) const;
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }

    // Space left and right (horizontal) and above and below (vertical) every cell's text.
    int HorizontalMargin = 2;
    int VerticalMargin = 2;

    void Measure(TCanvas& canvas) override;
    void Draw(TCanvas& canvas, const QRect& r) const override;

    // Where the cell's text starts (its top-left corner) inside the cell rectangle.
    QPoint TextOrigin(const QRect& cell, unsigned col, unsigned row) const;

protected:
    virtual QSize MeasureCell(TCanvas& canvas, unsigned col, unsigned row);
    // Draws the cell's edges along the frame rectangle (the cell grown by the margins).
    virtual void DrawCellFrame(TCanvas& canvas, const QRect& frame, unsigned col,
                               unsigned row) const;
    virtual void DrawCell(TCanvas& canvas, const QRect& cell, unsigned col, unsigned row) const;

private:
    std::vector<TCell> cells_;
    std::vector<int> columnWidths_;
    std::vector<int> rowHeights_;
    int rows_;
    int columns_;
};
