// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "model/spectrum/Spectrum.h"
#include "spectrum/SpectrumDrawing.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace spectrumdrawing;

namespace {

// Wide enough that the Mg b and Na D lines lie pixels apart on the band.
const QSizeF Size(3200, 292);

QImage Paint(qreal ratio, const TScene& scene, bool withMoving) {
    QImage image((Size * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter p(&image);
    if (withMoving)
        Draw(p, QRectF(QPointF(0, 0), Size), scene);
    else
        DrawStill(p, QRectF(QPointF(0, 0), Size), scene);
    return image;
}

double Brightness(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) + 1.0; }

// How much the moving part darkens device column x of row y: 0 none, 1 black.
double Darkness(const QImage& still, const QImage& whole, int x, int y) {
    return 1.0 - Brightness(whole.pixel(x, y)) / Brightness(still.pixel(x, y));
}

// The centre of the darkening within `reach` device pixels of x along row y, in device
// pixels (a column's centre is at its index + 0.5).
double DarkCentre(const QImage& still, const QImage& whole, double x, int y, int reach) {
    double sum = 0.0, moment = 0.0;
    for (int column = int(x) - reach; column <= int(x) + reach; ++column) {
        const double dark = std::max(0.0, Darkness(still, whole, column, y));
        sum += dark;
        moment += dark * (column + 0.5);
    }
    return sum > 0.0 ? moment / sum : -1.0;
}

// Where along row y, within `reach` device pixels of x, the moving part darkens most: the
// middle of the darkest columns, as a flat-bottomed line core has several.
double DarkestPlace(const QImage& still, const QImage& whole, double x, int y, int reach) {
    double most = 0.0;
    for (int column = int(x) - reach; column <= int(x) + reach; ++column)
        most = std::max(most, Darkness(still, whole, column, y));
    double sum = 0.0;
    int count = 0;
    for (int column = int(x) - reach; column <= int(x) + reach; ++column)
        if (Darkness(still, whole, column, y) >= most - 0.004) {
            sum += column + 0.5;
            ++count;
        }
    return sum / count;
}

} // namespace

TEST(SpectrumDrawing, AtRestEveryLineLiesAtItsRestPixelAtAnyPixelRatio) {
    const TLayout layout(QRectF(QPointF(0, 0), Size));
    for (qreal ratio : {1.0, 2.0}) {
        for (int group = 0; group < int(spectrum::MagnifiedGroups().size()); ++group) {
            const TScene scene{0.0, group, 1e5};
            const QImage still = Paint(ratio, scene, false);
            const QImage whole = Paint(ratio, scene, true);
            const int bandRow = int(layout.Band.center().y() * ratio);
            for (const spectrum::TSpectralLine& line : spectrum::Lines()) {
                SCOPED_TRACE(std::string(line.Name) + " at ratio " + std::to_string(ratio));
                const double x = BandX(layout, line.Rest_nm) * ratio;
                const double halfBar =
                    std::max(0.75, line.HalfWidth_nm / 320.0 * layout.Band.width()) * ratio;
                EXPECT_NEAR(DarkCentre(still, whole, x, bandRow, int(halfBar) + 2), x, 0.25);
            }
            const spectrum::TLineGroup& g = spectrum::MagnifiedGroups()[std::size_t(group)];
            const int stripRow = int(layout.Strip.center().y() * ratio);
            for (int i = 0; i < g.Count; ++i) {
                const spectrum::TSpectralLine& line = spectrum::Lines()[std::size_t(g.First + i)];
                SCOPED_TRACE(std::string("panel ") + line.Name);
                const double x = PanelX(layout, group, line.Rest_nm) * ratio;
                EXPECT_NEAR(DarkestPlace(still, whole, x, stripRow, 8), x, 1.0 * ratio);
            }
        }
    }
}

TEST(SpectrumDrawing, ThePanelMovesTheLineByTheMagnifiedShiftTheWayTheVelocityPoints) {
    const TLayout layout(QRectF(QPointF(0, 0), Size));
    const double rest = spectrum::Lines()[10].Rest_nm; // Hα, the first group
    const int stripRow = int(layout.Strip.center().y());
    const struct {
        double v_mps;
        double magnification;
    } cases[] = {{12.4, 1e5}, {-12.4, 1e5}, {28.4, 1e4}, {-3000.0, 100.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.v_mps);
        const TScene scene{c.v_mps, 0, c.magnification};
        const QImage still = Paint(1.0, scene, false);
        const QImage whole = Paint(1.0, scene, true);
        const double expected =
            PanelX(layout, 0, MagnifiedWavelength_nm(rest, c.v_mps, c.magnification));
        const double darkest = DarkestPlace(still, whole, expected, stripRow, 20);
        EXPECT_NEAR(darkest, expected, 1.0);
        const double restX = PanelX(layout, 0, rest);
        EXPECT_EQ(darkest > restX, c.v_mps > 0.0) << "receding must move the line to the red";
        EXPECT_GT(std::fabs(darkest - restX), 100.0) << "the shift must be plain to see";
    }
}

// A number on a line's axis is the true shift of that line drawn over it, from its own rest
// wavelength: where the line of a star with that shift stands, the magnification taken off.
// In the Na D pair D1 is numbered from D1's rest, not D2's.
TEST(SpectrumDrawing, EachLinesAxisNumbersItsOwnTrueShiftAtItsPixel) {
    const TLayout layout(QRectF(QPointF(0, 0), Size));
    const auto groups = spectrum::MagnifiedGroups();
    for (int group = 0; group < int(groups.size()); ++group) {
        for (int line = 0; line < groups[std::size_t(group)].Count; ++line) {
            const double rest =
                spectrum::Lines()[std::size_t(groups[std::size_t(group)].First + line)].Rest_nm;
            for (double magnification : {1e4, 1e5, 1e7}) {
                SCOPED_TRACE(std::string(groups[std::size_t(group)].Name) + " line " +
                             std::to_string(line) + " at " + std::to_string(magnification));
                const TScene scene{0.0, group, magnification};
                int numbered = 0;
                bool zero = false;
                for (const TPanelTick& tick : PanelTicks(layout, scene, line)) {
                    EXPECT_GE(tick.X, layout.Profile.left() - 0.5);
                    EXPECT_LE(tick.X, layout.Profile.right() + 0.5);
                    if (tick.Label.empty())
                        continue;
                    ++numbered;
                    zero = zero || tick.Label == "0";
                    const double shift_pm = std::stod(tick.Label);
                    // The speed of a star whose line stands at this tick, and where it is drawn.
                    const double v = shift_pm * 1e-3 / rest * spectrum::SpeedOfLight_mps;
                    const double x =
                        PanelX(layout, group, MagnifiedWavelength_nm(rest, v, magnification));
                    EXPECT_NEAR(tick.X, x, 0.01) << tick.Label;
                }
                EXPECT_GE(numbered, 4);
                EXPECT_TRUE(zero) << "rest is numbered 0";
            }
        }
    }
}
