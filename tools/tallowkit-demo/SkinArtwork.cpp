// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "SkinArtwork.h"

#include "MskBtnImgLst.h"
#include "oBitmapTrackBar.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace skinart {

const QColor Page(213, 230, 227);
const QColor Note(255, 255, 215);
const QColor Ink(0, 0, 157);

namespace {

const QColor Gold(245, 200, 60);

// The look of one state image.
struct Look {
    bool rolled, focused, pushed, checked, disabled;
};

Look lookOf(MBImageType role) {
    switch (role) {
    case imRolled:
        return {true, false, false, false, false};
    case imFocusedNormal:
        return {false, true, false, false, false};
    case imFocusedRolled:
        return {true, true, false, false, false};
    case imPushed:
        return {false, false, true, false, false};
    case imChecked:
        return {false, false, false, true, false};
    case imCheckedRolled:
        return {true, false, false, true, false};
    case imCheckedFocused:
        return {false, true, false, true, false};
    case imCheckedFocusedRolled:
        return {true, true, false, true, false};
    case imCheckedPushed:
        return {false, false, true, true, false};
    case imDisabled:
        return {false, false, false, false, true};
    case imCheckedDisabled:
        return {false, false, false, true, true};
    default:
        return {false, false, false, false, false};
    }
}

void paintGlyph(QPainter& p, QPointF c, double r, Glyph glyph, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    switch (glyph) {
    case Glyph::Play: {
        QPainterPath tri;
        tri.moveTo(c + QPointF(-r * 0.32, -r * 0.42));
        tri.lineTo(c + QPointF(r * 0.46, 0));
        tri.lineTo(c + QPointF(-r * 0.32, r * 0.42));
        tri.closeSubpath();
        p.drawPath(tri);
        break;
    }
    case Glyph::Stop:
        p.drawRoundedRect(QRectF(c.x() - r * 0.34, c.y() - r * 0.34, r * 0.68, r * 0.68), 2.5, 2.5);
        break;
    case Glyph::Reset: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, r * 0.14, Qt::SolidLine, Qt::RoundCap));
        const QRectF arc(c.x() - r * 0.4, c.y() - r * 0.4, r * 0.8, r * 0.8);
        p.drawArc(arc, 100 * 16, 290 * 16);
        QPainterPath head;
        const QPointF tip = c + QPointF(r * 0.4 * std::cos(100 * M_PI / 180),
                                        -r * 0.4 * std::sin(100 * M_PI / 180));
        head.moveTo(tip + QPointF(r * 0.22, -r * 0.02));
        head.lineTo(tip + QPointF(-r * 0.06, -r * 0.2));
        head.lineTo(tip + QPointF(-r * 0.04, r * 0.18));
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(head);
        break;
    }
    }
}

void paintRoundButton(QPainter& p, double size, Glyph glyph, Look look) {
    const QPointF centre(size / 2, size / 2);
    const double halo = 4.0;
    const double r = size / 2 - halo;
    const QPointF c = centre + (look.pushed ? QPointF(0.8, 1.2) : QPointF(0, 0));
    p.setRenderHint(QPainter::Antialiasing);
    // The mouse over the button lights a soft yellow halo around it.
    if (look.rolled) {
        QRadialGradient glow(centre, size / 2);
        glow.setColorAt(r / (size / 2) - 0.08, QColor(245, 200, 60, 255));
        glow.setColorAt(1.0, QColor(245, 200, 60, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, size / 2, size / 2);
    } else if (!look.pushed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 40, 55));
        p.drawEllipse(centre + QPointF(1.2, 2.0), r, r);
    }
    QColor top(52, 86, 214), bottom(0, 0, 150), rim(0, 0, 90), mark(255, 255, 255);
    if (look.disabled) {
        top = QColor(206, 212, 214);
        bottom = QColor(170, 180, 183);
        rim = QColor(140, 150, 154);
        mark = QColor(236, 240, 240);
    } else if (look.pushed) {
        top = QColor(0, 0, 110);
        bottom = QColor(26, 50, 170);
        rim = QColor(0, 0, 70);
    } else if (look.rolled) {
        // Under the mouse the body brightens as if lit.
        top = QColor(96, 136, 246);
        bottom = QColor(10, 30, 180);
    }
    QLinearGradient body(c - QPointF(0, r), c + QPointF(0, r));
    body.setColorAt(0, top);
    body.setColorAt(1, bottom);
    p.setPen(QPen(rim, 1.0));
    p.setBrush(body);
    p.drawEllipse(c, r - 0.5, r - 0.5);
    if (!look.pushed && !look.disabled) {
        QLinearGradient gloss(c - QPointF(0, r), c);
        gloss.setColorAt(0, QColor(255, 255, 255, 110));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(gloss);
        p.drawEllipse(QRectF(c.x() - r * 0.72, c.y() - r * 0.9, r * 1.44, r * 1.0));
    }
    // Checked: a gold ring inside the rim, muted when disabled.
    if (look.checked) {
        QColor ring = look.disabled ? QColor(214, 200, 150) : Gold;
        p.setPen(QPen(ring, 3.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r - 3.5, r - 3.5);
    }
    // Focused: a dotted pale ring just inside.
    if (look.focused) {
        QPen dots(QColor(255, 255, 215), 1.4, Qt::DotLine);
        p.setPen(dots);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r - 7.5, r - 7.5);
    }
    paintGlyph(p, c, r, glyph, mark);
}

} // namespace

void AddRoundButtonImages(TMskBtnImgLst& list, Glyph glyph) {
    for (int i = 0; i < TMskBtnImgLst::MaxImages; ++i) {
        const MBImageType role = list.ImageType(i);
        if (role == imNone)
            break;
        QImage img(list.Width(), list.Height(), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        paintRoundButton(p, list.Width(), glyph, lookOf(role));
        p.end();
        list.Add(img);
    }
}

QString RoleName(int role) {
    static const char* const names[] = {"none",
                                        "normal",
                                        "rolled",
                                        "focused",
                                        "focused + rolled",
                                        "pushed",
                                        "disabled",
                                        "checked",
                                        "checked + rolled",
                                        "checked + focused",
                                        "checked + focused + rolled",
                                        "checked + pushed",
                                        "checked + disabled"};
    return role >= 0 && role <= imCheckedDisabled ? names[role] : "";
}

QImage FrameSource() {
    QImage img(48, 48, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Middle: plain page colour, so that it fills any size in either mode.
    p.fillRect(QRect(16, 16, 16, 16), Page);
    p.setPen(Qt::NoPen);
    // Border band: dark blue outside, a pale yellow inlay, a thin ink line inside.
    QPainterPath band;
    band.addRect(QRectF(0, 0, 48, 48));
    band.addRect(QRectF(16, 16, 16, 16));
    p.setBrush(Ink);
    p.drawPath(band);
    QPainterPath inlay;
    inlay.addRect(QRectF(5, 5, 38, 38));
    inlay.addRect(QRectF(11, 11, 26, 26));
    p.setBrush(Note);
    p.drawPath(inlay);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 150, 220), 1.0));
    p.drawRect(QRectF(14.5, 14.5, 19, 19));
    // Beads along the inlay, one per 16 pixels, centred on each edge tile.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 110, 200));
    for (QPointF c : {QPointF(24, 8), QPointF(24, 40), QPointF(8, 24), QPointF(40, 24)})
        p.drawEllipse(c, 2.2, 2.2);
    // Corner ornaments: a gold star point on each corner tile.
    for (QPointF c : {QPointF(8, 8), QPointF(40, 8), QPointF(8, 40), QPointF(40, 40)}) {
        QPainterPath star;
        for (int k = 0; k < 8; ++k) {
            const double a = k * M_PI / 4;
            const double rad = k % 2 == 0 ? 5.5 : 2.0;
            const QPointF pt = c + QPointF(rad * std::cos(a), rad * std::sin(a));
            if (k == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        star.closeSubpath();
        p.setBrush(Gold);
        p.drawPath(star);
    }
    return img;
}

QImage TrackBarPicture(const oBitmapTrackBar& bar, bool disabled) {
    QImage img(bar.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(img.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool horizontal = bar.Orientation() == trHorizontal;
    QLinearGradient face(plate.topLeft(), horizontal ? plate.bottomLeft() : plate.topRight());
    face.setColorAt(0, disabled ? QColor(236, 238, 238) : QColor(252, 253, 240));
    face.setColorAt(1, disabled ? QColor(214, 218, 218) : QColor(226, 238, 234));
    p.setPen(QPen(disabled ? QColor(170, 176, 178) : QColor(150, 170, 200), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(plate, 7, 7);
    // The groove: sunken, dark blue inside, along the bar's channel.
    const QRectF groove = QRectF(bar.ChannelRect()).adjusted(2, 0.5, -2, -0.5);
    QLinearGradient inside(groove.topLeft(), horizontal ? groove.bottomLeft() : groove.topRight());
    inside.setColorAt(0, disabled ? QColor(160, 166, 170) : QColor(0, 0, 90));
    inside.setColorAt(1, disabled ? QColor(196, 200, 202) : QColor(40, 70, 190));
    p.setPen(QPen(disabled ? QColor(150, 156, 160) : QColor(0, 0, 60), 1.0));
    p.setBrush(inside);
    const double round = std::min(groove.width(), groove.height()) / 2;
    p.drawRoundedRect(groove, round, round);
    return img;
}

QImage TrackBarThumb(QSize size) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(img.rect()).adjusted(1, 1, -1, -1);
    QRadialGradient knob(r.center() - QPointF(r.width() * 0.2, r.height() * 0.25), r.width() * 0.8);
    knob.setColorAt(0, QColor(255, 255, 235));
    knob.setColorAt(0.5, Note);
    knob.setColorAt(1, Gold);
    p.setPen(QPen(QColor(120, 90, 10), 1.0));
    p.setBrush(knob);
    p.drawEllipse(r);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(r.center(), r.width() * 0.14, r.width() * 0.14);
    return img;
}

namespace {

QRectF orbitOf(QSize size) {
    const double a = size.width() * 0.36, b = size.height() * 0.3;
    return QRectF(size.width() / 2.0 - a, size.height() / 2.0 - b + 10, 2 * a, 2 * b);
}

} // namespace

void PaintOrbitBackground(QPainter& p, QSize size) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(7, 12, 40));
    sky.setColorAt(1, QColor(22, 42, 98));
    p.fillRect(QRect(QPoint(0, 0), size), sky);
    // A deterministic star field.
    unsigned seed = 20261208u;
    auto next = [&] {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / double(1u << 24);
    };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        const QPointF at(next() * size.width(), next() * size.height());
        const double r = 0.4 + 1.1 * next() * next();
        p.setBrush(QColor(255, 255, 255, int(90 + 165 * next() * next())));
        p.drawEllipse(at, r, r);
    }
    const QRectF orbit = orbitOf(size);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 150, 220, 150), 1.2, Qt::DashLine));
    p.drawEllipse(orbit);
    const QPointF star = orbit.center();
    QRadialGradient glow(star, 40);
    glow.setColorAt(0, QColor(255, 244, 190, 170));
    glow.setColorAt(0.4, QColor(255, 214, 110, 50));
    glow.setColorAt(1, QColor(255, 200, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(star, 40, 40);
    QRadialGradient body(star - QPointF(4, 4), 16);
    body.setColorAt(0, QColor(255, 255, 236));
    body.setColorAt(0.6, QColor(255, 232, 120));
    body.setColorAt(1, QColor(247, 178, 40));
    p.setBrush(body);
    p.drawEllipse(star, 13, 13);
}

void PaintOrbitingBody(QPainter& p, QSize size, double angle) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF orbit = orbitOf(size);
    const QPointF at(orbit.center().x() + orbit.width() / 2 * std::cos(angle),
                     orbit.center().y() - orbit.height() / 2 * std::sin(angle));
    QRadialGradient body(at - QPointF(3.5, 3.5), 14);
    body.setColorAt(0, QColor(190, 230, 255));
    body.setColorAt(0.55, QColor(70, 140, 220));
    body.setColorAt(1, QColor(10, 30, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(at, 8.5, 8.5);
}

} // namespace skinart
