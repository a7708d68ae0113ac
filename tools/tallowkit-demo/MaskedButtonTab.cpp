// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Round masked buttons with all twelve state images, and the images themselves.

#include "MaskedButton.h"
#include "SkinArtwork.h"
#include "SkinnedPage.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>
#include <memory>

namespace {

constexpr int buttonSize = 72;

std::unique_ptr<TMskBtnImgLst> roundImages(skinart::Glyph glyph) {
    auto list = std::make_unique<TMskBtnImgLst>();
    list->SetAllowedSet(asPushed | asFocused | asChecked | asRolled | asDisabled);
    list->SetSize(buttonSize, buttonSize);
    skinart::AddRoundButtonImages(*list, glyph);
    return list;
}

// The panel behind the buttons: its pattern shows through their transparent corners.
class Console : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient face(r.topLeft(), r.bottomLeft());
        face.setColorAt(0, skinart::Note);
        face.setColorAt(1, QColor(240, 236, 190));
        p.setPen(QPen(QColor(150, 170, 200), 1.0));
        p.setBrush(face);
        p.drawRoundedRect(r, 10, 10);
        p.setPen(QPen(QColor(220, 214, 160), 1.0));
        for (int x = -height(); x < width(); x += 9)
            p.drawLine(x, height() - 2, x + height(), 2);
    }
};

// All images of one list, each with the state it depicts.
class ContactSheet : public QWidget {
public:
    ContactSheet(QWidget* parent, const TMskBtnImgLst& list) : QWidget(parent), list_(list) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(150, 170, 200), 1.0));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
        QFont small("Arial");
        small.setPixelSize(10);
        p.setFont(small);
        const int columns = 4, cellW = width() / columns, cellH = 108;
        for (int i = 0; i < list_.Count(); ++i) {
            const QRect cell((i % columns) * cellW, 8 + (i / columns) * cellH, cellW, cellH);
            p.drawImage(cell.center().x() - buttonSize / 2, cell.top() + 4, list_.Image(i));
            p.setPen(skinart::Ink);
            p.drawText(QRect(cell.left() + 2, cell.top() + buttonSize + 6, cell.width() - 4, 28),
                       Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                       QString("%1  %2").arg(i).arg(skinart::RoleName(list_.ImageType(i))));
        }
    }

private:
    const TMskBtnImgLst& list_;
};

} // namespace

QWidget* MakeMaskedButtonTab(QWidget* parent) {
    QWidget* page = skinpage::MakePage(parent);
    skinpage::AddHeading(page, "Masked buttons");
    skinpage::AddNote(page,
                      "Round buttons with one image per state. Only the opaque disc answers the "
                      "mouse: a press on a corner falls through to the panel behind. Start is the "
                      "Default button (Enter), Reset the Cancel button (Esc); Stop is shown "
                      "Checked, and the last button is disabled.");

    // The lists belong to the page; whichever goes first, the buttons let go of them.
    auto* lists = new QObject(page);
    auto keep = [lists](std::unique_ptr<TMskBtnImgLst> list) {
        TMskBtnImgLst* raw = list.release();
        QObject::connect(lists, &QObject::destroyed, [raw] { delete raw; });
        return raw;
    };
    TMskBtnImgLst* play = keep(roundImages(skinart::Glyph::Play));
    TMskBtnImgLst* stop = keep(roundImages(skinart::Glyph::Stop));
    TMskBtnImgLst* reset = keep(roundImages(skinart::Glyph::Reset));

    auto* console = new Console(page);
    console->setGeometry(20, 100, 350, 120);
    auto* readout = new QLabel(page);
    readout->setGeometry(20, 228, 350, 20);
    readout->setText("Click a button, or press Enter or Esc.");

    struct Face {
        TMskBtnImgLst* images;
        const char* name;
    };
    const Face faces[] = {{play, "Start"}, {stop, "Stop"}, {reset, "Reset"}, {play, "Disabled"}};
    TMaskedButton* buttons[4] = {};
    for (int i = 0; i < 4; ++i) {
        auto* button = new TMaskedButton(console);
        button->SetMasked(true);
        button->SetButtonImages(faces[i].images);
        button->move(14 + i * 84, 24);
        const QString name = faces[i].name;
        button->OnClick = [readout, button, name] {
            readout->setText(
                QString("%1 clicked; it shows image %2 (%3).")
                    .arg(name)
                    .arg(button->ActiveImage())
                    .arg(skinart::RoleName(button->Images()->ImageType(button->ActiveImage()))));
        };
        buttons[i] = button;
    }
    buttons[0]->SetDefault(true);
    buttons[1]->SetChecked(true);
    buttons[2]->SetCancel(true);
    buttons[3]->setEnabled(false);

    skinpage::AddCaption(page, "Hit-testing", QRect(20, 262, 350, 18));
    auto* hit = new QLabel(page);
    hit->setWordWrap(true);
    hit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hit->setGeometry(20, 282, 350, 90);
    hit->setText("Each button keeps a hit mask of the image it shows: black where the image is "
                 "opaque. The mouse rolls over, presses and clicks only there, so the four "
                 "72 x 72 squares behave as discs and the panel's stripes show in their "
                 "corners.");

    skinpage::AddCaption(page, "Masked off", QRect(20, 384, 350, 18));
    auto* unmasked = new TMaskedButton(page);
    unmasked->SetButtonImages(play);
    unmasked->move(20, 406);
    auto* unmaskedNote = new QLabel(page);
    unmaskedNote->setWordWrap(true);
    unmaskedNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    unmaskedNote->setGeometry(106, 406, 264, 72);
    unmaskedNote->setText("Without Masked the images are drawn whole, transparent parts and "
                          "all, and the whole square answers the mouse.");

    skinpage::AddCaption(page, "The twelve images of the Start button's list, in list order",
                         QRect(390, 96, 310, 18));
    auto* sheet = new ContactSheet(page, *play);
    sheet->setGeometry(390, 118, 310, 336);
    return page;
}
