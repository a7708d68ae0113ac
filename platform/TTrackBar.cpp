// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TTrackBar.h"

#include <QStyle>
#include <QStyleOptionSlider>

TTrackBar::TTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, 10);
    setPageStep(2);
    applyTicks();
}

void TTrackBar::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
    setOrientation(orientation == trVertical ? Qt::Vertical : Qt::Horizontal);
    setInvertedAppearance(orientation == trVertical);
    setInvertedControls(orientation == trVertical);
}

TTrackBarOrientation TTrackBar::Orientation() const {
    return orientation() == Qt::Vertical ? trVertical : trHorizontal;
}

void TTrackBar::SetFrequency(int frequency) {
    frequency_ = frequency;
    applyTicks();
}

void TTrackBar::SetTickStyle(TTickStyle style) {
    tickStyle_ = style;
    applyTicks();
}

void TTrackBar::SetTickMarks(TTickMark marks) {
    tickMarks_ = marks;
    applyTicks();
}

void TTrackBar::SetSelStart(int start) {
    selStart_ = start;
    update();
}

void TTrackBar::SetSelEnd(int end) {
    selEnd_ = end;
    update();
}

void TTrackBar::applyTicks() {
    if (tickStyle_ == tsNone) {
        setTickPosition(NoTicks);
    } else {
        setTickPosition(tickMarks_ == tmBoth      ? TicksBothSides
                        : tickMarks_ == tmTopLeft ? TicksAbove
                                                  : TicksBelow);
    }
    // An interval as long as the range leaves only the end ticks.
    setTickInterval(tickStyle_ == tsManual ? std::max(1, maximum() - minimum())
                                           : std::max(1, frequency_));
    update();
}

QRect TTrackBar::ChannelRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
}

QRect TTrackBar::ThumbRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}
