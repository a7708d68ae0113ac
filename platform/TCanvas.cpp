#include "TCanvas.h"

#include "TGraphic.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QtMath>
#include <cmath>

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
    if (batch_.isEmpty())
        return;
    QPainter& p = begin();
    applyPen(p, batchPen_);
    // A single point is a line to where the pen already stands: it draws nothing.
    if (batch_.size() > 1)
        p.drawPolyline(batch_);
    batch_.clear();
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

void TCanvas::changed() {
    if (OnChange)
        OnChange();
}

void TCanvas::applyPen(QPainter& p, const TPen& pen) {
    if (pen.Style == psClear) {
        p.setPen(Qt::NoPen);
    } else {
        QPen q(toQColor(pen.Color));
        q.setWidth(pen.Width <= 1 ? 1 : pen.Width);
        q.setCosmetic(pen.Width <= 1);
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
    const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
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
        p.setBrush(toQColor(Brush.Color));
}

void TCanvas::applyFont(QPainter& p) {
    p.setFont(Font.toQFont());
    p.setPen(toQColor(Font.Color));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::MoveTo(int x, int y) {
    Flush();
    penPos_ = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y) {
    const QPoint to(x, y);
    if (!batch_.isEmpty() && !(Pen == batchPen_))
        Flush();
    if (batch_.isEmpty()) {
        batchPen_ = Pen;
        batch_.reserve(256);
        batch_ << penPos_;
        changed();
    }
    // A segment of no length draws nothing, so the point need not be kept.
    if (to != batch_.constLast())
        batch_ << to;
    penPos_ = to;
}

void TCanvas::Polyline(const QPolygon& points) {
    if (points.isEmpty())
        return;
    MoveTo(points[0].x(), points[0].y());
    for (int i = 1; i < points.size(); ++i)
        LineTo(points[i].x(), points[i].y());
}

void TCanvas::Polygon(const QPolygon& points) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    applyBrush(p);
    p.drawPolygon(points);
    changed();
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
        p.fillRect(r, toQColor(Brush.Color));
    if (Pen.Style != psClear && r.width() > 0 && r.height() > 0) {
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    applyBrush(p);
    p.drawRoundedRect(shapeRect(x1, y1, x2, y2), w / 2.0, h / 2.0);
    changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    applyBrush(p);
    p.drawEllipse(shapeRect(x1, y1, x2, y2));
    changed();
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
    changed();
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    applyBrush(p);
    const QRectF r = shapeRect(x1, y1, x2, y2);
    const int a = rayAngle16(r, x3, y3);
    p.drawChord(r, a, span16(a, rayAngle16(r, x4, y4)));
    changed();
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    QPainter& p = Painter();
    applyPen(p, Pen);
    applyBrush(p);
    const QRectF r = shapeRect(x1, y1, x2, y2);
    const int a = rayAngle16(r, x3, y3);
    p.drawPie(r, a, span16(a, rayAngle16(r, x4, y4)));
    changed();
}

void TCanvas::FillRect(const QRect& r) {
    QPainter& p = Painter();
    if (Brush.Style != bsClear) {
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.fillRect(r, toQColor(Brush.Color));
    }
    changed();
}

void TCanvas::FrameRect(const QRect& r) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QColor c = toQColor(Brush.Color);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
    changed();
}

void TCanvas::DrawFocusRect(const QRect& r, TColor xorInk) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    QPainter& p = Painter();
    const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    p.save();
    p.setPen(Qt::NoPen);
    p.setCompositionMode(raster ? QPainter::RasterOp_SourceXorDestination
                                : QPainter::CompositionMode_SourceOver);
    const QColor ink = raster ? toQColor(xorInk) : QColor(0, 0, 0);
    // Every other pixel along the frame, as the system's dotted focus frame.
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            p.fillRect(QRect(x, y, 1, 1), ink);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top())
            dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left())
            dot(r.right(), y);
    }
    p.restore();
    changed();
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
        p.fillRect(QRect(left, baseline - fm.ascent(), w, fm.height()), toQColor(Brush.Color));
    p.drawText(QPoint(left, baseline), s);
    changed();
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
    changed();
}

void TCanvas::StretchDrawImage(const QRect& r, const QImage& image) {
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(r, image);
    changed();
}

void TCanvas::SetPixel(int x, int y, TColor c) {
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(x, y, 1, 1), toQColor(c));
    changed();
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
