// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/PrintedTable.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>
#include <vector>

namespace {

QString HeaderText(const QTableWidgetItem* item) { return item ? item->text() : QString(); }

} // namespace

double DrawTable(QPainter& p, QPointF at, double width, const QTableWidget& table) {
    const int rows = table.rowCount(), columns = table.columnCount();
    // Column 0 holds the row headers; column c + 1 the table's column c.
    std::vector<std::vector<QString>> cells(rows + 1, std::vector<QString>(columns + 1));
    for (int c = 0; c < columns; ++c)
        cells[0][c + 1] = HeaderText(table.horizontalHeaderItem(c));
    for (int r = 0; r < rows; ++r) {
        cells[r + 1][0] = HeaderText(table.verticalHeaderItem(r));
        for (int c = 0; c < columns; ++c)
            cells[r + 1][c + 1] = HeaderText(table.item(r, c));
    }
    const QFont font = p.font();
    const auto widthsIn = [&cells, columns](const QFontMetricsF& metrics) {
        std::vector<double> widths(columns + 1, 0.0);
        for (const std::vector<QString>& row : cells)
            for (int c = 0; c <= columns; ++c)
                widths[c] = std::max(widths[c], metrics.horizontalAdvance(row[c]));
        return widths;
    };
    const auto total = [columns](const std::vector<double>& widths, double gap) {
        double sum = gap * columns;
        for (double w : widths)
            sum += w;
        return sum;
    };
    QFontMetricsF metrics(font, p.device());
    std::vector<double> widths = widthsIn(metrics);
    double gap = metrics.horizontalAdvance("  ");
    // A table wider than the room is set smaller, every value kept whole.
    if (const double natural = total(widths, gap); natural > width && font.pixelSize() > 0) {
        QFont smaller = font;
        smaller.setPixelSize(std::max(1, int(font.pixelSize() * width / natural)));
        p.setFont(smaller);
        metrics = QFontMetricsF(smaller, p.device());
        widths = widthsIn(metrics);
        gap = metrics.horizontalAdvance("  ");
    }
    const double line = metrics.height() * 1.3;
    double y = at.y();
    for (int r = 0; r <= rows; ++r) {
        double x = at.x();
        for (int c = 0; c <= columns; ++c) {
            p.drawText(QPointF(x, y + metrics.ascent()), cells[r][c]);
            x += widths[c] + gap;
        }
        y += line;
        if (r == 0)
            p.drawLine(QPointF(at.x(), y - line * 0.15), QPointF(x - gap, y - line * 0.15));
    }
    p.setFont(font);
    return y - at.y();
}
