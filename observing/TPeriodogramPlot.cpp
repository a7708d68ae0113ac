// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/TPeriodogramPlot.h"

#include "BookText.h"
#include "NumberText.h"
#include "observing/ObservingDrawing.h"

TPeriodogramPlot::TPeriodogramPlot(QWidget* parent) : TObservingPlot(parent) {}

void TPeriodogramPlot::SetPeriodogram(const observing::TPeriodogram& periodogram) {
    periodogram_ = periodogram;
    update();
}

void TPeriodogramPlot::ClearPeriodogram() {
    periodogram_.reset();
    update();
}

void TPeriodogramPlot::SetShowWindow(bool show) {
    showWindow_ = show;
    update();
}

const observing::TPeriodogram* TPeriodogramPlot::Periodogram() const {
    return periodogram_ ? &*periodogram_ : nullptr;
}

const observing::TPeak* TPeriodogramPlot::Peak() const {
    return periodogram_ ? &periodogram_->peak : nullptr;
}

void TPeriodogramPlot::Draw(QPainter& p, const QRectF& area) const {
    observingdrawing::DrawPeriodogram(p, area, {Periodogram(), showWindow_});
}

QString TPeriodogramPlot::Contents() const {
    const observing::TPeak* peak = Peak();
    if (!peak || !peak->found)
        return periodogram_ ? BookText("Observing plots", "No peak: the velocities do not vary.")
                            : QString();
    return BookText("Observing plots", "The highest peak is at a period of %1 days, power %2.")
        .arg(FiguresText(peak->period_days, 5), FiguresText(peak->power, 3));
}
