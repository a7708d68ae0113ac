// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The focus mark seen from a classroom's back row: two pixels wide, solid, in a colour that
// stands out from the page.
#include "FocusMarkStyle.h"
#include "WidgetColour.h"

#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <gtest/gtest.h>

TEST(FocusMarkStyle, TheFocusedControlIsFramedTwoPixelsWideInAColourThatStandsOut) {
    FocusMarkStyle style(QStyleFactory::create("Fusion"));
    QPalette page = style.standardPalette();
    page.setColor(QPalette::Window, QColor(213, 230, 227));
    page.setColor(QPalette::WindowText, Qt::black);
    const QColor shown = page.color(QPalette::WindowText);
    EXPECT_GE(ContrastRatio(shown, page.color(QPalette::Window)), 3.0);
    const auto drawn = [&](bool focused, auto draw) {
        QImage image(60, 24, QImage::Format_RGB32);
        image.fill(page.color(QPalette::Window));
        QPainter p(&image);
        draw(p, focused);
        return image;
    };
    const auto slider = [&](QPainter& p, bool focused) {
        QStyleOptionSlider option;
        option.rect = QRect(0, 0, 60, 24);
        option.palette = page;
        option.orientation = Qt::Horizontal;
        option.maximum = 10;
        option.state = QStyle::State_Enabled | (focused ? QStyle::State_HasFocus : QStyle::State_None);
        style.drawComplexControl(QStyle::CC_Slider, &option, &p);
    };
    const auto focusRect = [&](QPainter& p, bool) {
        QStyleOptionFocusRect option;
        option.rect = QRect(0, 0, 60, 24);
        option.palette = page;
        option.state = QStyle::State_Enabled | QStyle::State_HasFocus;
        style.drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p);
    };
    for (const QImage& image : {drawn(true, slider), drawn(true, focusRect)})
        for (const QPoint at : {QPoint(0, 12), QPoint(1, 12), QPoint(30, 0), QPoint(30, 1),
                                QPoint(59, 12), QPoint(58, 12), QPoint(30, 23), QPoint(30, 22)})
            EXPECT_EQ(image.pixelColor(at), shown) << at.x() << "," << at.y();
    EXPECT_NE(drawn(false, slider).pixelColor(1, 12), shown) << "only with the focus";
}
