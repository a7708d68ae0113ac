// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Paper.h"
#include "TBitmap.h"
#include "TForm.h"
#include "oBitBtn.h"
#include "oColourButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {

const TColor stateColours[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0),
                               RGB(0, 200, 200)};

std::unique_ptr<TImageList> solidList(int w, int h, int count) {
    auto list = std::make_unique<TImageList>(w, h);
    for (int i = 0; i < count; ++i) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(toQColor(stateColours[i]));
        list->Add(img);
    }
    return list;
}

// Paints the button through DrawItem onto a white bitmap with the given state bits.
TBitmap paint(oCustomButton& button, unsigned state) {
    TBitmap bmp = Paper(button.width(), button.height());
    TDrawItemStruct item{&bmp.Canvas(), QRect(0, 0, button.width(), button.height()), state};
    button.DrawItem(item);
    return bmp;
}

// Bounding box of the pixels darker than mid-grey, within `area` (default: everywhere).
QRect inkBox(const TBitmap& bmp, QRect area = QRect()) {
    QRect box;
    const QImage& img = bmp.Image();
    if (area.isNull())
        area = img.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (QColor(img.pixel(x, y)).lightness() < 100)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

struct FaceCase {
    const char* name;
    int numGlyphs;
    unsigned state;
    bool checked;
    int expectedImage;
    int shift;
};

TEST(BitBtnFace, StateSelectsImageAndShift) {
    const FaceCase cases[] = {
        {"normal", 4, 0, false, 0, 0},
        {"disabled wins over pressed", 4, ODS_DISABLED | ODS_SELECTED, false, 1, 0},
        {"pressed with four images", 4, ODS_SELECTED, false, 2, 0},
        {"checked with four images", 4, 0, true, 3, 0},
        {"pressed wins over checked", 4, ODS_SELECTED, true, 2, 0},
        {"checked with three images shows pressed", 3, 0, true, 2, 0},
        {"pressed with one image shifts", 1, ODS_SELECTED, false, 0, 1},
        {"checked with two images shifts", 2, 0, true, 0, 1},
        {"pressed with two images shifts the first", 2, ODS_SELECTED, false, 0, 1},
        {"disabled with two images", 2, ODS_DISABLED, false, 1, 0},
        {"disabled with one image", 1, ODS_DISABLED, false, 0, 0},
    };
    auto list = solidList(20, 20, 4);
    for (const FaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        oBitBtn button;
        button.SetImages(list.get());
        button.NumGlyphs = c.numGlyphs;
        button.SetChecked(c.checked);
        const TBitmap bmp = paint(button, c.state);
        EXPECT_EQ(bmp.Pixel(10, 10), stateColours[c.expectedImage]);
        EXPECT_EQ(bmp.Pixel(0, 0), c.shift ? clWhite : stateColours[c.expectedImage]);
    }
}

TEST(BitBtnFace, ImageIndexSelectsTheGroupAndMissingImagesDrawNothing) {
    auto list = solidList(20, 20, 5);
    oBitBtn button;
    button.SetImages(list.get());
    button.ImageIndex = 4;
    EXPECT_EQ(paint(button, 0).Pixel(10, 10), stateColours[4]);
    EXPECT_EQ(paint(button, ODS_DISABLED).Pixel(10, 10), clWhite) << "index 5 is beyond the list";
}

TEST(BitBtnImages, ListSetsGlyphCountAndSize) {
    auto eight = solidList(40, 36, 4);
    for (int i = 0; i < 4; ++i)
        eight->Add(eight->Image(i));
    oBitBtn button;
    button.SetImages(eight.get());
    EXPECT_EQ(button.NumGlyphs, 4);
    EXPECT_EQ(button.size(), QSize(40, 36));
    auto three = solidList(63, 36, 3);
    button.SetImages(three.get());
    EXPECT_EQ(button.NumGlyphs, 3);
    EXPECT_EQ(button.size(), QSize(63, 36));
}

TEST(BitBtnFace, WithoutImagesAOnePixelBlackFrame) {
    oBitBtn button;
    button.resize(20, 20);
    const TBitmap bmp = paint(button, 0);
    EXPECT_EQ(bmp.Pixel(0, 0), clBlack);
    EXPECT_EQ(bmp.Pixel(19, 19), clBlack);
    EXPECT_EQ(bmp.Pixel(10, 10), clWhite);
}

TEST(ButtonCaption, CentredAndMovedWhenPressed) {
    auto white = std::make_unique<TImageList>(100, 40);
    QImage img(100, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int i = 0; i < 4; ++i)
        white->Add(img);
    oBitBtn button;
    button.SetImages(white.get());
    button.SetFont(TFont("Arial", -16, clBlack));
    button.SetCaption("OK");
    const QRect up = inkBox(paint(button, 0));
    ASSERT_FALSE(up.isEmpty());
    EXPECT_NEAR(up.center().x(), 50, 2);
    EXPECT_NEAR(up.center().y(), 20, 3);
    const QRect down = inkBox(paint(button, ODS_SELECTED));
    EXPECT_EQ(down.topLeft(), up.topLeft() + QPoint(1, 1));
    button.SetChecked(true);
    EXPECT_EQ(inkBox(paint(button, 0)).topLeft(), up.topLeft() + QPoint(1, 1));
}

TEST(ButtonCaption, LeadingSpacesPushTheWordsOffANarrowFace) {
    auto white = std::make_unique<TImageList>(40, 36);
    QImage img(40, 36, QImage::Format_RGB32);
    img.fill(Qt::white);
    white->Add(img);
    oBitBtn button;
    button.SetImages(white.get());
    button.SetCaption(std::string(33, ' ') + "back");
    EXPECT_TRUE(inkBox(paint(button, 0)).isEmpty());
    button.SetCaption("back");
    EXPECT_FALSE(inkBox(paint(button, 0)).isEmpty());
}

TEST(ButtonCaption, TakesTheFontOfTheFormItSitsOnUntilGivenItsOwn) {
    auto white = std::make_unique<TImageList>(100, 40);
    QImage img(100, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    white->Add(img);
    TForm form;
    form.SetFont(TFont("Arial", -24, clBlack));
    auto* panel = new QWidget(&form);
    auto* button = new oBitBtn(panel);
    button->SetImages(white.get());
    button->SetCaption("H");
    EXPECT_EQ(button->Font(), form.Font()) << "through a panel between them";
    const int formHeight = inkBox(paint(*button, 0)).height();
    EXPECT_GE(formHeight, 15) << "a 24-pixel H, not the 8-point default";

    form.SetFont(TFont("Arial", -13, clBlack));
    EXPECT_EQ(button->Font().Height, -13) << "it follows the form";
    button->SetFont(TFont("Arial", -32, clBlack));
    form.SetFont(TFont("Arial", -11, clBlack));
    EXPECT_EQ(button->Font().Height, -32) << "a font of its own stays";
    EXPECT_GT(inkBox(paint(*button, 0)).height(), formHeight);
}

TEST(ButtonCaption, CutToSeventyNineCharacters) {
    oBitBtn button;
    button.resize(400, 30);
    button.SetFont(TFont("Arial", -13, clBlack));
    button.SetCaption(std::string(79, ' ') + "X");
    const TBitmap bmp = paint(button, 0);
    const QRect inside(2, 2, 396, 26); // within the black frame
    EXPECT_TRUE(inkBox(bmp, inside).isEmpty()) << "the 80th character is not drawn";
    button.SetCaption(std::string(78, ' ') + "X");
    EXPECT_FALSE(inkBox(paint(button, 0), inside).isEmpty());
}

TEST(ButtonFocus, FrameLiesFocusMarginInsideTheEdge) {
    auto white = std::make_unique<TImageList>(30, 20);
    QImage img(30, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    white->Add(img);
    oBitBtn button;
    button.SetImages(white.get());
    button.FocusMargin = 1;
    const TBitmap bmp = paint(button, ODS_FOCUS);
    EXPECT_EQ(bmp.Pixel(1, 1), clBlack);
    EXPECT_EQ(bmp.Pixel(0, 0), clWhite);
    EXPECT_EQ(bmp.Pixel(28, 17) == clBlack || bmp.Pixel(28, 18) == clBlack, true);
    EXPECT_EQ(bmp.Pixel(10, 10), clWhite);
}

TEST(ButtonWidget, RealPaintFollowsEnabledAndDownStates) {
    auto list = solidList(20, 20, 4);
    oBitBtn button;
    button.SetImages(list.get());
    auto pixel = [&] { return fromQColor(button.grab().toImage().pixelColor(10, 10)); };
    EXPECT_EQ(pixel(), stateColours[0]);
    button.setDown(true);
    EXPECT_EQ(pixel(), stateColours[2]);
    button.setDown(false);
    button.setEnabled(false);
    EXPECT_EQ(pixel(), stateColours[1]);
}

TEST(ColourButton, SwatchInItsColourWithRaisedEdgeAndFocusDotsInFontColour) {
    oColourButton button;
    button.resize(30, 30);
    button.SetColor(RGB(10, 120, 200));
    button.SetFont(TFont("Arial", -11, clBlack));
    TBitmap bmp = paint(button, 0);
    EXPECT_EQ(bmp.Pixel(15, 15), RGB(10, 120, 200));
    EXPECT_NE(bmp.Pixel(0, 0), RGB(10, 120, 200)) << "edge drawn";
    bmp = paint(button, ODS_FOCUS);
    EXPECT_EQ(bmp.Pixel(4, 4), clBlack) << "dot in the font colour";
}

TEST(ButtonWidget, EnterPressesTheFocusedButtonOnce) {
    struct KeyCase {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        int clicks;
    };
    const KeyCase cases[] = {
        {"return", Qt::Key_Return, Qt::NoModifier, false, 1},
        {"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, false, 1},
        {"held return repeats nothing", Qt::Key_Return, Qt::NoModifier, true, 0},
        {"shift return is not a press", Qt::Key_Return, Qt::ShiftModifier, false, 0},
        {"other keys are not a press", Qt::Key_A, Qt::NoModifier, false, 0},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        oBitBtn button;
        int clicks = 0;
        QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString(), c.autoRepeat);
        QApplication::sendEvent(&button, &press);
        EXPECT_EQ(clicks, c.clicks);
    }
}
