// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "StablePaletteStyle.h"

#include <QCommonStyle>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QPixmap>
#include <QSlider>
#include <QStyleOption>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// A base style that notes the cache key of every palette it is asked to draw with.
class RecordingStyle : public QCommonStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        keys.push_back(option->palette.cacheKey());
        QCommonStyle::drawComplexControl(control, option, painter, widget);
    }
    mutable std::vector<qint64> keys;
};

// A slider coloured as the book colours its controls: a palette of its own.
std::unique_ptr<QSlider> colouredSlider(QStyle& style, const QColor& colour) {
    auto slider = std::make_unique<QSlider>(Qt::Horizontal);
    slider->setStyle(&style);
    QPalette p = slider->palette();
    p.setColor(QPalette::Window, colour);
    slider->setPalette(p);
    slider->resize(90, 24);
    return slider;
}

TEST(StablePaletteStyle, SlidersOpenedAgainDrawWithTheSamePaletteKey) {
    auto* recording = new RecordingStyle; // owned by the proxy
    StablePaletteStyle style(recording);
    QPixmap canvas(90, 24);
    for (int opening = 0; opening < 3; ++opening)
        for (const QColor& colour : {QColor(213, 230, 227), QColor(240, 242, 247)})
            colouredSlider(style, colour)->render(&canvas);
    ASSERT_EQ(recording->keys.size(), 6u);
    for (std::size_t i = 2; i < 6; ++i)
        EXPECT_EQ(recording->keys[i], recording->keys[i % 2]) << "drawing " << i;
    EXPECT_NE(recording->keys[0], recording->keys[1]) << "other colours, another palette";
}

TEST(StablePaletteStyle, TheOptionKeepsItsOwnPaletteAndTheKeptPalettesAreBounded) {
    StablePaletteStyle style(new QCommonStyle);
    QStyleOptionSlider option;
    option.palette.setColor(QPalette::Window, Qt::red);
    const qint64 own = option.palette.cacheKey();
    QPixmap canvas(20, 20);
    QPainter painter(&canvas);
    style.drawComplexControl(QStyle::CC_Slider, &option, &painter);
    EXPECT_EQ(option.palette.cacheKey(), own);

    const auto black = [] {
        QPalette p;
        p.setColor(QPalette::Window, QColor(0, 0, 0));
        return p;
    };
    const qint64 firstKey = style.Stable(black()).cacheKey();
    const QPalette again = black();
    ASSERT_NE(again.cacheKey(), firstKey);
    EXPECT_EQ(style.Stable(again).cacheKey(), firstKey);
    for (int i = 1; i <= int(StablePaletteStyle::MaxPalettes); ++i) {
        QPalette p;
        p.setColor(QPalette::Window, QColor(i, 0, 0));
        style.Stable(p);
    }
    EXPECT_EQ(style.Stable(again).cacheKey(), again.cacheKey()) << "the oldest was forgotten";
}

} // namespace

// The darkest and the brightest pixel of a button drawn by `style`, each as the sum of its
// channels: on a light face its text is the darkest, on a dark face the brightest.
std::pair<int, int> ExtremesOfButton(QStyle& style, const QPalette& colours, bool enabled) {
    QPushButton button("Compare with the truth");
    button.setStyle(&style);
    button.setPalette(colours);
    button.setEnabled(enabled);
    button.resize(180, 30);
    QImage image(button.size(), QImage::Format_RGB32);
    button.render(&image);
    int darkest = 3 * 255, brightest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int sum = qRed(pixel) + qGreen(pixel) + qBlue(pixel);
            darkest = std::min(darkest, sum);
            brightest = std::max(brightest, sum);
        }
    return {darkest, brightest};
}

TEST(StablePaletteStyle, ADisabledControlDrawsGreyedInEveryPalette) {
    StablePaletteStyle style(QStyleFactory::create("Fusion"));
    QPalette book = style.standardPalette();
    book.setColor(QPalette::Window, QColor(213, 230, 227));
    QPalette system = style.standardPalette();
    system.setColor(QPalette::Window, Qt::black);
    system.setColor(QPalette::Button, Qt::black);
    system.setColor(QPalette::Active, QPalette::ButtonText, Qt::white);
    system.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::white);
    system.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::gray);
    for (const QPalette& colours : {book, system}) {
        // Enabled first, so that its palette is the one kept when the disabled one comes.
        const auto [enabledDark, enabledBright] = ExtremesOfButton(style, colours, true);
        const auto [disabledDark, disabledBright] = ExtremesOfButton(style, colours, false);
        EXPECT_GT(std::abs(disabledDark - enabledDark) + std::abs(disabledBright - enabledBright),
                  60)
            << enabledDark << " " << disabledDark << " / " << enabledBright << " "
            << disabledBright;
    }
}
