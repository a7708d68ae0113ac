// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Paper.h"
#include "TBitmap.h"
#include "oFraction.h"
#include "oTable.h"
#include "textport.h"

#include <gtest/gtest.h>
#include <map>
#include <utility>

namespace {

// Cells measure 8 x 16 pixels per character, as digits of a small font would; each drawn
// cell records where its text starts.
template <class Table> class KnownMetrics : public Table {
public:
    using Table::Table;
    std::map<std::pair<unsigned, unsigned>, QPoint> origins;

protected:
    QSize MeasureCell(TCanvas&, unsigned col, unsigned row) override {
        const auto chars = int(this->Cell(col, row).Text.size());
        return chars == 0 ? QSize(0, 0) : QSize(8 * chars, 16);
    }
    void DrawCell(TCanvas& canvas, const QRect& cell, unsigned col, unsigned row) const override {
        const_cast<KnownMetrics*>(this)->origins[{col, row}] = this->TextOrigin(cell, col, row);
        Table::DrawCell(canvas, cell, col, row);
    }
};

bool Ink(const TBitmap& bitmap, int x, int y) { return bitmap.Pixel(x, y) != clWhite; }

} // namespace

TEST(Fraction, MeasuresAndDrawsNumeratorOverBar) {
    KnownMetrics<oFraction> half("1", "2");
    TBitmap bitmap = Paper(16, 40);
    half.Measure(bitmap.Canvas());
    EXPECT_EQ(half.Width(), 10);
    EXPECT_EQ(half.Height(), 32);
    EXPECT_DOUBLE_EQ(half.DescentRatio, 1.0 / 3.0);

    half.Draw(bitmap.Canvas(), QRect(0, 0, half.Width(), half.Height()));
    EXPECT_EQ((half.origins[{0, 0}]), QPoint(1, 0));
    EXPECT_EQ((half.origins[{0, 1}]), QPoint(1, 16));
    for (int x = 0; x <= 9; ++x)
        EXPECT_TRUE(Ink(bitmap, x, 16)) << "bar at x = " << x;
    EXPECT_FALSE(Ink(bitmap, 10, 16)) << "the bar stops at x = 9";
    // Only the bar: no edges round the numerator or the denominator.
    EXPECT_FALSE(Ink(bitmap, 0, 8));
    EXPECT_FALSE(Ink(bitmap, 0, 24));
    EXPECT_FALSE(Ink(bitmap, 0, 32));
    EXPECT_FALSE(Ink(bitmap, 0, 15));
    EXPECT_FALSE(Ink(bitmap, 0, 17));
}

TEST(Fraction, CentresTheShorterTextAndTakesNewText) {
    KnownMetrics<oFraction> f("1", "22");
    f.SetText(0, "333");
    TBitmap bitmap = Paper(40, 40);
    f.Measure(bitmap.Canvas());
    EXPECT_EQ(f.Width(), 26);
    f.Draw(bitmap.Canvas(), QRect(2, 3, f.Width(), f.Height()));
    EXPECT_EQ((f.origins[{0, 0}]), QPoint(3, 3));
    EXPECT_EQ((f.origins[{0, 1}]), QPoint(3 + 4, 19));
}

TEST(Table, ZeroSizeCellsDrawACompleteGrid) {
    KnownMetrics<oTable> grid(2, 2);
    TBitmap bitmap = Paper(12, 12);
    grid.Measure(bitmap.Canvas());
    EXPECT_EQ(grid.Width(), 8);
    EXPECT_EQ(grid.Height(), 8);
    EXPECT_EQ(grid.Cell(0, 0).Edges, 3);
    EXPECT_EQ(grid.Cell(1, 0).Edges, 15);
    EXPECT_EQ(grid.Cell(0, 1).Edges, 15);

    grid.Draw(bitmap.Canvas(), QRect(0, 0, 8, 8));
    for (int line : {0, 4, 8}) {
        for (int along = 0; along <= 8; ++along) {
            EXPECT_TRUE(Ink(bitmap, line, along)) << "vertical line x = " << line << ", y = " << along;
            EXPECT_TRUE(Ink(bitmap, along, line)) << "horizontal line y = " << line << ", x = " << along;
        }
    }
    for (QPoint inside : {QPoint(2, 2), QPoint(6, 2), QPoint(2, 6), QPoint(6, 6), QPoint(9, 9)})
        EXPECT_FALSE(Ink(bitmap, inside.x(), inside.y())) << inside.x() << ", " << inside.y();
}

TEST(Table, ColumnsAndRowsTakeTheirLargestCellAndAlignTheText) {
    KnownMetrics<oTable> table(2, 2);
    table.Cell(0, 0).Text = "a";
    table.Cell(0, 1).Text = "abcd";
    table.Cell(1, 0).Text = "ab";
    table.Cell(0, 0).Align = oTable::Right;
    table.Cell(1, 1).Align = oTable::Centre;
    TBitmap bitmap = Paper(80, 60);
    table.Measure(bitmap.Canvas());
    // Columns 32 and 16 wide, rows 16 each, margins 2.
    EXPECT_EQ(table.Width(), 32 + 16 + 8);
    EXPECT_EQ(table.Height(), 32 + 8);
    table.Draw(bitmap.Canvas(), QRect(0, 0, table.Width(), table.Height()));
    EXPECT_EQ((table.origins[{0, 0}]), QPoint(2 + 32 - 8, 2));
    EXPECT_EQ((table.origins[{0, 1}]), QPoint(2, 22));
    EXPECT_EQ((table.origins[{1, 0}]), QPoint(38, 2));
    EXPECT_EQ((table.origins[{1, 1}]), QPoint(38 + 8, 22));
}

TEST(Table, MeasuresCellsInTheCanvasFont) {
    oTable table(1, 1);
    table.Cell(0, 0).Text = "Mass";
    TBitmap bitmap = Paper(100, 40);
    bitmap.Canvas().Font = TFont("Arial", -16);
    table.Measure(bitmap.Canvas());
    const QSize text = bitmap.Canvas().TextExtent("Mass");
    EXPECT_EQ(table.Width(), text.width() + 4);
    EXPECT_EQ(table.Height(), text.height() + 4);
}

TEST(Table, TextStaysInsideItsCellsWhateverAlignmentTheCanvasWasLeftWith) {
    oTable table(2, 1);
    table.Cell(0, 0).Text = "Mg";
    table.Cell(1, 0).Text = "yj";
    struct Case {
        const char* name;
        // Draws the table on a white bitmap; returns where it went.
        QRect (*draw)(TBitmap&, oTable&);
    };
    const Case cases[] = {
        {"on a canvas left with baseline alignment",
         [](TBitmap& bitmap, oTable& t) {
             TCanvas& canvas = bitmap.Canvas();
             canvas.Font = TFont("Arial", -20);
             canvas.TextAlign = TA_BASELINE | TA_LEFT;
             t.Measure(canvas);
             const QRect at(10, 30, t.Width(), t.Height());
             t.Draw(canvas, at);
             return at;
         }},
        {"inside a text port",
         [](TBitmap& bitmap, oTable& t) {
             oTextPort port(&bitmap.Canvas(), oRect(10, 30, 200, 100));
             port.Stream() << size(-20) << t << std::flush;
             // Alone on its line, the table's top is the line's top.
             return QRect(10, 30, t.Width(), t.Height());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap bitmap = Paper(200, 120);
        const QRect at = c.draw(bitmap, table);
        ASSERT_GT(table.Height(), 20);
        int inside = 0;
        for (int y = 0; y < bitmap.Height(); ++y) {
            for (int x = 0; x < bitmap.Width(); ++x) {
                if (!Ink(bitmap, x, y))
                    continue;
                // The grid's right and bottom lines run just outside the measured size.
                ASSERT_TRUE(at.adjusted(0, 0, 1, 1).contains(x, y)) << "ink at " << x << ", " << y;
                inside += at.adjusted(2, 2, -2, -2).contains(x, y);
            }
        }
        EXPECT_GT(inside, 40) << "the letters are drawn within the cells";
    }
}

TEST(TableDeathTest, RefusesATableWithoutRowsOrColumns) {
    EXPECT_DEATH(oTable(0, 2), "columns > 0 && rows > 0");
    EXPECT_DEATH(oTable(3, 0), "columns > 0 && rows > 0");
}
