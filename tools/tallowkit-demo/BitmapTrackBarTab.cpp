// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Bitmap track bars: horizontal and vertical, with ticks, a selection and a disabled one.

#include "SkinArtwork.h"
#include "SkinnedPage.h"
#include "oBitmapTrackBar.h"

#include <QLabel>
#include <QWidget>

namespace {

struct BarLayout {
    TTrackBarOrientation orientation;
    QRect bounds;
    int max;
    int frequency;
    TTickStyle style;
    TTickMark marks;
    int selStart, selEnd;
    int position;
};

oBitmapTrackBar* makeBar(QWidget* page, const BarLayout& layout) {
    auto* bar = new oBitmapTrackBar(page);
    bar->SetOrientation(layout.orientation);
    bar->SetMax(layout.max);
    bar->SetFrequency(layout.frequency);
    bar->SetTickStyle(layout.style);
    bar->SetTickMarks(layout.marks);
    bar->SetSelStart(layout.selStart);
    bar->SetSelEnd(layout.selEnd);
    bar->SetPosition(layout.position);
    bar->setGeometry(layout.bounds);
    // The pictures are painted for the bar's own channel, so they go on last.
    bar->SetPictureBar(skinart::TrackBarPicture(*bar, false));
    bar->SetPictureDisabled(skinart::TrackBarPicture(*bar, true));
    bar->SetPictureThumb(skinart::TrackBarThumb(bar->ThumbRect().size()));
    return bar;
}

// A value readout beside a bar that follows it.
void addReadout(QWidget* page, oBitmapTrackBar* bar, QRect area) {
    auto* readout = new QLabel(page);
    readout->setGeometry(area);
    auto show = [readout](int value) { readout->setText(QString("Position %1").arg(value)); };
    show(bar->Position());
    QObject::connect(bar, &QSlider::valueChanged, readout, show);
}

} // namespace

QWidget* MakeBitmapTrackBarTab(QWidget* parent) {
    QWidget* page = skinpage::MakePage(parent);
    skinpage::AddHeading(page, "Bitmap track bars");
    skinpage::AddNote(page,
                      "Track bars painted from three pictures: the bar, the disabled bar and the "
                      "thumb. Ticks and the selection range are drawn over them where the "
                      "style's slider geometry puts them, so the thumb sits where the mouse "
                      "takes it.");

    skinpage::AddCaption(page, "Ticks below, every 2", QRect(20, 100, 320, 18));
    oBitmapTrackBar* first = makeBar(
        page, {trHorizontal, QRect(20, 122, 320, 40), 20, 2, tsAuto, tmBottomRight, 0, 0, 6});
    addReadout(page, first, QRect(350, 132, 100, 20));

    skinpage::AddCaption(page, "Selection 5 to 14, ticks every 5 on both sides",
                         QRect(20, 186, 320, 18));
    oBitmapTrackBar* second =
        makeBar(page, {trHorizontal, QRect(20, 208, 320, 52), 20, 5, tsAuto, tmBoth, 5, 14, 9});
    addReadout(page, second, QRect(350, 224, 100, 20));

    skinpage::AddCaption(page,
                         "Disabled: its own picture and no thumb; manual ticks show only "
                         "the ends",
                         QRect(20, 284, 320, 34));
    oBitmapTrackBar* third = makeBar(
        page, {trHorizontal, QRect(20, 322, 320, 40), 20, 1, tsManual, tmBottomRight, 0, 0, 12});
    third->setEnabled(false);

    skinpage::AddCaption(page, "Vertical: minimum at the top", QRect(480, 100, 220, 18));
    makeBar(page, {trVertical, QRect(490, 124, 48, 300), 10, 1, tsAuto, tmBottomRight, 0, 0, 3});
    makeBar(page, {trVertical, QRect(590, 124, 56, 300), 10, 1, tsAuto, tmBoth, 2, 6, 4});
    skinpage::AddCaption(page, "ticks right", QRect(480, 430, 80, 18));
    skinpage::AddCaption(page, "both sides, selection 2 to 6", QRect(570, 430, 130, 34));
    return page;
}
