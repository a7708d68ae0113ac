// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The double-buffered paint box: a body moving over a saved background, with labels
// lying above the box painted into what it shows.

#include "Designing.h"
#include "SkinArtwork.h"
#include "SkinnedPage.h"
#include "TLabel.h"
#include "oDoubleBufferedPaintBox.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <memory>

namespace {

constexpr double degreesPerTick = 1.5;
constexpr double daysPerTick = 4.0;

TFont labelFont(int pixels, bool bold, TColor colour) {
    TFont font("Arial", -pixels, colour);
    if (bold)
        font.Style = font.Style.with(fsBold);
    return font;
}

} // namespace

QWidget* MakePaintBoxTab(QWidget* parent) {
    QWidget* page = skinpage::MakePage(parent);
    skinpage::AddHeading(page, "Double-buffered paint box");
    skinpage::AddNote(page,
                      "The sky, the orbit and the star are drawn once and kept with Save. Every "
                      "50 ms the box reloads that snapshot, draws the planet at its new place and "
                      "shows the result with Visualize: no flicker. The captions are labels lying "
                      "above the box; AutoPaintSiblings paints them into the shown image.");

    auto* box = new oDoubleBufferedPaintBox(page);
    box->SetBounds(20, 96, 460, 330);
    box->AutoPaintSiblings = true;
    auto* title = new TLabel(page);
    title->SetFont(labelFont(15, true, RGB(255, 255, 215)));
    title->SetCaption("A planet on its orbit");
    title->move(32, 106);
    auto* readout = new TLabel(page);
    readout->SetFont(labelFont(12, false, RGB(190, 205, 240)));

    QPainter& sky = box->Buffer()->Canvas().Painter();
    sky.save();
    skinart::PaintOrbitBackground(sky, box->size());
    sky.restore();
    box->Save();

    auto tick = std::make_shared<int>(0);
    auto frame = [box, readout, tick] {
        box->ReloadSaved();
        QPainter& p = box->Buffer()->Canvas().Painter();
        p.save();
        skinart::PaintOrbitingBody(p, box->size(), (30 + *tick * degreesPerTick) * M_PI / 180);
        p.restore();
        readout->SetCaption(QString("day %1").arg(*tick * daysPerTick, 0, 'f', 0).toStdString());
        readout->move(box->x() + box->width() - readout->width() - 12,
                      box->y() + box->height() - readout->height() - 8);
        box->Visualize();
        ++*tick;
    };
    frame();
    auto* timer = new QTimer(page);
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, page, frame);
    timer->start();

    // A box on a form that a designer shows has no buffer and shows its placeholder.
    skinpage::AddCaption(page, "On a form designer's sheet: no buffer, only the placeholder",
                         QRect(500, 96, 196, 30));
    auto* sheet = new QWidget(page);
    sheet->setGeometry(500, 130, 196, 50);
    designing::SetDesigning(*sheet, true);
    QPalette white = sheet->palette();
    white.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(white);
    sheet->setAutoFillBackground(true);
    auto* placeholder = new oDoubleBufferedPaintBox(sheet);
    placeholder->SetBounds(8, 8, 180, 34);

    skinpage::AddCaption(page, "The saved snapshot", QRect(500, 200, 196, 18));
    auto* snapshot = new QLabel(page);
    snapshot->setGeometry(500, 222, 196, 141);
    snapshot->setPixmap(QPixmap::fromImage(box->Saved()->Image().scaled(
        snapshot->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    snapshot->setFrameStyle(QFrame::Box);
    return page;
}
