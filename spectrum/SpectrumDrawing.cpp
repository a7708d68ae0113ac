// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "spectrum/SpectrumDrawing.h"

#include "model/spectrum/ShiftMagnifier.h"

#include "model/spectrum/Spectrum.h"
#include "model/spectrum/SpectrumText.h"
#include "model/spectrum/WavelengthColour.h"
#include "BookText.h"
#include "NumberText.h"
#include "Precondition.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace spectrumdrawing {

namespace {

using spectrum::BandEnd_nm;
using spectrum::BandStart_nm;

const QColor Field(10, 14, 38);
const QColor Ink(200, 210, 230);
const QColor Faint(110, 122, 150);
const QColor Highlight(255, 255, 215); // the book's pale yellow
const QColor Curve(255, 255, 255);

constexpr double Margin = 14.0;
// The height of one line's shift axis below the profile, pixels.
constexpr double AxisRow = 16.0;

// Labels above the band, in two rows so that close lines keep their names apart.
struct BandLabel {
    const char* Text;
    double Lambda_nm;
    int Row;
};
constexpr std::array<BandLabel, 7> bandLabels{{
    {"Ca II H & K", 395.1, 0},
    {"Hδ", 410.175, 1},
    {"Hγ", 434.047, 0},
    {"Hβ", 486.135, 1},
    {"Mg b", 517.5, 0},
    {"Na D", 589.3, 1},
    {"Hα", 656.281, 0},
}};

QFont LabelFont(int pixels, bool bold = false) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QRgb RgbOf(double lambda_nm) {
    const spectrum::TRgb c = spectrum::WavelengthColour(lambda_nm);
    return qRgb(int(std::lround(255 * c.R)), int(std::lround(255 * c.G)),
                int(std::lround(255 * c.B)));
}

const spectrum::TLineGroup& GroupOf(int group) {
    const auto groups = spectrum::MagnifiedGroups();
    return groups[std::size_t(std::clamp(group, 0, int(groups.size()) - 1))];
}

double PanelStart_nm(int group) { return GroupOf(group).Centre_nm - GroupOf(group).HalfSpan_nm; }
double PanelEnd_nm(int group) { return GroupOf(group).Centre_nm + GroupOf(group).HalfSpan_nm; }

// Where each line of Lines() lies, nm.
using TCentres = std::array<double, spectrum::LineCount>;

// The continuum-normalised flux at lambda with the lines at `centres`.
double Flux(double lambda_nm, const TCentres& centres) {
    double absorbed = 0.0;
    const auto lines = spectrum::Lines();
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const double t = (lambda_nm - centres[i]) / lines[i].HalfWidth_nm;
        absorbed += lines[i].Depth / (1.0 + t * t);
    }
    return std::max(0.0, 1.0 - absorbed);
}

double FluxY(const TLayout& l, double flux) {
    const double top = l.Profile.top() + 16.0;
    return l.Profile.bottom() - 4.0 - flux * (l.Profile.bottom() - 4.0 - top);
}

// Paints `rect` one column of device pixels at a time, colourAt(from, to) giving the
// premultiplied colour of the column between those fractions of the width: crisp at any
// pixel ratio, and exact where Qt's gradients place their colours a few tenths of a percent
// of their length off. The image is as large as the rectangle, so drawing it is a plain
// copy, far cheaper than antialiased fills.
template <class ColourAt> void DrawColumns(QPainter& p, const QRectF& rect, ColourAt colourAt) {
    const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const int columns = std::max(1, int(std::lround(rect.width() * ratio)));
    const int rows = std::max(1, int(std::lround(rect.height() * ratio)));
    QImage image(columns, rows, QImage::Format_ARGB32_Premultiplied);
    auto* first = reinterpret_cast<QRgb*>(image.scanLine(0));
    for (int i = 0; i < columns; ++i)
        first[i] = colourAt(double(i) / columns, double(i + 1) / columns);
    for (int row = 1; row < rows; ++row)
        std::copy(first, first + columns, reinterpret_cast<QRgb*>(image.scanLine(row)));
    image.setDevicePixelRatio(ratio);
    p.drawImage(rect.topLeft(), image);
}

QRgb Black(double darkness) { return qRgba(0, 0, 0, int(std::lround(255 * darkness))); }

void Text(QPainter& p, const QRectF& box, int flags, const QString& text) {
    p.drawText(box, flags, text);
}

void DrawBandStill(QPainter& p, const TLayout& l, int group) {
    DrawColumns(p, l.Band, [](double from, double to) {
        return RgbOf(BandStart_nm + (from + to) / 2 * (BandEnd_nm - BandStart_nm));
    });

    p.setFont(LabelFont(10));
    for (int lambda = 380; lambda <= 700; lambda += 10) {
        const double x = BandX(l, lambda);
        const bool major = lambda % 50 == 0;
        p.setPen(QPen(major ? Ink : Faint, 1.0));
        p.drawLine(QPointF(x, l.Band.bottom() + 1), QPointF(x, l.Band.bottom() + (major ? 6 : 3)));
        if (major)
            Text(p, QRectF(x - 30, l.Band.bottom() + 6, 60, 14), Qt::AlignHCenter | Qt::AlignTop,
                 FixedText(lambda, 0));
    }

    p.setFont(LabelFont(11));
    for (const BandLabel& label : bandLabels) {
        const double x = BandX(l, label.Lambda_nm);
        const double baseline = l.Band.top() - 6 - (1 - label.Row) * 15;
        p.setPen(QPen(Faint, 1.0));
        p.drawLine(QPointF(x, baseline + 2), QPointF(x, l.Band.top() - 1));
        p.setPen(Ink);
        Text(p, QRectF(x - 40, baseline - 13, 80, 14), Qt::AlignHCenter | Qt::AlignBottom,
             QString::fromUtf8(label.Text));
    }

    // The stretch the panel magnifies, and faint lines that lead from under its numbers down
    // to the panel.
    const double left = BandX(l, PanelStart_nm(group));
    const double right = BandX(l, PanelEnd_nm(group));
    p.setPen(QPen(Highlight, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(left, l.Band.top() - 1, right - left, l.Band.height() + 2));
    QColor lead = Highlight;
    lead.setAlpha(70);
    p.setPen(QPen(lead, 1.0));
    const double from = l.Band.bottom() + 22;
    const double to = l.Strip.top() - 26;
    p.drawLine(QPointF(left, from), QPointF(l.Strip.left(), to));
    p.drawLine(QPointF(right, from), QPointF(l.Strip.right(), to));
}

void DrawPanelStill(QPainter& p, const TLayout& l, const TScene& scene) {
    const spectrum::TLineGroup& group = GroupOf(scene.Group);
    DrawColumns(p, l.Strip, [&](double from, double to) {
        return RgbOf(PanelStart_nm(scene.Group) + (from + to) / 2 * 2.0 * group.HalfSpan_nm);
    });
    p.fillRect(l.Profile, QColor(18, 24, 56));

    const double header = l.Strip.top() - 22;
    p.setPen(Ink);
    p.setFont(LabelFont(12, true));
    const QString title = BookText("Spectrum window", "Magnified around %1", "a line's name")
                              .arg(QString::fromUtf8(group.Name));
    Text(p, QRectF(l.Strip.left(), header, 200, 18), Qt::AlignLeft | Qt::AlignVCenter, title);
    // The rest wavelengths follow the title, clear of the note on the right.
    const double restLeft = l.Strip.left() + p.fontMetrics().horizontalAdvance(title) + 14;
    p.setPen(Highlight);
    p.setFont(LabelFont(12));
    const QString magnified =
        scene.Magnification == 1.0
            ? BookText("Spectrum window", "shift drawn to scale")
            : BookText("Spectrum window", "shift drawn %1 larger; widths not to scale",
                       "the magnification, such as 100 000×")
                  .arg(QString::fromStdString(spectrum::MagnificationText(scene.Magnification)));
    Text(p, QRectF(l.Strip.right() - 300, header, 300, 18), Qt::AlignRight | Qt::AlignVCenter,
         magnified);
    const double noteLeft = l.Strip.right() - p.fontMetrics().horizontalAdvance(magnified);

    // The continuum level, and each line's rest wavelength dashed across strip and profile.
    p.setPen(QPen(Faint, 1.0, Qt::DotLine));
    p.drawLine(QPointF(l.Profile.left(), FluxY(l, 1.0)), QPointF(l.Profile.right(), FluxY(l, 1.0)));
    for (int i = 0; i < group.Count; ++i) {
        const spectrum::TSpectralLine& line = spectrum::Lines()[std::size_t(group.First + i)];
        const double x = PanelX(l, scene.Group, line.Rest_nm);
        p.setPen(QPen(Highlight, 1.0, Qt::DashLine));
        p.drawLine(QPointF(x, l.Strip.top() - 3), QPointF(x, l.Profile.bottom()));
    }
    PRECONDITION(group.Count == 1 || group.Count == 2);
    const auto restOf = [&group](int i) {
        return FixedText(spectrum::Lines()[std::size_t(group.First + i)].Rest_nm, 3);
    };
    const QString restText = group.Count == 1 ? BookText("Spectrum window", "rest in air %1 nm",
                                                         "a line's rest wavelength")
                                                    .arg(restOf(0))
                                              : BookText("Spectrum window", "rest in air %1, %2 nm",
                                                         "the rest wavelengths of a pair of lines")
                                                    .arg(restOf(0), restOf(1));
    p.setPen(Highlight);
    p.setFont(LabelFont(11));
    // Where a language's longer words would run it into the note, the text of the rest
    // wavelengths gives way: the list of lines below the picture names them too.
    const int restRoom = int(std::clamp(noteLeft - 10 - restLeft, 0.0, 260.0));
    Text(p, QRectF(restLeft, header, 260, 18), Qt::AlignLeft | Qt::AlignVCenter,
         p.fontMetrics().elidedText(restText, Qt::ElideRight, restRoom));

    // One axis a line: the true shift from that line's rest wavelength that each place
    // stands for, the magnification taken off.
    p.setFont(LabelFont(10));
    for (int line = 0; line < group.Count; ++line) {
        const double top = l.Profile.bottom() + line * AxisRow;
        const QString unit =
            group.Count == 1 ? BookText("Spectrum window", "true shift / pm", "an axis title")
                             : BookText("Spectrum window", "%1 shift / pm",
                                        "an axis title: the shift of the line named")
                                   .arg(QString::fromUtf8(
                                       spectrum::Lines()[std::size_t(group.First + line)].Name));
        const double unitWidth = p.fontMetrics().horizontalAdvance(unit);
        for (const TPanelTick& tick : PanelTicks(l, scene, line)) {
            const bool numbered = !tick.Label.empty();
            p.setPen(QPen(numbered ? Ink : Faint, 1.0));
            p.drawLine(QPointF(tick.X, top), QPointF(tick.X, top + (numbered ? 5 : 3)));
            if (numbered && tick.X < l.Profile.right() - unitWidth - 24)
                Text(p, QRectF(tick.X - 30, top + 5, 60, 14), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromStdString(tick.Label));
        }
        p.setPen(Ink);
        Text(p, QRectF(l.Profile.right() - unitWidth - 2, top + 5, unitWidth + 2, 14),
             Qt::AlignRight | Qt::AlignTop, unit);
    }
    p.setPen(QPen(Faint, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(l.Profile);
}

void DrawArrow(QPainter& p, double from, double to, double y) {
    if (std::fabs(to - from) < 4.0)
        return;
    const double head = to > from ? -5.0 : 5.0;
    p.setPen(QPen(Curve, 1.4));
    p.drawLine(QPointF(from, y), QPointF(to, y));
    const QPointF tip(to, y);
    p.setBrush(Curve);
    p.drawPolygon(QPolygonF{tip, QPointF(to + head, y - 3.5), QPointF(to + head, y + 3.5)});
}

} // namespace

TLayout::TLayout(const QRectF& area) : Area(area) {
    const double left = area.left() + Margin;
    const double width = area.width() - 2 * Margin;
    Band = QRectF(left, area.top() + 58, width, 34);
    Strip = QRectF(left, area.top() + 148, width, 32);
    // Below the profile, room for an axis for each line of a pair.
    Profile = QRectF(left, area.top() + 184, width,
                     area.bottom() - 22 - AxisRow - (area.top() + 184));
}

double BandX(const TLayout& layout, double lambda_nm) {
    return layout.Band.left() +
           (lambda_nm - BandStart_nm) / (BandEnd_nm - BandStart_nm) * layout.Band.width();
}

double PanelX(const TLayout& layout, int group, double lambda_nm) {
    return layout.Strip.left() + (lambda_nm - PanelStart_nm(group)) /
                                     (PanelEnd_nm(group) - PanelStart_nm(group)) *
                                     layout.Strip.width();
}

std::vector<TPanelTick> PanelTicks(const TLayout& layout, const TScene& scene, int line) {
    const spectrum::TLineGroup& group = GroupOf(scene.Group);
    PRECONDITION(line >= 0 && line < group.Count);
    const double rest = spectrum::Lines()[std::size_t(group.First + line)].Rest_nm;
    const spectrum::TShiftTicks ticks = spectrum::ShiftTicks(group.HalfSpan_nm, scene.Magnification);
    // The decimals the step needs: 0.002 pm takes three.
    const int decimals = std::max(0, int(std::ceil(-std::log10(ticks.Step_pm) - 1e-9)));
    std::vector<TPanelTick> result;
    // Ticks run across the whole panel, which need not be centred on the first line.
    const int last = 2 * ticks.Count + 1;
    for (int i = -last; i <= last; ++i) {
        const double shift_pm = i * ticks.Step_pm;
        const double x = PanelX(layout, scene.Group, rest + scene.Magnification * shift_pm * 1e-3);
        if (x < layout.Profile.left() - 0.5 || x > layout.Profile.right() + 0.5)
            continue;
        const QString label = (shift_pm > 0.0 ? "+" : "") + FixedText(shift_pm, decimals);
        const bool numbered = i % (ticks.Count > 5 ? 2 : 1) == 0;
        result.push_back({x, !numbered ? std::string()
                             : i == 0  ? std::string("0")
                                       : label.toStdString()});
    }
    return result;
}

double MagnifiedWavelength_nm(double rest_nm, double v_mps, double magnification) {
    return rest_nm + magnification * spectrum::Shift_nm(rest_nm, v_mps);
}

void DrawStill(QPainter& p, const QRectF& area, const TScene& scene) {
    const TLayout l(area);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Field);
    p.drawRoundedRect(area, 6, 6);
    p.setPen(Ink);
    p.setFont(LabelFont(12, true));
    Text(p, QRectF(l.Band.left(), area.top() + 4, 300, 16), Qt::AlignLeft | Qt::AlignVCenter,
         BookText("Spectrum window", "The visible spectrum, 380 to 700 nm in air"));
    DrawBandStill(p, l, scene.Group);
    DrawPanelStill(p, l, scene);
}

void DrawMoving(QPainter& p, const QRectF& area, const TScene& scene) {
    const TLayout l(area);
    p.setRenderHint(QPainter::Antialiasing);

    // The band: every line at its true wavelength, a bar at least a pixel and a half wide;
    // a column darkens by the part of each bar that covers it. Bars are in fractions of the
    // band's width.
    struct Bar {
        double From, To, Depth;
    };
    std::array<Bar, spectrum::LineCount> bars;
    const double pixel = 1.0 / l.Band.width();
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const spectrum::TSpectralLine& line = spectrum::Lines()[i];
        const double x = (spectrum::Shifted_nm(line.Rest_nm, scene.V_mps) - BandStart_nm) /
                         (BandEnd_nm - BandStart_nm);
        const double half = std::max(0.75 * pixel, line.HalfWidth_nm / (BandEnd_nm - BandStart_nm));
        bars[i] = {x - half, x + half, line.Depth};
    }
    DrawColumns(p, l.Band, [&](double from, double to) {
        double light = 1.0;
        for (const Bar& bar : bars) {
            const double covered = std::min(to, bar.To) - std::max(from, bar.From);
            if (covered > 0.0)
                light *= 1.0 - bar.Depth * covered / (to - from);
        }
        return Black(1.0 - light);
    });

    // The panel, the lines moved by the magnified shift: the strip darkened column by
    // column, the profile sampled every 2 pixels.
    const auto at = [&](double rest_nm) {
        return MagnifiedWavelength_nm(rest_nm, scene.V_mps, scene.Magnification);
    };
    TCentres centres;
    for (std::size_t i = 0; i < centres.size(); ++i)
        centres[i] = at(spectrum::Lines()[i].Rest_nm);
    const double start = PanelStart_nm(scene.Group);
    const double span = PanelEnd_nm(scene.Group) - start;
    DrawColumns(p, l.Strip, [&](double from, double to) {
        return Black(1.0 - Flux(start + (from + to) / 2 * span, centres));
    });
    const int samples = std::max(2, int(l.Profile.width() / 2.0));
    QPolygonF profile;
    profile.reserve(samples + 1);
    for (int i = 0; i <= samples; ++i) {
        const double f = double(i) / samples;
        profile << QPointF(l.Profile.left() + f * l.Profile.width(),
                           FluxY(l, Flux(start + f * span, centres)));
    }
    // A pen of one pixel keeps Qt on its fast path for thin lines.
    p.setPen(QPen(Curve, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(profile);

    const spectrum::TLineGroup& group = GroupOf(scene.Group);
    for (int i = 0; i < group.Count; ++i) {
        const double rest = spectrum::Lines()[std::size_t(group.First + i)].Rest_nm;
        DrawArrow(p, PanelX(l, scene.Group, rest), PanelX(l, scene.Group, at(rest)),
                  l.Profile.top() + 7 + 6 * i);
    }
}

void Draw(QPainter& p, const QRectF& area, const TScene& scene) {
    DrawStill(p, area, scene);
    DrawMoving(p, area, scene);
}

} // namespace spectrumdrawing
