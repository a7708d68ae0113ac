// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A periodogram against period on a logarithmic axis, its highest peak marked and, if asked,
// the window function behind it. Without a periodogram it shows the empty axes' message; a
// message set on it (work in progress) shows instead of the picture.

#include "model/observing/Periodogram.h"
#include "observing/TObservingPlot.h"

#include <optional>

class TPeriodogramPlot : public TObservingPlot {
public:
    explicit TPeriodogramPlot(QWidget* parent = nullptr);

    void SetPeriodogram(const observing::TPeriodogram& periodogram);
    void ClearPeriodogram();
    void SetShowWindow(bool show);

    // The periodogram shown, or none.
    const observing::TPeriodogram* Periodogram() const;
    // The highest peak marked, or none.
    const observing::TPeak* Peak() const;
    bool ShowsWindow() const { return showWindow_; }

protected:
    void Draw(QPainter& p, const QRectF& area) const override;
    QString Contents() const override;

private:
    std::optional<observing::TPeriodogram> periodogram_;
    bool showWindow_ = false;
};
