// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oTable.h"

#include "Precondition.h"
#include "TCanvas.h"

#include <numeric>

oTable::oTable(int columns, int rows) : rows_(rows), columns_(columns) {
    // The sizes are sums over at least one column and one row.
    PRECONDITION(columns > 0 && rows > 0);
    cells_.resize(std::size_t(columns) * std::size_t(rows));
    columnWidths_.assign(std::size_t(columns), 0);
    rowHeights_.assign(std::size_t(rows), 0);
    // Each cell draws its left and top edges; the last column and row close the grid.
    for (int row = 0; row < rows; ++row)
        Cell(unsigned(columns - 1), unsigned(row)).Edges = 15;
    for (int col = 0; col < columns; ++col)
        Cell(unsigned(col), unsigned(rows - 1)).Edges = 15;
}

oTable::TCell& oTable::Cell(unsigned col, unsigned row) {
    PRECONDITION(col < unsigned(columns_) && row < unsigned(rows_));
    return cells_[col + row * unsigned(columns_)];
}

const oTable::TCell& oTable::Cell(unsigned col, unsigned row) const {
    PRECONDITION(col < unsigned(columns_) && row < unsigned(rows_));
    return cells_[col + row * unsigned(columns_)];
}

QSize oTable::MeasureCell(TCanvas& canvas, unsigned col, unsigned row) {
    return canvas.TextExtent(Cell(col, row).Text);
}

void oTable::Measure(TCanvas& canvas) {
    std::fill(columnWidths_.begin(), columnWidths_.end(), 0);
    std::fill(rowHeights_.begin(), rowHeights_.end(), 0);
    for (unsigned row = 0; row < unsigned(rows_); ++row) {
        for (unsigned col = 0; col < unsigned(columns_); ++col) {
            const QSize size = MeasureCell(canvas, col, row);
            TCell& cell = Cell(col, row);
            cell.Width = size.width();
            cell.Height = size.height();
            columnWidths_[col] = std::max(columnWidths_[col], cell.Width);
            rowHeights_[row] = std::max(rowHeights_[row], cell.Height);
        }
    }
    SetWidth(std::accumulate(columnWidths_.begin(), columnWidths_.end(), 0) +
             2 * HorizontalMargin * columns_);
    SetHeight(std::accumulate(rowHeights_.begin(), rowHeights_.end(), 0) +
              2 * VerticalMargin * rows_);
}

void oTable::Draw(TCanvas& canvas, const QRect& r) const {
    canvas.SaveState();
    const unsigned align = canvas.TextAlign;
    canvas.TextAlign = TA_LEFT | TA_TOP;
    int y = r.top() + VerticalMargin;
    for (unsigned row = 0; row < unsigned(rows_); ++row) {
        int x = r.left() + HorizontalMargin;
        for (unsigned col = 0; col < unsigned(columns_); ++col) {
            const QRect cell(x, y, columnWidths_[col], rowHeights_[row]);
            DrawCellFrame(canvas,
                          cell.adjusted(-HorizontalMargin, -VerticalMargin, HorizontalMargin,
                                        VerticalMargin),
                          col, row);
            DrawCell(canvas, cell, col, row);
            x += columnWidths_[col] + 2 * HorizontalMargin;
        }
        y += rowHeights_[row] + 2 * VerticalMargin;
    }
    canvas.TextAlign = align;
    canvas.RestoreState();
}

void oTable::DrawCellFrame(TCanvas& canvas, const QRect& frame, unsigned col,
                           unsigned row) const {
    // Right and bottom are the exclusive edges, where the neighbouring frames begin.
    const int left = frame.left(), top = frame.top();
    const int right = left + frame.width(), bottom = top + frame.height();
    const std::uint8_t edges = Cell(col, row).Edges;
    if (edges & EdgeLeft) {
        canvas.MoveTo(left, bottom);
        canvas.LineTo(left, top);
    }
    if (edges & EdgeTop) {
        canvas.MoveTo(left, top);
        canvas.LineTo(right, top);
    }
    if (edges & EdgeRight) {
        canvas.MoveTo(right, top);
        canvas.LineTo(right, bottom);
    }
    if (edges & EdgeBottom) {
        canvas.MoveTo(right, bottom);
        canvas.LineTo(left, bottom);
    }
    // Lines leave out one end pixel; the corner where the right and bottom edges meet
    // would stay open.
    if ((edges & EdgeRight) && (edges & EdgeBottom) && canvas.Pen.Style != psClear)
        canvas.SetPixel(right, bottom, canvas.Pen.Color);
}

QPoint oTable::TextOrigin(const QRect& cell, unsigned col, unsigned row) const {
    const TCell& c = Cell(col, row);
    switch (c.Align) {
    case Right:
        return QPoint(cell.left() + cell.width() - c.Width, cell.top());
    case Centre:
        return QPoint(cell.left() + (cell.width() - c.Width) / 2, cell.top());
    default:
        return cell.topLeft();
    }
}

void oTable::DrawCell(TCanvas& canvas, const QRect& cell, unsigned col, unsigned row) const {
    const QPoint at = TextOrigin(cell, col, row);
    canvas.TextOut(at.x(), at.y(), Cell(col, row).Text);
}
