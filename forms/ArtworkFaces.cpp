// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Artwork.h"

#include "ArtworkStyle.h"
#include "BookText.h"

#include <QLinearGradient>

namespace artwork {

using namespace style;

namespace {

const FaceState threeStates[] = {FaceState::Normal, FaceState::Disabled, FaceState::Pressed};
const FaceState fourStates[] = {FaceState::Normal, FaceState::Disabled, FaceState::Pressed,
                                FaceState::Checked};

// Pressed faces sink by a pixel, as a real key does.
double sink(FaceState s) { return s == FaceState::Pressed ? 1.0 : 0.0; }

QColor markColour(FaceState s) {
    return s == FaceState::Disabled ? QColor(236, 240, 240) : QColor(255, 255, 255);
}

// A chevron pointing right (dir 1) or left (dir -1) centred on c.
void paintChevron(QPainter& p, QPointF c, double size, int dir, QColor colour, double width) {
    QPainterPath path;
    path.moveTo(c + QPointF(-dir * size * 0.35, -size * 0.6));
    path.lineTo(c + QPointF(dir * size * 0.35, 0));
    path.lineTo(c + QPointF(-dir * size * 0.35, size * 0.6));
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// An arrow with a shaft pointing left (dir -1) or right (dir 1).
void paintArrow(QPainter& p, QPointF c, double length, int dir, QColor colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(c + QPointF(-dir * length / 2, 0), c + QPointF(dir * length / 2, 0));
    QPainterPath head;
    head.moveTo(c + QPointF(dir * (length / 2 - length * 0.38), -length * 0.36));
    head.lineTo(c + QPointF(dir * length / 2, 0));
    head.lineTo(c + QPointF(dir * (length / 2 - length * 0.38), length * 0.36));
    p.setBrush(Qt::NoBrush);
    p.drawPath(head);
}

// A light face for captions that the button itself writes in black.
void paintBlankFace(QPainter& p, const QRectF& bounds, FaceState s) {
    const double radius = std::min(7.0, bounds.height() / 4);
    QRectF r = bounds.adjusted(0.5, 0.5, -1.5, -1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 40, s == FaceState::Pressed ? 0 : 40));
    p.drawRoundedRect(r.translated(1, 1), radius, radius);
    r.translate(sink(s), sink(s));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    QColor border(0, 0, 157);
    double borderWidth = 1.0;
    switch (s) {
    case FaceState::Normal:
        g.setColorAt(0, QColor(255, 255, 252));
        g.setColorAt(0.5, QColor(236, 244, 242));
        g.setColorAt(1, QColor(205, 222, 219));
        break;
    case FaceState::Disabled:
        g.setColorAt(0, QColor(238, 240, 240));
        g.setColorAt(1, QColor(222, 226, 226));
        border = QColor(160, 168, 172);
        break;
    case FaceState::Pressed:
        g.setColorAt(0, QColor(190, 208, 206));
        g.setColorAt(1, QColor(226, 236, 234));
        border = QColor(0, 0, 110);
        break;
    case FaceState::Checked:
        g.setColorAt(0, QColor(255, 255, 226));
        g.setColorAt(1, QColor(250, 232, 160));
        borderWidth = 2.0;
        break;
    }
    p.setPen(QPen(border, borderWidth));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    if (s == FaceState::Normal) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
        p.drawLine(QPointF(r.left() + radius, r.top() + 1.5),
                   QPointF(r.right() - radius, r.top() + 1.5));
    }
}

template <class Paint>
void addFaces(TImageList& list, const FaceState* states, int count, Paint paint) {
    for (int i = 0; i < count; ++i) {
        QImage img = transparentImage(list.Width(), list.Height());
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, states[i]);
        p.end();
        list.Add(img);
    }
}

} // namespace

void AddChapterButtonFaces(TImageList& list) {
    addFaces(list, threeStates, 3, [&](QPainter& p, FaceState s) {
        const QRectF r =
            QRectF(0.5, 0.5, list.Width() - 2, list.Height() - 2).translated(sink(s), sink(s));
        paintInkBody(p, r, 6, s);
        paintChevron(p, r.center() + QPointF(1, 0), 12, 1, markColour(s), 2.6);
    });
}

void AddNavFaces(TImageList& list) {
    for (int dir : {-1, 1})
        addFaces(list, fourStates, 4, [&](QPainter& p, FaceState s) {
            const QPointF c(list.Width() / 2.0 + sink(s), list.Height() / 2.0 + sink(s));
            const QRectF body(c.x() - 15.5, c.y() - 15.5, 31, 31);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 40, s == FaceState::Pressed ? 0 : 45));
            p.drawEllipse(body.translated(1, 1.5));
            paintInkBody(p, body, 15.5, s);
            paintArrow(p, c, 15, dir, markColour(s), 2.6);
        });
}

void AddGoBackFaces(TImageList& list) {
    addFaces(list, threeStates, 3, [&](QPainter& p, FaceState s) {
        const QRectF r =
            QRectF(0.5, 0.5, list.Width() - 2, list.Height() - 2).translated(sink(s), sink(s));
        paintInkBody(p, r, 8, s);
        paintArrow(p, QPointF(r.left() + 20, r.center().y()), 14, -1, markColour(s), 2.4);
        p.setPen(markColour(s));
        p.setFont(sans(14, true));
        p.drawText(r.adjusted(34, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   BookText("Book window", "Go back"));
    });
}

void AddBackArrowFaces(TImageList& list) {
    addFaces(list, threeStates, 3, [&](QPainter& p, FaceState s) {
        const QRectF r =
            QRectF(0.5, 0.5, list.Width() - 2, list.Height() - 2).translated(sink(s), sink(s));
        paintInkBody(p, r, 9, s);
        paintArrow(p, QPointF(r.center().x(), r.top() + 22), 24, -1, markColour(s), 3.0);
        p.setPen(markColour(s));
        p.setFont(sans(12, true));
        p.drawText(QRectF(r.left(), r.top() + 36, r.width(), 18), Qt::AlignCenter,
                   BookText("Book window", "back", "under the arrow that goes back"));
    });
}

void AddBlankFaces(TImageList& list, int states) {
    addFaces(list, fourStates, std::clamp(states, 1, 4), [&](QPainter& p, FaceState s) {
        paintBlankFace(p, QRectF(0, 0, list.Width(), list.Height()), s);
    });
}

} // namespace artwork
