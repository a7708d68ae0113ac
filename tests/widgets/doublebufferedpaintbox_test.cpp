// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Designing.h"
#include "TLabel.h"
#include "oDoubleBufferedPaintBox.h"

#include <QButtonGroup>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A non-windowed control that fills itself with one colour.
class Swatch : public TGraphicControl {
public:
    Swatch(QWidget* parent, QRect bounds, TColor colour)
        : TGraphicControl(parent), colour_(colour) {
        setGeometry(bounds);
    }

protected:
    void Paint() override {
        Canvas().Brush.Color = colour_;
        Canvas().FillRect(rect());
    }

private:
    TColor colour_;
};

void fill(TBitmap& bmp, TColor colour) {
    bmp.Canvas().Brush.Color = colour;
    bmp.Canvas().FillRect(QRect(0, 0, bmp.Width(), bmp.Height()));
}

} // namespace

TEST(DoubleBufferedPaintBoxSize, AResizeRefitsTheBufferDropsTheSnapshotAndTellsOnce) {
    oDoubleBufferedPaintBox box;
    ASSERT_NE(box.Buffer(), nullptr);
    EXPECT_EQ(box.size(), QSize(100, 100));
    EXPECT_EQ(box.Buffer()->Width(), 100);
    box.Save();
    int told = 0;
    box.OnResize = [&](oDoubleBufferedPaintBox* sender) {
        EXPECT_EQ(sender, &box);
        ++told;
    };
    box.SetBounds(0, 0, 200, 50);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(box.Buffer()->Width(), 200);
    EXPECT_EQ(box.Buffer()->Height(), 50);
    EXPECT_EQ(box.Saved(), nullptr);
    box.Save();
    box.SetBounds(0, 0, 200, 50);
    box.SetBounds(30, 40, 200, 50);
    EXPECT_EQ(told, 1) << "the same size or a move tells nothing";
    EXPECT_NE(box.Saved(), nullptr) << "and keeps the snapshot";
}

TEST(DoubleBufferedPaintBoxSize, AShownBoxResizedWithoutSetBoundsRefitsToo) {
    QWidget parent;
    oDoubleBufferedPaintBox box(&parent);
    parent.show();
    int told = 0;
    box.OnResize = [&](oDoubleBufferedPaintBox*) { ++told; };
    box.resize(120, 50);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(box.Buffer()->Width(), 120);
}

TEST(DoubleBufferedPaintBoxSnapshot, ReloadRestoresTheSnapshotAndDoesNothingWithoutOne) {
    oDoubleBufferedPaintBox box;
    fill(*box.Buffer(), clNavy);
    box.ReloadSaved();
    EXPECT_EQ(box.Buffer()->Pixel(50, 50), clNavy);
    box.Save();
    fill(*box.Buffer(), clRed);
    box.ReloadSaved();
    EXPECT_EQ(box.Buffer()->Pixel(50, 50), clNavy);
    box.DeleteSaved();
    fill(*box.Buffer(), clRed);
    box.ReloadSaved();
    EXPECT_EQ(box.Buffer()->Pixel(50, 50), clRed);
}

TEST(DoubleBufferedPaintBoxSnapshot, ReloadPutsTheSnapshotBackPixelForPixel) {
    oDoubleBufferedPaintBox box;
    TBitmap& buffer = *box.Buffer();
    fill(buffer, clWhite);
    const QPoint corners[] = {{0, 0}, {99, 0}, {0, 99}, {99, 99}};
    for (QPoint c : corners)
        buffer.Canvas().SetPixel(c.x(), c.y(), clMaroon);
    box.Save();
    fill(buffer, clRed);
    box.ReloadSaved();
    for (QPoint c : corners) {
        EXPECT_EQ(buffer.Pixel(c.x(), c.y()), clMaroon) << c.x() << ", " << c.y();
        EXPECT_EQ(buffer.Pixel(c.x() == 0 ? 1 : 98, c.y()), clWhite) << c.x() << ", " << c.y();
    }
}

TEST(DoubleBufferedPaintBoxSiblings, OnlyTheVisibleNonWindowedControlsAboveAreComposited) {
    QWidget parent;
    parent.resize(200, 200);
    Swatch below(&parent, QRect(20, 20, 20, 20), clBlue);
    oDoubleBufferedPaintBox box(&parent);
    box.SetBounds(10, 10, 100, 100);
    fill(*box.Buffer(), clWhite);
    box.PaintSiblings();
    EXPECT_EQ(box.Composite(), nullptr) << "nothing lies above the box";

    Swatch above(&parent, QRect(30, 40, 10, 10), clRed);
    Swatch hidden(&parent, QRect(60, 60, 10, 10), clLime);
    hidden.hide();
    QWidget windowed(&parent);
    windowed.setGeometry(80, 80, 10, 10);
    box.PaintSiblings();
    ASSERT_NE(box.Composite(), nullptr);
    EXPECT_EQ(box.Composite()->Pixel(20, 30), clRed) << "placed in the box's coordinates";
    EXPECT_EQ(box.Composite()->Pixel(29, 39), clRed);
    EXPECT_EQ(box.Composite()->Pixel(30, 40), clWhite);
    EXPECT_EQ(box.Composite()->Pixel(15, 15), clWhite) << "the control below is not painted";
    EXPECT_EQ(box.Composite()->Pixel(55, 55), clWhite);
    EXPECT_EQ(box.Buffer()->Pixel(20, 30), clWhite) << "the buffer stays as drawn";

    const QImage shown = box.grab().toImage();
    EXPECT_EQ(fromQColor(shown.pixelColor(20, 30)), clRed) << "the composite is what shows";
    fill(*box.Buffer(), clYellow);
    box.AutoPaintSiblings = true;
    box.Visualize();
    EXPECT_EQ(box.Composite()->Pixel(50, 50), clYellow);
    EXPECT_EQ(box.Composite()->Pixel(20, 30), clRed);
}

TEST(DoubleBufferedPaintBoxSiblings, ChildrenThatAreNoWidgetsLieNowhere) {
    QWidget parent;
    parent.resize(200, 200);
    oDoubleBufferedPaintBox box(&parent);
    new QTimer(&parent);
    new QButtonGroup(&parent);
    new QShortcut(QKeySequence(Qt::Key_F5), &parent);
    fill(*box.Buffer(), clWhite);
    box.PaintSiblings();
    EXPECT_EQ(box.Composite(), nullptr) << "nothing lies above the box";
    fill(*box.Buffer(), clYellow);
    box.Visualize();
    EXPECT_EQ(fromQColor(box.grab().toImage().pixelColor(50, 50)), clYellow)
        << "what is drawn later shows";
}

TEST(DoubleBufferedPaintBoxSiblings, AControlAboveThatGoesTakesTheCompositeWithIt) {
    QWidget parent;
    parent.resize(200, 200);
    oDoubleBufferedPaintBox box(&parent);
    auto above = std::make_unique<Swatch>(&parent, QRect(10, 10, 20, 20), clRed);
    box.AutoPaintSiblings = true;
    fill(*box.Buffer(), clWhite);
    box.Visualize();
    ASSERT_NE(box.Composite(), nullptr);
    above.reset();
    fill(*box.Buffer(), clYellow);
    box.Visualize();
    EXPECT_EQ(box.Composite(), nullptr);
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(fromQColor(shown.pixelColor(20, 20)), clYellow) << "no trace of the control";
    EXPECT_EQ(fromQColor(shown.pixelColor(50, 50)), clYellow) << "nor of the old buffer";
}

TEST(DoubleBufferedPaintBoxSiblings, ALabelAboveIsWrittenIntoTheComposite) {
    QWidget parent;
    oDoubleBufferedPaintBox box(&parent);
    fill(*box.Buffer(), clWhite);
    TLabel label(&parent);
    label.SetFont(TFont("Arial", -20, clBlack));
    label.SetCaption("MMM");
    label.move(10, 10);
    box.PaintSiblings();
    int ink = 0;
    for (int y = 10; y < 10 + label.height(); ++y)
        for (int x = 10; x < 10 + label.width(); ++x)
            ink += box.Composite()->Pixel(x, y) != clWhite;
    EXPECT_GT(ink, 40);
}

TEST(DoubleBufferedPaintBoxDesign, AFormDesignerGetsTheNameAndAFocusFrame) {
    QWidget form;
    designing::SetDesigning(form, true);
    oDoubleBufferedPaintBox box(&form);
    EXPECT_EQ(box.Buffer(), nullptr);
    box.Save();
    box.ReloadSaved();
    box.PaintSiblings();
    box.SetBounds(0, 0, 180, 60);
    const QImage shot = box.grab().toImage();
    int ink = 0;
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 120; ++x)
            ink += qGray(shot.pixel(x, y)) < 100;
    EXPECT_GT(ink, 60) << "the class name is written at the top left";
    EXPECT_NE(shot.pixel(0, 30), shot.pixel(90, 30)) << "the dotted frame";
}
