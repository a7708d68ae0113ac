// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Drawing of the star's spectrum on any QPainter: the visible band from 380 to 700 nm in
// the colours of its wavelengths with the absorption lines dark on it, and a magnified panel
// around one line or line group, as a strip of spectrum above its flux profile. The band
// draws every line at its true wavelength λ0 (1 + v/c); the panel draws the shift M times
// larger, at λ0 (1 + M v/c), marks each rest wavelength with a dashed line and says "shift
// drawn M× larger" (the lines' widths are not magnified). The panel's axis is numbered in
// the true shift from the first line's rest wavelength, in pm: the magnification is taken
// off, so a line standing over a number is shifted by that much.
//
// The picture splits into what stays while the star moves (DrawStill: frame, band colours,
// scales, labels) and what moves each tick (DrawMoving: the lines, the strip, the profile,
// the shift arrows), so that a view can keep the still part and repaint only the rest.

#include <QRectF>
#include <string>
#include <vector>

class QPainter;

namespace spectrumdrawing {

// What the picture shows.
struct TScene {
    double V_mps = 0.0;         // the star's radial velocity, positive receding
    int Group = 0;              // the magnified line group, an index of MagnifiedGroups()
    double Magnification = 1e5; // how many times larger the panel draws the shift
};

// Where the parts lie in the rectangle the picture fills.
struct TLayout {
    explicit TLayout(const QRectF& area);
    QRectF Area;
    QRectF Band;    // the colour band, 380 to 700 nm across
    QRectF Strip;   // the magnified strip of spectrum
    QRectF Profile; // the magnified flux profile, continuum at the top
};

// The x of a wavelength on the band.
double BandX(const TLayout& layout, double lambda_nm);
// The x of a wavelength on the magnified panel of line group `group`.
double PanelX(const TLayout& layout, int group, double lambda_nm);
// A tick of the panel's axis: its x and its number, the true shift in pm ("+0.02", "0"),
// or no number on the minor ticks between numbered ones.
struct TPanelTick {
    double X;
    std::string Label;
};
// The ticks of the axis of the group's line `line` (0 for its first): each line of a group
// has an axis of its own, numbered by the true shift from its own rest wavelength, since
// the same velocity shifts lines of different wavelengths by different amounts.
std::vector<TPanelTick> PanelTicks(const TLayout& layout, const TScene& scene, int line);
// Where the panel draws a line of rest wavelength rest_nm: λ0 (1 + M v/c), nm.
double MagnifiedWavelength_nm(double rest_nm, double v_mps, double magnification);

void DrawStill(QPainter& p, const QRectF& area, const TScene& scene);
void DrawMoving(QPainter& p, const QRectF& area, const TScene& scene);
// The whole picture: DrawStill, then DrawMoving.
void Draw(QPainter& p, const QRectF& area, const TScene& scene);

} // namespace spectrumdrawing
