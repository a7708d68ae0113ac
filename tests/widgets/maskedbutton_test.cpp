// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DialogRecorder.h"
#include "MaskedButton.h"
#include "TForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int side = 40;

QColor shade(int i) { return QColor(QColor::fromHsv((i * 29) % 360, 200, 80 + 12 * i).rgb()); }

// A list of `count` discs of distinct colours on a transparent square. The corners differ:
// only the bottom-left one, which gives the transparent colour, is transparent.
std::unique_ptr<TMskBtnImgLst> discs(unsigned allowed, int count) {
    auto list = std::make_unique<TMskBtnImgLst>();
    list->SetAllowedSet(allowed);
    list->SetSize(side, side);
    for (int i = 0; i < count; ++i) {
        QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setPen(Qt::NoPen);
        p.setBrush(shade(i));
        p.drawEllipse(QRectF(0, 0, side, side));
        p.end();
        img.setPixel(0, 0, qRgb(200, 0, 0));
        img.setPixel(side - 1, 0, qRgb(0, 200, 0));
        img.setPixel(side - 1, side - 1, qRgb(0, 0, 200));
        list->Add(img);
    }
    return list;
}

// A list of opaque red squares.
std::unique_ptr<TMskBtnImgLst> squares(int count) {
    auto list = std::make_unique<TMskBtnImgLst>();
    list->SetSize(side, side);
    QImage opaque(side, side, QImage::Format_RGB32);
    opaque.fill(Qt::red);
    for (int i = 0; i < count; ++i)
        list->Add(opaque);
    return list;
}

// A mask, black where the image is opaque, with `black` filled black on white.
QImage maskOf(QRect black) {
    QImage mask(side, side, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter(&mask).fillRect(black, Qt::black);
    return mask;
}

constexpr unsigned allFive = asPushed | asFocused | asChecked | asRolled | asDisabled;

QColor centre(QWidget& w) { return w.grab().toImage().pixelColor(side / 2, side / 2); }

// A shown window holding the widgets under test, active so that its shortcuts work.
struct Window {
    TForm form;
    Window() {
        form.resize(200, 120);
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

} // namespace

TEST(MskBtnImgLstTable, PushedOnlyHasTwoImagesAndIgnoresHovering) {
    TMskBtnImgLst list;
    EXPECT_EQ(list.AllowedStates(), unsigned(asPushed));
    EXPECT_EQ(list.Width(), 32);
    EXPECT_EQ(list.ImageType(0), imNormal);
    EXPECT_EQ(list.ImageType(1), imPushed);
    EXPECT_EQ(list.ImageType(2), imNone);
    for (int c = 0; c < TMskBtnImgLst::Combinations; ++c)
        EXPECT_EQ(list.StateImage(c), c == 0 ? 0 : c == 4 ? 1 : -1) << "combination " << c;
    EXPECT_EQ(list.ImageIndex(true, true, false, true, false), 0) << "rolled, focused, checked";
    EXPECT_EQ(list.ImageIndex(false, false, true, false, false), 1);
    EXPECT_EQ(list.ImageIndex(false, false, true, false, true), 0) << "disabled hides pushed";
}

TEST(MskBtnImgLstTable, AllFiveStatesGiveTwelveImagesInOrder) {
    TMskBtnImgLst list;
    list.SetAllowedSet(allFive);
    const MBImageType roles[] = {imNormal,        imRolled,         imFocusedNormal,
                                 imFocusedRolled, imPushed,         imChecked,
                                 imCheckedRolled, imCheckedFocused, imCheckedFocusedRolled,
                                 imCheckedPushed, imDisabled,       imCheckedDisabled};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(list.ImageType(i), roles[i]) << "image " << i;
    EXPECT_EQ(list.StateImage(24), 11);
    EXPECT_EQ(list.StateImage(5), -1) << "pushed never combines with rolled";
    EXPECT_EQ(list.ImageIndex(true, true, false, true, false), 8);
    EXPECT_EQ(list.ImageIndex(true, true, true, false, false), 4) << "pushed hides the rest";
    EXPECT_EQ(list.ImageIndex(true, true, true, true, true), 11) << "checked and disabled";
    EXPECT_EQ(list.ImageIndex(false, false, true, false, true), 10);
}

TEST(MskBtnImgLstTable, PartialSetsCountOnlyTheirImagesAndRolesAreReadOnly) {
    DialogRecorder dialogs;
    TMskBtnImgLst list;
    list.SetAllowedSet(asChecked | asDisabled);
    EXPECT_EQ(list.ImageType(1), imChecked);
    EXPECT_EQ(list.ImageType(2), imDisabled);
    EXPECT_EQ(list.ImageType(3), imCheckedDisabled);
    EXPECT_EQ(list.ImageType(4), imNone);
    EXPECT_EQ(list.ImageIndex(true, true, true, true, false), 1);
    list.SetImageType(0, imRolled);
    EXPECT_EQ(list.ImageType(0), imNormal);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "This property can not be modified.\n");
}

TEST(MaskedButtonState, ImagesFollowTheStateAndAMissingImageKeepsTheLast) {
    auto list = discs(allFive, 12);
    TMaskedButton button;
    button.SetMasked(true);
    button.SetButtonImages(list.get());
    EXPECT_EQ(button.size(), QSize(side, side));
    EXPECT_EQ(button.ActiveImage(), 0);
    button.SetChecked(true);
    EXPECT_EQ(button.ActiveImage(), 5);
    button.SetChecked(false);
    button.SetPushed(true);
    button.setEnabled(false);
    EXPECT_EQ(button.ActiveImage(), 10) << "disabled wins over pushed";
    EXPECT_EQ(centre(button), shade(10));

    auto three = discs(allFive, 3);
    TMaskedButton partial;
    partial.SetButtonImages(three.get());
    partial.SetRolled(true);
    EXPECT_EQ(partial.ActiveImage(), 1);
    partial.SetChecked(true);
    EXPECT_EQ(partial.ActiveImage(), 1) << "no image for checked and rolled";
}

TEST(MaskedButtonState, LeavingClearsRolledAndPushed) {
    auto list = discs(allFive, 12);
    TMaskedButton button;
    button.SetButtonImages(list.get());
    button.SetRolled(true);
    EXPECT_EQ(button.ActiveImage(), 1);
    button.SetPushed(true);
    EXPECT_EQ(button.ActiveImage(), 4);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.Rolled());
    EXPECT_FALSE(button.Pushed());
    EXPECT_EQ(button.ActiveImage(), 0);
}

TEST(MaskedButtonState, AFocusChangeShowsTheFocusedImage) {
    Window w;
    auto list = discs(allFive, 12);
    TMaskedButton button(&w.form), other(&w.form);
    button.SetButtonImages(list.get());
    other.SetButtonImages(list.get());
    other.move(50, 0);
    button.show();
    other.show();
    button.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button.hasFocus());
    EXPECT_EQ(button.ActiveImage(), 2);
    EXPECT_EQ(centre(button), shade(2));
    other.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(other.hasFocus());
    EXPECT_EQ(button.ActiveImage(), 0);
    EXPECT_EQ(other.ActiveImage(), 2);
}

TEST(MaskedButtonState, SizeFollowsTheImagesAndAListChangeReachesTheButton) {
    auto list = discs(asPushed, 0);
    TMaskedButton button;
    EXPECT_EQ(button.size(), QSize(100, 100));
    button.SetButtonImages(list.get());
    EXPECT_EQ(button.ActiveImage(), -1);
    button.resize(70, 70);
    EXPECT_EQ(button.size(), QSize(side, side));
    QImage face(side, side, QImage::Format_RGB32);
    face.fill(Qt::red);
    list->Add(face);
    EXPECT_EQ(button.ActiveImage(), 0);
    EXPECT_EQ(centre(button), QColor(Qt::red));
}

TEST(MaskedButtonMouse, OnlyTheOpaquePartClicks) {
    Window w;
    auto list = discs(asPushed, 2);
    TMaskedButton button(&w.form);
    button.SetMasked(true);
    button.SetButtonImages(list.get());
    button.move(20, 20);
    button.show();
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    EXPECT_FALSE(button.IsMouseOnButton(1, 1));
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button.hasFocus()) << "a press on a transparent corner takes no focus";
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(side / 2, side / 2));
    EXPECT_TRUE(button.Pushed());
    EXPECT_EQ(button.ActiveImage(), 1);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(side / 2, side / 2));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.Pushed());
    EXPECT_TRUE(button.hasFocus());
    // Dragged off before the release: no click.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(side / 2, side / 2));
    QTest::mouseMove(&button, QPoint(1, 1));
    EXPECT_FALSE(button.Pushed());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(clicks, 1);
}

TEST(MaskedButtonMouse, TransparentPartsShowTheParent) {
    Window w;
    w.form.SetColor(clLime);
    auto list = discs(asPushed, 2);
    TMaskedButton button(&w.form);
    button.SetButtonImages(list.get());
    button.move(20, 20);
    button.show();
    QImage shot = w.form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(21, 21), QColor(0, 0, 0)) << "unmasked, the whole square shows";
    button.SetMasked(true);
    shot = w.form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(21, 21), QColor(Qt::green));
    EXPECT_EQ(shot.pixelColor(20 + side / 2, 20 + side / 2), shade(0));
}

TEST(MaskedButtonMouse, TheBottomLeftPixelGivesTheTransparentColour) {
    auto list = discs(asPushed, 2);
    TMaskedButton button;
    button.SetButtonImages(list.get());
    button.SetMasked(true);
    EXPECT_FALSE(button.IsMouseOnButton(0, side - 1));
    EXPECT_FALSE(button.IsMouseOnButton(1, 1)) << "every pixel of that colour";
    EXPECT_TRUE(button.IsMouseOnButton(0, 0)) << "the other corners keep their colours";
    EXPECT_TRUE(button.IsMouseOnButton(side - 1, 0));
    EXPECT_TRUE(button.IsMouseOnButton(side - 1, side - 1));
    EXPECT_TRUE(button.IsMouseOnButton(side / 2, side / 2));
}

TEST(MaskedButtonMouse, WithoutImagesABlackFrameThatClicksEverywhere) {
    Window w;
    TMaskedButton button(&w.form);
    button.resize(30, 30);
    button.show();
    const QImage shot = button.grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(29, 15), QColor(Qt::black));
    EXPECT_NE(shot.pixelColor(15, 15), QColor(Qt::black));
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(clicks, 1);
}

TEST(MaskedButtonKeys, EnterSpaceDefaultCancelAndTheModalResult) {
    Window w;
    auto list = discs(asPushed, 2);
    auto* edit = new QLineEdit(&w.form);
    edit->move(100, 0);
    edit->show();
    TMaskedButton ok(&w.form), cancel(&w.form);
    ok.SetButtonImages(list.get());
    cancel.SetButtonImages(list.get());
    cancel.move(50, 0);
    ok.ModalResult = mr_Ok;
    cancel.ModalResult = mr_Cancel;
    ok.SetDefault(true);
    cancel.SetCancel(true);
    ok.show();
    cancel.show();
    int okClicks = 0, cancelClicks = 0;
    ok.OnClick = [&] { ++okClicks; };
    cancel.OnClick = [&] { ++cancelClicks; };

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(okClicks, 1) << "Enter clicks the default button";
    EXPECT_EQ(w.form.ModalResult(), mr_Ok);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(cancelClicks, 1) << "Esc clicks the cancel button";
    EXPECT_EQ(w.form.ModalResult(), mr_Cancel);

    cancel.setFocus();
    QTest::keyClick(&cancel, Qt::Key_Return);
    QTest::keyClick(&cancel, Qt::Key_Space);
    EXPECT_EQ(cancelClicks, 3) << "the focused button takes Enter and Space";
    EXPECT_EQ(okClicks, 1);
}

TEST(MaskedButtonLifetime, ListsAndButtonsLetGoOfEachOther) {
    auto images = discs(asPushed, 2);
    auto masks = std::make_unique<TMskBtnImgLst>();
    {
        TMaskedButton gone;
        gone.SetButtonImages(images.get());
        EXPECT_EQ(images->LinkedButtons().size(), 1u);
    }
    EXPECT_TRUE(images->LinkedButtons().empty()) << "a destroyed button unlinks itself";

    TMaskedButton button;
    button.SetButtonImages(images.get());
    button.SetButtonMasks(images.get());
    auto other = discs(asPushed, 2);
    button.SetButtonImages(other.get());
    EXPECT_EQ(images->LinkedButtons().size(), 1u) << "still linked as the masks";
    images.reset();
    EXPECT_EQ(button.Masks(), nullptr);
    EXPECT_EQ(button.Images(), other.get());

    button.SetMasked(true);
    EXPECT_FALSE(button.IsMouseOnButton(1, 1));
    other.reset();
    EXPECT_EQ(button.Images(), nullptr);
    EXPECT_EQ(button.ActiveImage(), -1);
    EXPECT_TRUE(button.IsMouseOnButton(1, 1)) << "without images the button answers everywhere";
}

TEST(MaskedButtonMasks, OneMaskServesEveryImage) {
    auto images = squares(2);
    TMskBtnImgLst masks;
    masks.SetSize(side, side);
    masks.Add(maskOf(QRect(0, 0, side / 2, side)));
    TMaskedButton button;
    button.SetButtonImages(images.get());
    button.SetButtonMasks(&masks);
    EXPECT_TRUE(button.IsMouseOnButton(side - 1, 0)) << "masks count only while Masked";
    button.SetMasked(true);
    EXPECT_TRUE(button.IsMouseOnButton(1, 1));
    EXPECT_FALSE(button.IsMouseOnButton(side - 1, 1));
    button.SetPushed(true);
    EXPECT_FALSE(button.IsMouseOnButton(side - 1, 1));
}

TEST(MaskedButtonMasks, EachImageTakesItsOwnMask) {
    auto images = squares(2);
    TMskBtnImgLst masks;
    masks.SetSize(side, side);
    masks.Add(maskOf(QRect(0, 0, side / 2, side)));
    masks.Add(maskOf(QRect(0, 0, side, side / 2)));
    TMaskedButton button;
    button.SetButtonImages(images.get());
    button.SetButtonMasks(&masks);
    button.SetMasked(true);
    EXPECT_TRUE(button.IsMouseOnButton(1, side - 2)) << "the normal image: its left half";
    EXPECT_FALSE(button.IsMouseOnButton(side - 2, 1));
    button.SetPushed(true);
    EXPECT_TRUE(button.IsMouseOnButton(side - 2, 1)) << "the pushed image: its top half";
    EXPECT_FALSE(button.IsMouseOnButton(1, side - 2));
}
