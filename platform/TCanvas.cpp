// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "TCanvas.h"

#include "ImageRows.h"
#include "ShapeStamps.h"
#include "TGraphic.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

// A wide pen's single segment is drawn as a line: the raster engine fills its outline
// directly, where a polyline goes through the general stroker, at many times the cost for the
// same pixels. One-pixel pens keep the polyline, whose last pixel a line would draw differently.
bool IsSegment(const QPolygon& batch, const TPen& pen) {
    return batch.size() == 2 && pen.Width > 1 && pen.Style == psSolid;
}

void StrokeBatch(QPainter& p, const QPolygon& batch, const TPen& pen) {
    if (IsSegment(batch, pen))
        p.drawLine(batch[0], batch[1]);
    else
        p.drawPolyline(batch);
}

bool isRaster(const QPainter& p) {
    return p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
}

} // namespace

QColor TCanvas::ink(TColor c) const { return toQColor(Ink ? Ink(c) : c); }

TCanvas::TCanvas(QPaintDevice* device) : device_(device) {}

TCanvas::TCanvas(QPainter* external) : painter_(external) {}

TCanvas::~TCanvas() {
    if (painter_) {
        Flush();
        while (savedStates_-- > 0)
            painter_->restore();
    }
}

QPainter& TCanvas::begin() {
    if (!painter_) {
        own_ = std::make_unique<QPainter>(device_);
        painter_ = own_.get();
    }
    return *painter_;
}

QPainter& TCanvas::Painter() {
    Flush();
    return begin();
}

void TCanvas::Flush() {
    // A lone point is a line to where the pen already stands: it draws nothing, and the
    // painter's set-up for it would cost as much as a line.
    if (batch_.size() < 2 && segments_.isEmpty()) {
        batch_.clear();
        return;
    }
    QPainter& p = begin();
    applyPen(p, batchPen_);
    // Each change of the painter's state costs more than a short line, so only the
    // changes that make a difference are made.
    const bool hinted = p.testRenderHint(QPainter::Antialiasing);
    if (batchSmooth_ && !hinted)
        p.setRenderHint(QPainter::Antialiasing, true);
    const qreal shift = strokeShift(p, batchPen_, batchSmooth_);
    if (shift != 0.0) {
        const QTransform placed = p.worldTransform();
        p.translate(shift, shift);
        strokeAll(p);
        p.setWorldTransform(placed);
    } else {
        strokeAll(p);
    }
    if (batchSmooth_ && !hinted)
        p.setRenderHint(QPainter::Antialiasing, false);
    segments_.clear();
    if (batch_.isEmpty())
        return;
    batch_.clear();
    changed(withPen(batchBounds_, batchPen_));
}

void TCanvas::strokeAll(QPainter& p) {
    // The raster engine draws the lines of one call one after the other, each blended before
    // the next, exactly as separate calls would.
    if (segments_.isEmpty()) {
        StrokeBatch(p, batch_, batchPen_);
        return;
    }
    const bool batchIsSegment = IsSegment(batch_, batchPen_);
    if (batchIsSegment)
        segments_.append(QLine(batch_[0], batch_[1]));
    p.drawLines(segments_);
    if (batch_.size() > 1 && !batchIsSegment)
        StrokeBatch(p, batch_, batchPen_);
}

void TCanvas::parkSegment() {
    segments_.append(QLine(batch_[0], batch_[1]));
    batch_.clear();
    changed(withPen(batchBounds_, batchPen_));
}

void TCanvas::Release() {
    Flush();
    if (own_) {
        while (savedStates_ > 0) {
            own_->restore();
            --savedStates_;
        }
        own_.reset();
        painter_ = nullptr;
    }
}

void TCanvas::changed(const QRect& touched) {
    if (OnChange)
        OnChange(touched);
}

qreal TCanvas::strokeShift(const QPainter& p, const TPen& pen, bool smooth) const {
    // An aliased one-pixel line on a device of ratio 1 covers the pixels right of and below
    // its points. Every other stroke is centred on them, so one of odd width moves by half
    // a pixel to cover those same pixels; an even width covers them already.
    if (pen.Width > 1 && pen.Width % 2 == 0)
        return 0.0;
    const qreal ratio = p.device() ? p.device()->devicePixelRatio() : 1.0;
    return smooth || ratio > 1.0 ? 0.5 : 0.0;
}

QRect TCanvas::withPen(const QRect& r, const TPen& pen) const {
    const int margin = std::max(1, pen.Width) + 1;
    return r.adjusted(-margin, -margin, margin, margin);
}

void TCanvas::applyPen(QPainter& p, const TPen& pen) {
    if (pen.Style == psClear) {
        p.setPen(Qt::NoPen);
    } else {
        QPen q(ink(pen.Color));
        if (pen.Width <= 1 && !isRaster(p)) {
            // On paper or in a drawing a hairline would be a device's dot wide: the line
            // keeps one logical pixel, scaled with the page.
            q.setWidthF(1.0);
        } else if (pen.Width <= 1) {
            // One logical pixel, however many device pixels that is.
            q.setCosmetic(true);
            q.setWidthF(p.device() ? p.device()->devicePixelRatio() : 1.0);
        } else {
            q.setWidth(pen.Width);
        }
        switch (pen.Style) {
        case psDash:
            q.setStyle(Qt::DashLine);
            break;
        case psDot:
            q.setDashPattern({1.0, 2.0});
            break;
        case psDashDot:
            q.setStyle(Qt::DashDotLine);
            break;
        default:
            break;
        }
        q.setCapStyle(Qt::FlatCap);
        q.setJoinStyle(Qt::MiterJoin);
        p.setPen(q);
    }
    const bool raster = isRaster(p);
    if (pen.Mode == pmXor && raster)
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    else if (pen.Mode == pmNot && raster)
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
    else
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::applyBrush(QPainter& p) {
    if (Brush.Style == bsClear)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(ink(Brush.Color));
}

void TCanvas::applyFont(QPainter& p) {
    p.setFont(Font.toQFont());
    p.setPen(ink(Font.Color));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::MoveTo(int x, int y) {
    // Separate segments of one wide pen (an arrow's shaft and barbs) wait to be drawn in one
    // call: the painter's set-up for a segment costs about as much as drawing it.
    if (IsSegment(batch_, batchPen_))
        parkSegment();
    else
        Flush();
    penPos_ = QPoint(x, y);
}

void TCanvas::beginBatch(qsizetype reserve) {
    if (!segments_.isEmpty() && (!(Pen == batchPen_) || SmoothLines != batchSmooth_))
        Flush();
    batchPen_ = Pen;
    batchSmooth_ = SmoothLines;
    batch_.reserve(reserve);
    batch_ << penPos_;
    batchBounds_ = QRect(penPos_, QSize(1, 1));
    changed(batchBounds_);
}

void TCanvas::LineTo(int x, int y) {
    const QPoint to(x, y);
    if (!batch_.isEmpty() && (!(Pen == batchPen_) || SmoothLines != batchSmooth_))
        Flush();
    if (batch_.isEmpty())
        beginBatch(256);
    // A segment of no length draws nothing, so the point need not be kept.
    if (to != batch_.constLast()) {
        batch_ << to;
        batchBounds_.setLeft(std::min(batchBounds_.left(), x));
        batchBounds_.setRight(std::max(batchBounds_.right(), x));
        batchBounds_.setTop(std::min(batchBounds_.top(), y));
        batchBounds_.setBottom(std::max(batchBounds_.bottom(), y));
    }
    penPos_ = to;
}

void TCanvas::Polyline(QPolygon points) {
    if (points.isEmpty())
        return;
    MoveTo(points[0].x(), points[0].y());
    if (points.size() == 1)
        return;
    beginBatch(0);
    // The points become the batch, repeats dropped in place.
    QPoint* const first = points.data();
    QPoint* kept = first + 1;
    for (const QPoint* p = first + 1; p != first + points.size(); ++p)
        if (*p != kept[-1])
            *kept++ = *p;
    points.resize(kept - first);
    batch_ = std::move(points);
    batchBounds_ = batch_.boundingRect();
    penPos_ = batch_.constLast();
}

void TCanvas::Polygon(const QPolygon& points) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    applyBrush(p);
    p.drawPolygon(points);
    changed(withPen(points.boundingRect(), Pen));
}

QRectF TCanvas::shapeRect(int x1, int y1, int x2, int y2) const {
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    // The shape occupies [left, right) x [top, bottom); a pen outline is drawn inside it.
    if (Pen.Style == psClear)
        return QRectF(r.left(), r.top(), r.width() - 1, r.height() - 1);
    return QRectF(r.left(), r.top(), r.width() - 2, r.height() - 2);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized();
    if (Brush.Style != bsClear)
        p.fillRect(r, ink(Brush.Color));
    if (Pen.Style != psClear && r.width() > 0 && r.height() > 0) {
        p.setBrush(Qt::NoBrush);
        const QTransform placed = p.worldTransform();
        const qreal shift = strokeShift(p, Pen, false);
        p.translate(shift, shift);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setWorldTransform(placed);
    }
    changed(withPen(r, Pen));
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    applyBrush(p);
    p.drawRoundedRect(shapeRect(x1, y1, x2, y2), w / 2.0, h / 2.0);
    changed(withPen(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized(), Pen));
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    applyBrush(p);
    p.drawEllipse(shapeRect(x1, y1, x2, y2));
    changed(withPen(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized(), Pen));
}

void TCanvas::StampEllipse(int x1, int y1, int x2, int y2) {
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    auto* target = dynamic_cast<QImage*>(device_);
    constexpr int Largest = 32; // logical pixels; larger shapes are not drawn every frame
    const qreal ratio = target ? target->devicePixelRatio() : 1.0;
    if (!target || !TakesRows(target->format()) || ratio != std::floor(ratio) ||
        r.width() > Largest || r.height() > Largest || Pen.Mode != pmCopy) {
        Ellipse(x1, y1, x2, y2);
        return;
    }
    QPainter& p = Painter();
    if (p.hasClipping() || !p.worldTransform().isIdentity() || p.opacity() != 1.0) {
        Ellipse(x1, y1, x2, y2);
        return;
    }
    const QRect box = withPen(r, Pen);
    // Off the device it draws nothing either way; its device pixels could lie beyond int.
    if (!box.intersects(QRect(QPoint(), target->deviceIndependentSize().toSize()))) {
        Ellipse(x1, y1, x2, y2);
        return;
    }
    const bool smooth = p.testRenderHint(QPainter::Antialiasing);
    const auto rgb = [this](TColor c) { return std::uint64_t(ink(c).rgb() & 0xffffffu); };
    const std::uint64_t look = rgb(Pen.Color) | rgb(Brush.Color) << 24 |
                               std::uint64_t(std::min(Pen.Width, 255)) << 48 |
                               std::uint64_t(Pen.Style) << 56 | std::uint64_t(Brush.Style) << 60 |
                               std::uint64_t(smooth) << 63;
    if (!stamps_)
        stamps_ = std::make_unique<ShapeStamps>();
    const ShapeStamps::Key key{box.size(), look, int(ratio)};
    const QImage& picture = stamps_->Picture(key, [&](QImage& image) {
        TCanvas drawn(&image);
        drawn.Pen = Pen;
        drawn.Brush = Brush;
        drawn.Ink = Ink;
        drawn.Painter().setRenderHint(QPainter::Antialiasing, smooth);
        drawn.Ellipse(r.left() - box.left(), r.top() - box.top(), r.right() - box.left(),
                      r.bottom() - box.top());
    });
    // Painter() flushed the pending lines, and the raster painter draws straight into the
    // image, so its pixels are current.
    BlendStamp(*target, picture, box.topLeft() * int(ratio));
    changed(box);
}

namespace {

// Angle in 1/16 degree of the ray from the centre through a point, y pointing down.
int rayAngle16(const QRectF& r, int x, int y) {
    const QPointF c = r.center();
    return int(std::lround(qRadiansToDegrees(std::atan2(c.y() - y, x - c.x())) * 16.0));
}

int span16(int start, int end) {
    int span = end - start;
    while (span <= 0)
        span += 360 * 16;
    return span;
}

} // namespace

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    const QRectF r = shapeRect(x1, y1, x2, y2);
    const int a = rayAngle16(r, x3, y3);
    p.drawArc(r, a, span16(a, rayAngle16(r, x4, y4)));
    changed(withPen(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized(), Pen));
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    applyBrush(p);
    const QRectF r = shapeRect(x1, y1, x2, y2);
    const int a = rayAngle16(r, x3, y3);
    p.drawChord(r, a, span16(a, rayAngle16(r, x4, y4)));
    changed(withPen(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized(), Pen));
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    applyBrush(p);
    const QRectF r = shapeRect(x1, y1, x2, y2);
    const int a = rayAngle16(r, x3, y3);
    p.drawPie(r, a, span16(a, rayAngle16(r, x4, y4)));
    changed(withPen(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized(), Pen));
}

void TCanvas::FillRect(const QRect& r) {
    QPainter& p = Painter();
    if (Brush.Style != bsClear) {
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.fillRect(r, ink(Brush.Color));
    }
    changed(r);
}

void TCanvas::FrameRect(const QRect& r) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QColor c = ink(Brush.Color);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
    changed(r);
}

void TCanvas::DrawFocusRect(const QRect& r, TColor xorInk) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    QPainter& p = Painter();
    const bool raster = isRaster(p);
    p.save();
    p.setPen(Qt::NoPen);
    p.setCompositionMode(raster ? QPainter::RasterOp_SourceXorDestination
                                : QPainter::CompositionMode_SourceOver);
    const QColor ink = raster ? toQColor(xorInk) : QColor(0, 0, 0);
    // A band of the frame's width that a classroom's back row sees; its pieces do not
    // overlap, so that each pixel is inverted once.
    const QRegion band = QRegion(r).subtracted(QRegion(r.adjusted(FocusWidth, FocusWidth,
                                                                  -FocusWidth, -FocusWidth)));
    for (const QRect& piece : band)
        p.fillRect(piece, ink);
    p.restore();
    changed(r);
}

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
    QPainter& p = Painter();
    applyFont(p);
    const QString s = QString::fromStdString(text);
    const QFontMetrics fm(p.font());
    const int w = fm.horizontalAdvance(s);
    int left = x;
    if ((TextAlign & TA_CENTER) == TA_CENTER)
        left = x - w / 2;
    else if (TextAlign & TA_RIGHT)
        left = x - w;
    int baseline = y + fm.ascent();
    if ((TextAlign & TA_BASELINE) == TA_BASELINE)
        baseline = y;
    else if (TextAlign & TA_BOTTOM)
        baseline = y - fm.descent();
    if (!TransparentText && Brush.Style != bsClear)
        p.fillRect(QRect(left, baseline - fm.ascent(), w, fm.height()), ink(Brush.Color));
    p.drawText(QPoint(left, baseline), s);
    // Room for italic overhangs and glyphs that reach out of their cell.
    const int margin = fm.height() / 2 + 2;
    changed(QRect(left, baseline - fm.ascent(), w, fm.height())
                .adjusted(-margin, -margin, margin, margin));
}

QSize TCanvas::TextExtent(const AnsiString& text) {
    const QFontMetrics fm(Font.toQFont());
    return QSize(fm.horizontalAdvance(QString::fromStdString(text)), fm.height());
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    graphic.Draw(*this, QRect(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const QRect& r, const TGraphic& graphic) { graphic.Draw(*this, r); }

void TCanvas::DrawImage(int x, int y, const QImage& image) {
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(x, y, image);
    changed(QRect(QPoint(x, y), image.deviceIndependentSize().toSize()));
}

void TCanvas::DrawImagePart(const QRect& r, const QImage& image) {
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!copyRows(p, r, image)) {
        const qreal ratio = image.devicePixelRatio();
        p.drawImage(QRectF(r), image,
                    QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
    }
    changed(r);
}

bool TCanvas::copyRows(const QPainter& p, const QRect& r, const QImage& image) {
    auto* target = dynamic_cast<QImage*>(device_);
    if (!target || image.format() != QImage::Format_RGB32 || !TakesRows(target->format()))
        return false;
    const qreal ratio = image.devicePixelRatio();
    if (ratio != target->devicePixelRatio() || ratio != std::floor(ratio) || p.hasClipping() ||
        !p.worldTransform().isIdentity() || p.opacity() != 1.0)
        return false;
    const int scale = int(ratio);
    const QRect rows = QRect(r.topLeft() * scale, r.size() * scale);
    CopyRows(*target, rows.topLeft(), image, rows);
    return true;
}

void TCanvas::StretchDrawImage(const QRect& r, const QImage& image) {
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(r, image);
    changed(r);
}

void TCanvas::SetPixel(int x, int y, TColor c) {
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(x, y, 1, 1), ink(c));
    changed(QRect(x, y, 1, 1));
}

void TCanvas::ClipRect(const QRect& r) { Painter().setClipRect(r, Qt::IntersectClip); }

void TCanvas::SaveState() {
    Painter().save();
    ++savedStates_;
}

void TCanvas::RestoreState() {
    if (savedStates_ == 0)
        return;
    Painter().restore();
    --savedStates_;
}
