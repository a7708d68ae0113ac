// SPDX-License-Identifier: GPL-3.0-or-later AND CC-BY-SA-4.0
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "Artwork.h"

#include "ArtworkStyle.h"
#include "BookText.h"

#include <QLinearGradient>
#include <cmath>

namespace artwork {

using namespace style;

namespace {

// A tilted orbit with its planet and the star's small reflex orbit around the centre.
void paintSystem(QPainter& p, QPointF centre, double a, double b, double tilt_deg,
                 double planetAngle_deg, double starRadius) {
    p.save();
    p.translate(centre);
    p.rotate(tilt_deg);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 190, 255, 150), 1.4));
    p.drawEllipse(QPointF(0, 0), a, b);
    p.setPen(QPen(QColor(255, 230, 150, 120), 1.0, Qt::DashLine));
    p.drawEllipse(QPointF(0, 0), a * 0.06, b * 0.06);
    const double t = planetAngle_deg * M_PI / 180.0;
    const QPointF planet(a * std::cos(t), b * std::sin(t));
    p.restore();
    paintStar(p, centre, starRadius);
    QTransform tr;
    tr.translate(centre.x(), centre.y());
    tr.rotate(tilt_deg);
    paintPlanet(p, tr.map(planet), starRadius * 0.36, QColor(120, 170, 235));
}

// A band of spectrum with absorption lines shifted by `shift` pixels.
void paintSpectrum(QPainter& p, const QRectF& r, double shift) {
    QLinearGradient g(r.topLeft(), r.topRight());
    const QColor stops[] = {QColor(120, 40, 200), QColor(40, 80, 255),  QColor(0, 200, 230),
                            QColor(60, 220, 80),  QColor(250, 240, 60), QColor(255, 150, 30),
                            QColor(220, 30, 30)};
    for (int i = 0; i < 7; ++i)
        g.setColorAt(i / 6.0, stops[i]);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, 3, 3);
    const double lines[] = {0.12, 0.27, 0.31, 0.48, 0.63, 0.66, 0.81, 0.9};
    p.setPen(QPen(QColor(10, 10, 25, 220), 2.0));
    for (double x : lines) {
        const double px = r.left() + x * r.width() + shift;
        if (px > r.left() + 2 && px < r.right() - 2)
            p.drawLine(QPointF(px, r.top() + 1), QPointF(px, r.bottom() - 1));
    }
}

} // namespace

QImage SplashPicture() {
    QImage img = screenImage(792, 554, QImage::Format_RGB32, NightTop);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintNightSky(p, QRect(0, 0, 792, 554), 260, 1997u);

    paintSystem(p, QPointF(575, 215), 165, 58, -14, 28, 24);

    p.setPen(QColor(255, 255, 255));
    p.setFont(serif(52, true));
    p.drawText(QPointF(56, 150), BookText("Splash", "Doppler", "the title's first line"));
    p.drawText(QPointF(56, 210), BookText("Splash", "spectroscopy", "the title's second line"));
    p.setPen(QColor(186, 206, 240));
    p.setFont(serif(21, false, true));
    p.drawText(QPointF(58, 250),
               BookText("Splash", "Finding planets from the wobble of their star"));

    // The measured signal: the star's radial velocity and its shifting spectral lines.
    const QRectF curve(56, 330, 680, 90);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1.0));
    p.drawLine(QPointF(curve.left(), curve.center().y()),
               QPointF(curve.right(), curve.center().y()));
    paintVelocityCurve(p, curve, 2.5, 3.0);
    paintSpectrum(p, QRectF(56, 448, 330, 16), -4);
    paintSpectrum(p, QRectF(406, 448, 330, 16), 5);
    p.setFont(sans(12));
    p.setPen(QColor(150, 175, 230));
    p.drawText(QRectF(56, 468, 330, 18), Qt::AlignCenter,
               BookText("Splash", "approaching: lines shift to the blue"));
    p.drawText(QRectF(406, 468, 330, 18), Qt::AlignCenter,
               BookText("Splash", "receding: lines shift to the red"));

    p.setPen(QColor(255, 246, 196));
    p.setFont(sans(15, true));
    p.drawText(QRectF(0, 510, 792, 26), Qt::AlignCenter,
               BookText("Book window", "Click or press Enter to begin"));
    return img;
}

namespace {

struct ContentsEntry {
    const char* number;
    const char* title;
    const char* summary;
};

const ContentsEntry contentsEntries[6] = {
    {"1", QT_TRANSLATE_NOOP("Contents", "Doppler spectroscopy"),
     QT_TRANSLATE_NOOP("Contents", "How a star's motion shifts the light we receive")},
    {"2", QT_TRANSLATE_NOOP("Contents", "The simulation"),
     QT_TRANSLATE_NOOP("Contents", "A star and one planet: reading the velocity curve")},
    {"3", QT_TRANSLATE_NOOP("Contents", "One planet"),
     QT_TRANSLATE_NOOP("Contents", "How mass, distance, shape and tilt change the signal")},
    {"4", QT_TRANSLATE_NOOP("Contents", "Two planets"),
     QT_TRANSLATE_NOOP("Contents", "Untangling the velocity curve of two planets")},
    {"5", QT_TRANSLATE_NOOP("Contents", "Free experiment"),
     QT_TRANSLATE_NOOP("Contents", "Build a planetary system of your own")},
    {"6", QT_TRANSLATE_NOOP("Contents", "Finding a planet"),
     QT_TRANSLATE_NOOP("Contents", "Observe, search, fold, fit and weigh, as astronomers do")},
};

} // namespace

QImage ContentsPicture() {
    QImage img = screenImage(792, 554, QImage::Format_RGB32, Page);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Banner: the night sky with a small planetary system.
    const QRect banner(0, 0, 792, 186);
    paintNightSky(p, banner, 150, 2024u);
    paintSystem(p, QPointF(640, 96), 110, 34, -10, 200, 15);
    p.setPen(Qt::white);
    p.setFont(serif(40, true));
    p.drawText(QPointF(56, 92), BookText("Contents", "Doppler spectroscopy"));
    p.setPen(QColor(186, 206, 240));
    p.setFont(serif(19, false, true));
    p.drawText(QPointF(58, 128),
               BookText("Contents", "An interactive book on finding planets around other stars"));
    QLinearGradient edge(0, 186, 0, 194);
    edge.setColorAt(0, QColor(0, 0, 60, 90));
    edge.setColorAt(1, QColor(0, 0, 60, 0));
    p.fillRect(QRect(0, 186, 792, 8), edge);

    p.setPen(Ink);
    p.setFont(serif(22, true));
    p.drawText(QPointF(95, 232), BookText("Contents", "Contents"));
    p.setPen(QPen(QColor(0, 0, 157, 90), 1.0));
    p.drawLine(QPointF(95, 240), QPointF(440, 240));

    for (int i = 0; i < int(std::size(contentsEntries)); ++i) {
        const int top = 251 + 45 * i;
        const ContentsEntry& e = contentsEntries[i];
        p.setPen(Ink);
        p.setFont(serif(20, true));
        p.drawText(QPointF(136, top + 15),
                   QString("%1  %2").arg(e.number, BookText("Contents", e.title)));
        p.setPen(QColor(60, 84, 92));
        p.setFont(sans(12));
        p.drawText(QPointF(137, top + 32), BookText("Contents", e.summary));
    }

    // A note card with a velocity curve, the book's subject at a glance.
    const QRectF card(488, 226, 258, 236);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(card.translated(3, 3), 8, 8);
    p.setBrush(Note);
    p.setPen(QPen(QColor(190, 180, 120), 1.0));
    p.drawRoundedRect(card, 8, 8);
    p.setPen(Ink);
    p.setFont(serif(16, true));
    p.drawText(QRectF(card.left(), card.top() + 10, card.width(), 22), Qt::AlignCenter,
               BookText("Contents", "The star's radial velocity"));
    const QRectF plot(card.left() + 30, card.top() + 46, card.width() - 48, 130);
    p.setPen(QPen(QColor(80, 80, 110), 1.0));
    p.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.left(), plot.bottom()));
    p.drawLine(QPointF(plot.left(), plot.center().y()), QPointF(plot.right(), plot.center().y()));
    paintVelocityCurve(p, plot.adjusted(2, 10, 0, -10), 1.5, 2.4);
    p.setFont(sans(11));
    p.setPen(QColor(60, 60, 90));
    p.drawText(QRectF(plot.left(), plot.bottom() + 4, plot.width(), 16), Qt::AlignRight,
               BookText("Contents", "time"));
    p.save();
    p.translate(card.left() + 18, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-40, -10, 80, 14), Qt::AlignCenter, BookText("Contents", "v (m/s)"));
    p.restore();
    p.setFont(sans(12));
    p.setPen(QColor(40, 40, 70));
    p.drawText(QRectF(card.left() + 14, plot.bottom() + 22, card.width() - 28, 40),
               Qt::AlignCenter | Qt::TextWordWrap,
               BookText("Contents",
                        "A planet tugs its star to and fro: the period and size of the swing "
                        "reveal it."));
    return img;
}

QImage AboutPicture() {
    QImage img = transparentImage(124, 135);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(2, 2, 120, 131), 12, 12);
    p.setClipPath(frame);
    paintNightSky(p, QRect(0, 0, 124, 135), 45, 31u);
    paintSystem(p, QPointF(62, 58), 44, 16, -18, 35, 10);
    paintVelocityCurve(p, QRectF(12, 98, 100, 22), 1.5, 2.0);
    p.setClipping(false);
    p.setPen(QPen(QColor(0, 0, 90), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    return img;
}

} // namespace artwork
