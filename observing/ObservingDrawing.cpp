// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "observing/ObservingDrawing.h"

#include "BookText.h"
#include "BookWording.h"
#include "NumberText.h"
#include "model/text/NumberWriting.h"
#include "simulation/ViewClip.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace observingdrawing {

namespace {

const QColor Aqua(0, 255, 255);
const QColor PointColour(0, 0, 157);
const QColor TruthColour(200, 0, 0);
const QColor WindowColour(170, 170, 170);
const QColor OutsideColour(236, 236, 236);

// Room for the numbers and titles round the plot.
constexpr double LeftMargin = 58, RightMargin = 12, TopMargin = 10, BottomMargin = 40;
// More grid lines than this would fill the plot; an axis asking for more draws none.
constexpr int MaxTicks = 100;
// Values are kept within this before they are mapped, so that every difference the mapping
// forms stays finite.
constexpr double LargestShown = 1e300;
// Points farther outside the plot are drawn at this distance: the clip hides them alike, and
// the painter never rasterises far beyond what it shows.
constexpr double FarOutside_px = 1000;
// Room above a power of 1 for the peak's marker and the top of its label.
constexpr double MarkerRoom_px = 16;

QFont AxisFont() {
    QFont font("Arial");
    font.setPixelSize(11);
    return font;
}

// Maps values to the plot rectangle, linear in y and linear or logarithmic in x.
struct TFrame {
    QRectF plot;
    double x0, x1, y0, y1;
    bool logX = false;

    double X(double x) const {
        const double a = logX ? std::log10(x) : x, lo = logX ? std::log10(x0) : x0,
                     hi = logX ? std::log10(x1) : x1;
        return plot.left() + (a - lo) / (hi - lo) * plot.width();
    }
    double Y(double y) const { return plot.bottom() - (y - y0) / (y1 - y0) * plot.height(); }
};

// A range that holds lo and hi, finite and wide enough that its tick steps still change the
// values they are added to: at least `least` and a billionth of the largest magnitude.
void Widened(double& lo, double& hi, double least) {
    lo = std::isfinite(lo) ? std::clamp(lo, -LargestShown, LargestShown) : -LargestShown;
    hi = std::isfinite(hi) ? std::clamp(hi, -LargestShown, LargestShown) : LargestShown;
    if (hi < lo)
        std::swap(lo, hi);
    const double needed = std::max(least, 1e-9 * std::max(std::abs(lo), std::abs(hi)));
    if (hi - lo < needed) {
        const double middle = 0.5 * lo + 0.5 * hi;
        lo = middle - 0.5 * needed;
        hi = middle + 0.5 * needed;
    }
}

// Within a distance of the plot that the painter handles; NaN goes to the far side.
double Kept(double px, double from, double to) {
    return px >= from - FarOutside_px ? std::min(px, to + FarOutside_px) : from - FarOutside_px;
}

QString Number(double x, double step) {
    const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
    return FixedText(std::abs(x) < 1e-9 * step ? 0.0 : x, decimals);
}

} // namespace

std::vector<double> LinearTicks(double lo, double hi, double step) {
    if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(step) || !(step > 0.0))
        return {};
    const double first = std::ceil(lo / step), last = std::floor(hi / step + 1e-9);
    if (!(last - first < MaxTicks))
        return {};
    // Counted in whole steps: beyond 2^53 adding one to `first` may change nothing.
    std::vector<double> ticks;
    for (int i = 0; i <= static_cast<int>(last - first); ++i) {
        const double tick = (first + i) * step;
        if (ticks.empty() || tick > ticks.back())
            ticks.push_back(tick);
    }
    return ticks;
}

namespace {

// Frame, grid and numbers; y ticks linear, x ticks linear or at 1, 2, 5 per decade.
// Lines of one logical pixel on whole logical coordinates: drawn without antialiasing they
// cover whole device pixels at any pixel ratio, so the frame and grid stay crisp.
void DrawAxes(QPainter& p, const TFrame& f, const QString& xTitle, const QString& yTitle) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(AxisFont());
    const QFontMetricsF metrics(p.font());
    p.fillRect(f.plot, Qt::white);
    p.setPen(QPen(Aqua, 0));
    const double yStep = NiceStep(f.y1 - f.y0, 6);
    for (const double y : LinearTicks(f.y0, f.y1, yStep)) {
        p.setPen(QPen(Aqua, 1.0));
        p.drawLine(QPointF(f.plot.left(), f.Y(y)), QPointF(f.plot.right(), f.Y(y)));
        p.setPen(Qt::black);
        const QString text = Number(y, yStep);
        p.drawText(QPointF(f.plot.left() - 4 - metrics.horizontalAdvance(text),
                           f.Y(y) + metrics.ascent() / 2 - 1),
                   text);
    }
    const auto xTick = [&](double x, bool label, double step) {
        p.setPen(QPen(Aqua, 1.0));
        p.drawLine(QPointF(f.X(x), f.plot.top()), QPointF(f.X(x), f.plot.bottom()));
        if (!label)
            return;
        p.setPen(Qt::black);
        const QString text = Number(x, step);
        p.drawText(QPointF(f.X(x) - metrics.horizontalAdvance(text) / 2,
                           f.plot.bottom() + 3 + metrics.ascent()),
                   text);
    };
    if (f.logX) {
        struct TLogTick {
            double x, step;
            bool decade; // at a power of ten
        };
        std::vector<TLogTick> ticks;
        const double firstDecade = std::floor(std::log10(f.x0)),
                     lastDecade = std::ceil(std::log10(f.x1));
        if (lastDecade - firstDecade < MaxTicks / 3)
            for (int decade = static_cast<int>(firstDecade); decade <= int(lastDecade); ++decade)
            for (int m : {1, 2, 5}) {
                const double x = m * std::pow(10.0, decade);
                // The grid may stop a hair short of a round shortest period.
                if (x >= f.x0 * (1 - 1e-2) && x <= f.x1 * (1 + 1e-9))
                    ticks.push_back({std::max(x, f.x0), std::pow(10.0, decade), m == 1});
            }
        // Numbers that would run into each other are left out: first the 2s and 5s, then
        // whichever would touch the one before.
        const auto extent = [&](const TLogTick& t) {
            const double half = metrics.horizontalAdvance(Number(t.x, t.step)) / 2;
            return std::pair(f.X(t.x) - half, f.X(t.x) + half);
        };
        constexpr double Gap = 4;
        bool crowded = false;
        for (std::size_t i = 1; i < ticks.size(); ++i)
            crowded = crowded || extent(ticks[i]).first < extent(ticks[i - 1]).second + Gap;
        double lastRight = -LargestShown;
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            const TLogTick& t = ticks[i];
            const bool wanted = !crowded || t.decade || i == 0;
            const bool label = wanted && extent(t).first >= lastRight + Gap;
            if (label)
                lastRight = extent(t).second;
            xTick(t.x, label, t.step);
        }
    } else {
        const double xStep = NiceStep(f.x1 - f.x0, 8);
        for (const double x : LinearTicks(f.x0, f.x1, xStep))
            xTick(x, true, xStep);
    }
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(f.plot);
    p.drawText(QRectF(f.plot.left(), f.plot.bottom() + 4 + metrics.height(), f.plot.width(),
                      metrics.height() + 2),
               Qt::AlignHCenter, xTitle);
    // A title longer than the plot is high runs on into the margins above and below it,
    // where nothing else stands at its left; only one longer than that is cut short, and
    // then visibly.
    const double top = f.plot.top() - TopMargin, bottom = f.plot.bottom() + BottomMargin;
    const double length = metrics.horizontalAdvance(yTitle);
    double centre = f.plot.center().y();
    QString shownTitle = yTitle;
    if (length > f.plot.height()) {
        centre = std::clamp(centre, top + length / 2, std::max(top + length / 2, bottom - length / 2));
        if (length > bottom - top) {
            centre = 0.5 * (top + bottom);
            shownTitle = metrics.elidedText(yTitle, Qt::ElideRight, bottom - top);
        }
    }
    const double span = std::max(length, f.plot.height());
    p.save();
    p.translate(f.plot.left() - LeftMargin + 2, centre);
    p.rotate(-90);
    p.drawText(QRectF(-span / 2, 0, span, metrics.height() + 2), Qt::AlignHCenter, shownTitle);
    p.restore();
}

// On whole logical pixels, so the frame is crisp.
QRectF PlotIn(const QRectF& area) {
    const QRectF plot = area.adjusted(LeftMargin, TopMargin, -RightMargin, -BottomMargin);
    return QRectF(QPointF(std::round(plot.left()), std::round(plot.top())),
                  QPointF(std::round(plot.right()), std::round(plot.bottom())));
}

// The velocity range of measurements with their error bars, widened by a tenth.
void VelocityRange(std::span<const observing::TMeasurement> data, double& lo, double& hi) {
    lo = 1e300;
    hi = -1e300;
    for (const observing::TMeasurement& m : data) {
        lo = std::min(lo, m.v_mps - m.error_mps);
        hi = std::max(hi, m.v_mps + m.error_mps);
    }
    Widened(lo, hi, 0.0);
    const double pad = std::max(0.1 * (hi - lo), 1.0);
    lo -= pad;
    hi += pad;
    Widened(lo, hi, 2.0);
}

// A measurement's place in pixels: the point and the ends of its error bar.
struct TBarPixels {
    double x, y, top, bottom;
};

TBarPixels PixelsOf(const TFrame& f, double x, double v, double error) {
    const auto y = [&](double value) {
        return Kept(f.Y(value), f.plot.top(), f.plot.bottom());
    };
    return {Kept(f.X(x), f.plot.left(), f.plot.right()), y(v), y(v + error), y(v - error)};
}

// Runs of values, sorted, whose neighbours lie within a pixel of each other, as first and
// last: on the screen each run is one unbroken stroke.
template <typename Each>
void Runs(std::vector<double>& values, Each&& each) {
    std::sort(values.begin(), values.end());
    for (std::size_t i = 0; i < values.size();) {
        std::size_t j = i;
        while (j + 1 < values.size() && values[j + 1] - values[j] <= 1.0)
            ++j;
        each(values[i], values[j]);
        i = j + 1;
    }
}

// How one instrument's measurements are marked: its colour and the shape of its points.
enum class TShape { Disc, Square, Triangle, Diamond, Ring, Box };

struct TSymbol {
    QColor colour;
    TShape shape;
};

// Shapes differ as well as colours, so that the instruments stay apart in print and for
// readers who do not tell the colours apart.
TSymbol SymbolOf(int instrument) {
    static const TSymbol symbols[] = {
        {PointColour, TShape::Disc},           {QColor(205, 95, 0), TShape::Square},
        {QColor(0, 125, 0), TShape::Triangle}, {QColor(150, 0, 150), TShape::Diamond},
        {QColor(0, 125, 160), TShape::Ring},   {QColor(110, 80, 0), TShape::Box}};
    return symbols[static_cast<std::size_t>(instrument) % std::size(symbols)];
}

void DrawSymbol(QPainter& p, const TSymbol& symbol, QPointF at) {
    const double r = 3.0;
    const bool open = symbol.shape == TShape::Ring || symbol.shape == TShape::Box;
    p.setPen(QPen(symbol.colour, open ? 1.4 : 1.0));
    p.setBrush(open ? QBrush(Qt::NoBrush) : QBrush(symbol.colour));
    switch (symbol.shape) {
    case TShape::Disc:
    case TShape::Ring:
        p.drawEllipse(at, 2.6, 2.6);
        break;
    case TShape::Square:
    case TShape::Box:
        p.drawRect(QRectF(at.x() - r + 0.5, at.y() - r + 0.5, 2 * r - 1, 2 * r - 1));
        break;
    case TShape::Triangle: {
        const QPointF corners[] = {{at.x(), at.y() - r - 0.5}, {at.x() - r, at.y() + r - 0.5},
                                   {at.x() + r, at.y() + r - 0.5}};
        p.drawPolygon(corners, 3);
        break;
    }
    case TShape::Diamond: {
        const QPointF corners[] = {
            {at.x(), at.y() - r - 0.5}, {at.x() + r, at.y()}, {at.x(), at.y() + r + 0.5},
            {at.x() - r, at.y()}};
        p.drawPolygon(corners, 4);
        break;
    }
    }
}

constexpr double PointRadius = 3.1, CapHalfWidth = 3.0, BarHalfWidth = 0.5;

// The point's disc, antialiased once at each quarter of a device pixel: a disc filled as a
// path costs the painter some 30 microseconds, a copy of its pixels well under one. Drawn
// where the painter's device is an image that a translation alone maps to, which is every
// screen at one device pixel per logical one; elsewhere, and on paper, discs are filled.
class TDiscStamps {
public:
    static constexpr int Steps = 4, Size = 8;

    TDiscStamps() {
        for (int i = 0; i < Steps; ++i)
            for (int j = 0; j < Steps; ++j) {
                QImage& image = stamps_[i][j];
                image = QImage(Size, Size, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::transparent);
                QPainter p(&image);
                p.setRenderHint(QPainter::Antialiasing);
                p.setPen(Qt::NoPen);
                p.setBrush(PointColour);
                p.drawEllipse(QPointF(Size / 2 + double(i) / Steps, Size / 2 + double(j) / Steps),
                              PointRadius, PointRadius);
            }
    }

    static bool Usable(const QPainter& p) {
        return p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster &&
               p.deviceTransform().type() <= QTransform::TxTranslate;
    }

    // A disc centred on `at`, in the painter's coordinates.
    void Draw(QPainter& p, const QPointF& at) const {
        const QTransform& device = p.deviceTransform();
        const QPointF shift(device.dx(), device.dy());
        const QPointF d = at + shift;
        double x = std::floor(d.x()), y = std::floor(d.y());
        int i = static_cast<int>(std::lround((d.x() - x) * Steps)),
            j = static_cast<int>(std::lround((d.y() - y) * Steps));
        if (i == Steps)
            x += 1, i = 0;
        if (j == Steps)
            y += 1, j = 0;
        p.drawImage(QPointF(x - Size / 2, y - Size / 2) - shift, stamps_[i][j]);
    }

private:
    QImage stamps_[Steps][Steps];
};

// The error bars and points, each pixel column worked out once: within a column, bars that
// meet are one bar, caps and points that touch are one shape. A column with one measurement
// shows it alone, so sparse data look as drawn one by one, and 100 000 rows cost what the
// pixels can show rather than what the file holds. Points of a shape other than the disc are
// drawn one by one. Each shape is the outline a pen would
// stroke: a bar one pixel wide with square ends, a cap six wide, a point a disc of radius
// 3.1, and points that touch a disc at each end with the band between.
void DrawErrorBars(QPainter& p, std::vector<TBarPixels> bars, const TSymbol& symbol = SymbolOf(0)) {
    const auto byX = [](const TBarPixels& a, const TBarPixels& b) { return a.x < b.x; };
    if (!std::is_sorted(bars.begin(), bars.end(), byX))
        std::sort(bars.begin(), bars.end(), byX);
    static const TDiscStamps stamps;
    const QColor colour = symbol.colour;
    const bool stamped = colour == PointColour && TDiscStamps::Usable(p);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const auto disc = [&](const QPointF& at) {
        stamped ? stamps.Draw(p, at) : p.drawEllipse(at, PointRadius, PointRadius);
    };
    std::vector<std::pair<double, double>> spans;
    std::vector<double> caps, points;
    for (std::size_t i = 0; i < bars.size();) {
        const double column = std::floor(bars[i].x), px = bars[i].x;
        spans.clear();
        caps.clear();
        points.clear();
        for (; i < bars.size() && std::floor(bars[i].x) == column; ++i) {
            spans.emplace_back(bars[i].top, bars[i].bottom);
            caps.push_back(bars[i].top);
            caps.push_back(bars[i].bottom);
            points.push_back(bars[i].y);
        }
        std::sort(spans.begin(), spans.end());
        for (std::size_t k = 0; k < spans.size();) {
            double top = spans[k].first, bottom = spans[k].second;
            for (++k; k < spans.size() && spans[k].first <= bottom + 1.0; ++k)
                bottom = std::max(bottom, spans[k].second);
            p.fillRect(QRectF(QPointF(px - BarHalfWidth, top - BarHalfWidth),
                              QPointF(px + BarHalfWidth, bottom + BarHalfWidth)),
                       colour);
        }
        Runs(caps, [&](double top, double bottom) {
            p.fillRect(QRectF(QPointF(px - CapHalfWidth, top - BarHalfWidth),
                              QPointF(px + CapHalfWidth, bottom + BarHalfWidth)),
                       colour);
        });
        if (symbol.shape != TShape::Disc) {
            for (double y : points)
                DrawSymbol(p, symbol, QPointF(px, y));
            continue;
        }
        Runs(points, [&](double top, double bottom) {
            disc(QPointF(px, top));
            if (bottom == top)
                return;
            disc(QPointF(px, bottom));
            // Whole rows between the discs' centres, so no row is coloured twice at its edge.
            if (const double from = std::ceil(top), to = std::floor(bottom); to > from)
                p.fillRect(QRectF(QPointF(px - PointRadius, from), QPointF(px + PointRadius, to)),
                           colour);
        });
    }
}

// The bars of several instruments, each in its own symbol; one instrument as always.
void DrawInstruments(QPainter& p, std::vector<TBarPixels> bars, std::span<const int> instrumentOf) {
    int count = 1;
    for (int j : instrumentOf)
        count = std::max(count, j + 1);
    if (count == 1)
        return DrawErrorBars(p, std::move(bars));
    std::vector<std::vector<TBarPixels>> groups(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < bars.size(); ++i)
        groups[static_cast<std::size_t>(instrumentOf[i])].push_back(bars[i]);
    for (int j = 0; j < count; ++j)
        DrawErrorBars(p, std::move(groups[static_cast<std::size_t>(j)]), SymbolOf(j));
}

// Which instrument's symbol marks each entry of the legend, with its name, in the plot's
// upper right corner. The legend keeps within the plot: a name takes at most half its width,
// and when the rows do not all fit, the last one says how many instruments are left out.
void DrawLegend(QPainter& p, const QRectF& plot, std::span<const std::string> instruments) {
    if (instruments.size() < 2)
        return;
    p.save();
    p.setFont(AxisFont());
    const QFontMetricsF metrics(p.font());
    const double row = metrics.height() + 1.0;
    const std::size_t fitting =
        static_cast<std::size_t>(std::max(1.0, std::floor((plot.height() - 10.0) / row)));
    const std::size_t shown = instruments.size() <= fitting ? instruments.size() : fitting - 1;
    QStringList names;
    for (std::size_t j = 0; j < shown; ++j)
        names << metrics.elidedText(QString::fromStdString(instruments[j]), Qt::ElideRight,
                                    plot.width() / 2);
    const QString more =
        shown == instruments.size() ? QString()
        : shown == 0
            ? BookText("Observing plots", "%n instruments", nullptr, int(instruments.size()))
            : BookText("Observing plots", "%n more", "instruments not named in the key",
                       int(instruments.size() - shown));
    double width = metrics.horizontalAdvance(more);
    for (const QString& name : names)
        width = std::max(width, metrics.horizontalAdvance(name));
    const double rows = static_cast<double>(names.size()) + (more.isEmpty() ? 0.0 : 1.0);
    const QRectF box(plot.right() - width - 28, plot.top() + 4, width + 24, row * rows + 6);
    p.setPen(QPen(QColor(160, 160, 160), 1.0));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(box);
    for (qsizetype j = 0; j < names.size(); ++j) {
        const double y = box.top() + 3 + row * (static_cast<double>(j) + 0.5);
        DrawSymbol(p, SymbolOf(static_cast<int>(j)), QPointF(box.left() + 10, y));
        p.setPen(Qt::black);
        p.drawText(QRectF(box.left() + 19, y - row / 2, width + 4, row), Qt::AlignVCenter,
                   names[j]);
    }
    if (!more.isEmpty()) {
        p.setPen(Qt::black);
        p.drawText(QRectF(box.left() + 19, box.top() + 3 + row * (rows - 1), width + 4, row),
                   Qt::AlignVCenter, more);
    }
    p.restore();
}

// The key to the periodogram's two traces, in the top corner on the right or the left.
void DrawWindowLegend(QPainter& p, const QRectF& plot, bool right) {
    const QFontMetricsF metrics(p.font());
    const struct {
        QColor colour;
        const char* text;
    } rows[] = {{PointColour, QT_TRANSLATE_NOOP("Observing plots", "periodogram")},
                {WindowColour, QT_TRANSLATE_NOOP("Observing plots", "window function")}};
    const QString texts[] = {BookText("Observing plots", rows[0].text),
                             BookText("Observing plots", rows[1].text)};
    constexpr double Sample = 18, Pad = 4;
    const double rowHeight = metrics.height();
    const double width =
        Sample + 3 * Pad +
        std::max(metrics.horizontalAdvance(texts[0]), metrics.horizontalAdvance(texts[1]));
    const QRectF box(right ? plot.right() - width - 6 : plot.left() + 6, plot.top() + 6, width,
                     2 * rowHeight + 2 * Pad);
    p.setPen(QPen(Qt::black, 0.5));
    p.setBrush(Qt::white);
    p.drawRect(box);
    for (int i = 0; i < 2; ++i) {
        const double y = box.top() + Pad + (i + 0.5) * rowHeight;
        p.setPen(QPen(rows[i].colour, 1.5));
        p.drawLine(QPointF(box.left() + Pad, y), QPointF(box.left() + Pad + Sample, y));
        p.setPen(Qt::black);
        p.drawText(QPointF(box.left() + 2 * Pad + Sample, y + metrics.ascent() / 2 - 1), texts[i]);
    }
}

} // namespace

double NiceStep(double range, int count) {
    if (!(range > 0.0) || !std::isfinite(range))
        return 1.0;
    const double raw = range / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * power * 1.0000001)
            return m * power;
    return 10.0 * power;
}

QString PeakText(const observing::TPeak& peak) {
    return BookWording(PeriodText(peak.period_days));
}

void DrawMessage(QPainter& p, const QRectF& area, const QString& message) {
    const QRectF plot = PlotIn(area);
    p.fillRect(plot, Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1.0));
    p.drawRect(plot);
    p.setFont(AxisFont());
    p.drawText(plot.adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, message);
}

void DrawData(QPainter& p, const QRectF& area, const TDataScene& scene) {
    if (scene.data.empty())
        return DrawMessage(p, area,
                           BookText("Observing plots", "No measurements yet: plan a run "
                                                       "and press Observe, or import a "
                                                       "file."));
    TFrame f{PlotIn(area), 0, 1, 0, 1};
    const double fold = std::isfinite(scene.foldPeriod_days) && scene.foldPeriod_days > 0.0
                            ? scene.foldPeriod_days
                            : 0.0;
    // The x of a time: the time itself, or its phase in the fold.
    const auto x = [&scene, fold](double t) {
        if (fold == 0.0)
            return t;
        const double turns = (t - scene.foldEpoch_days) / fold;
        return turns - std::floor(turns);
    };
    if (fold > 0.0) {
        f.x0 = -0.02;
        f.x1 = 1.02;
    } else {
        f.x0 = scene.data.front().t_days;
        f.x1 = scene.data.back().t_days;
        Widened(f.x0, f.x1, 0.0);
        const double pad = std::max(0.02 * (f.x1 - f.x0), 0.5);
        f.x0 -= pad;
        f.x1 += pad;
        Widened(f.x0, f.x1, 1.0);
    }
    VelocityRange(scene.data, f.y0, f.y1);
    const QString timeTitle =
        !scene.timeTitle.isEmpty() ? scene.timeTitle
        : fold > 0.0
            ? BookText("Observing plots", "phase: time since periastron over the period of %1 days")
                  .arg(FiguresText(fold, 5))
        : scene.timeOffset_days != 0.0
            ? BookText("Observing plots", "time since the first point, %1 (days)")
                  .arg(FixedText(scene.timeOffset_days, 4))
            : BookText("Observing plots", "time (days)");
    DrawAxes(p, f, timeTitle, scene.velocityTitle);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(f.plot);
    if (!scene.truth.empty()) {
        // The path holds only what shows: each step cut to the plot and a little over, and
        // broken off where the arithmetic cannot give the curve.
        QPainterPath curve;
        const QRectF shown = f.plot.adjusted(-2, -2, 2, 2);
        const int samples = std::max(400, static_cast<int>(f.plot.width() * 2));
        QPointF last;
        bool lastFinite = false, joined = false;
        for (int i = 0; i <= samples; ++i) {
            const double at = f.x0 + (f.x1 - f.x0) * i / samples;
            // Folded, one orbit from the epoch: the curve's phase is its x.
            const double t = fold > 0.0 ? scene.foldEpoch_days + at * fold : at;
            const QPointF point(f.X(at), f.Y(kepler::RadialVelocity_mps(scene.truth, t)));
            const bool finite = std::isfinite(point.x()) && std::isfinite(point.y());
            const auto cut = finite && lastFinite ? viewclip::ClipSegment(last, point, shown)
                                                  : std::nullopt;
            if (cut) {
                if (!joined || curve.currentPosition() != cut->first)
                    curve.moveTo(cut->first);
                curve.lineTo(cut->second);
                joined = cut->second == point;
            } else {
                joined = false;
            }
            last = point;
            lastFinite = finite;
        }
        p.setPen(QPen(scene.curveColour, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
    }
    std::vector<TBarPixels> bars;
    std::vector<int> instrumentOf;
    bars.reserve(scene.data.size());
    instrumentOf.reserve(scene.data.size());
    for (const observing::TMeasurement& m : scene.data) {
        bars.push_back(PixelsOf(f, x(m.t_days), m.v_mps, m.error_mps));
        instrumentOf.push_back(m.instrument);
    }
    DrawInstruments(p, std::move(bars), instrumentOf);
    p.restore();
    DrawLegend(p, f.plot, scene.instruments);
}

void DrawPeriodogram(QPainter& p, const QRectF& area, const TPeriodogramScene& scene) {
    const observing::TPeriodogram* pg = scene.periodogram;
    if (!pg || pg->power.empty())
        return DrawMessage(p, area,
                           BookText("Observing plots", "The periodogram shows here once "
                                                       "there are measurements."));
    const observing::TFrequencyGrid& grid = pg->grid;
    // Headroom above a power of 1 for the peak's marker and label, however small the plot.
    const QRectF plot = PlotIn(area);
    const double headroom =
        plot.height() > 2 * MarkerRoom_px ? plot.height() / (plot.height() - MarkerRoom_px) : 1.5;
    TFrame f{plot, 1.0 / grid.At(grid.count - 1), 1.0 / grid.first, 0.0, std::max(1.12, headroom),
             true};
    if (f.x1 <= f.x0)
        f.x1 = f.x0 * 1.01;
    DrawAxes(p, f, BookText("Observing plots", "period (days)", "of an orbit"),
             BookText("Observing plots", "power", "of a periodogram"));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(f.plot);
    // Many frequencies fall on one pixel column; each column shows its highest value.
    const auto trace = [&](const std::vector<double>& values, const QColor& colour) {
        const int columns = std::max(1, static_cast<int>(std::ceil(f.plot.width())));
        std::vector<double> top(static_cast<std::size_t>(columns) + 1, -1.0);
        for (std::size_t i = 0; i < grid.count; ++i) {
            const double x = f.X(1.0 / grid.At(i)) - f.plot.left();
            const auto column =
                static_cast<std::size_t>(x > 0.0 ? std::min(x, double(columns)) : 0.0);
            top[column] = std::max(top[column], values[i]);
        }
        QPainterPath path;
        bool started = false;
        for (std::size_t c = 0; c < top.size(); ++c) {
            if (top[c] < 0.0)
                continue;
            const QPointF point(f.plot.left() + double(c), f.Y(top[c]));
            started ? path.lineTo(point) : path.moveTo(point);
            started = true;
        }
        p.setPen(QPen(colour, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    };
    const bool window = scene.showWindow && pg->window.size() == grid.count;
    if (window)
        trace(pg->window, WindowColour);
    trace(pg->power, PointColour);
    const double px = f.X(pg->peak.period_days), py = f.Y(pg->peak.power);
    p.setPen(QPen(TruthColour, 1.5));
    p.setBrush(TruthColour);
    const QPointF marker[] = {{px, py - 3}, {px - 5, py - 12}, {px + 5, py - 12}};
    p.drawPolygon(marker, 3);
    p.setFont(AxisFont());
    const QString label = PeakText(pg->peak);
    const QFontMetricsF metrics(p.font());
    const double width = metrics.horizontalAdvance(label);
    // Beside the marker, on the side with room, and below the plot's top edge.
    const double x = px + 8 + width < f.plot.right() ? px + 8 : px - 8 - width;
    p.drawText(QPointF(x, std::max(py - 4, f.plot.top() + metrics.ascent() + 2)), label);
    if (window)
        DrawWindowLegend(p, f.plot, px < f.plot.center().x());
    p.restore();
}

void DrawFold(QPainter& p, const QRectF& area, const TFoldScene& scene) {
    if (scene.points.empty())
        return DrawMessage(
            p, area,
            BookText("Observing plots", "The measurements fold here on the trial period."));
    TFrame f{PlotIn(area), -observing::FoldMargin, 1.0 + observing::FoldMargin, 0, 1};
    f.y0 = 1e300;
    f.y1 = -1e300;
    for (const observing::TFoldedPoint& m : scene.points) {
        f.y0 = std::min(f.y0, m.v_mps - m.error_mps);
        f.y1 = std::max(f.y1, m.v_mps + m.error_mps);
    }
    Widened(f.y0, f.y1, 0.0);
    const double pad = std::max(0.1 * (f.y1 - f.y0), 1.0);
    f.y0 -= pad;
    f.y1 += pad;
    Widened(f.y0, f.y1, 2.0);
    DrawAxes(p, f,
             BookText("Observing plots", "phase at a period of %1 days")
                 .arg(FiguresText(scene.period_days, 6)),
             scene.velocityTitle);
    p.save();
    p.setClipRect(f.plot);
    p.setRenderHint(QPainter::Antialiasing);
    // The repeated ends are shaded so the wrap is seen.
    p.fillRect(QRectF(QPointF(f.X(f.x0), f.plot.top()), QPointF(f.X(0.0), f.plot.bottom())),
               OutsideColour);
    p.fillRect(QRectF(QPointF(f.X(1.0), f.plot.top()), QPointF(f.X(f.x1), f.plot.bottom())),
               OutsideColour);
    std::vector<TBarPixels> bars;
    std::vector<int> instrumentOf;
    bars.reserve(scene.points.size());
    instrumentOf.reserve(scene.points.size());
    for (const observing::TFoldedPoint& m : scene.points) {
        bars.push_back(PixelsOf(f, m.phase, m.v_mps, m.error_mps));
        instrumentOf.push_back(m.index < scene.measurements.size()
                                   ? scene.measurements[m.index].instrument
                                   : 0);
    }
    DrawInstruments(p, std::move(bars), instrumentOf);
    p.restore();
    DrawLegend(p, f.plot, scene.instruments);
    // The frame again, over the shading.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(f.plot);
}

} // namespace observingdrawing
