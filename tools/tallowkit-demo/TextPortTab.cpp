// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The text port tab: a page of formatted text set by the text port, with sub- and
// superscripts, Greek letters from the symbol face, an inline fraction and table, a choice
// of alignment and an answer written with drawing off until the reader shows it. The page
// is laid out afresh on every paint, so it re-wraps as the window is resized.

#include "oFraction.h"
#include "oTable.h"
#include "oTextPortPaintBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const TColor Ink = RGB(20, 24, 40);
const TColor DarkBlue = RGB(0, 0, 157);
const TColor Paper = RGB(255, 255, 250);
const TColor Desk = RGB(213, 230, 227);

class TextPortPage : public QWidget {
public:
    explicit TextPortPage(QWidget* parent);

private:
    void WritePage();
    void Section(const char* title);
    std::ostream& Out() { return box_->Port().Stream(); }

    oTextPortPaintBox* box_;
    QCheckBox* showAnswer_;
    std::uint8_t alignment_ = 0;

    TFont heading_{"Arial", -22, DarkBlue, TFontStyles{}.with(fsBold)};
    TFont subheading_{"Arial", -16, DarkBlue, TFontStyles{}.with(fsBold)};
    TFont body_{"Arial", -15, Ink};
    TFont greek_{"Symbol", -15, Ink};
    TFont note_{"Arial", -13, RGB(90, 96, 110), TFontStyles{}.with(fsItalic)};
    oFraction shift_{"\xce\x94\xce\xbb", "\xce\xbb"};
    oFraction ratio_{"v", "c"};
    oTable planets_{4, 4};
};

TextPortPage::TextPortPage(QWidget* parent) : QWidget(parent) {
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel("Body text:"));
    auto* group = new QButtonGroup(this);
    const char* names[] = {"Left", "Right", "Centred"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(names[i]);
        button->setChecked(i == 0);
        group->addButton(button, i);
        controls->addWidget(button);
    }
    controls->addStretch();
    showAnswer_ = new QCheckBox("Show the answer");
    controls->addWidget(showAnswer_);

    box_ = new oTextPortPaintBox(this);
    box_->Color = Desk;
    box_->Font = body_;
    box_->setMinimumSize(200, 160);
    box_->OnPaint = [this] { WritePage(); };

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(box_, 1);

    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        alignment_ = std::uint8_t(id);
        box_->Invalidate();
    });
    connect(showAnswer_, &QCheckBox::toggled, this, [this] { box_->Invalidate(); });

    const char* cells[4][4] = {{"Planet", "a (AU)", "P (days)", "K (m/s)"},
                               {"51 Peg b", "0.052", "4.23", "55.9"},
                               {"Jupiter", "5.20", "4333", "12.7"},
                               {"Earth", "1.00", "365", "0.09"}};
    for (unsigned row = 0; row < 4; ++row) {
        for (unsigned col = 0; col < 4; ++col) {
            oTable::TCell& cell = planets_.Cell(col, row);
            cell.Text = cells[row][col];
            cell.Align = col == 0 ? oTable::Left : row == 0 ? oTable::Centre : oTable::Right;
        }
    }
    planets_.HorizontalMargin = 6;
    planets_.VerticalMargin = 2;
    planets_.DescentRatio = 0.5;
    shift_.DescentRatio = ratio_.DescentRatio = 0.4;
}

void TextPortPage::Section(const char* title) {
    oTextPort& port = box_->Port();
    port.Alignment = 0;
    Out() << ::size(-8) << "\n" << subheading_ << title << "\n" << ::size(-4) << "\n" << body_
          << std::flush;
    port.Alignment = alignment_;
}

void TextPortPage::WritePage() {
    oTextPort& port = box_->Port();
    TCanvas& canvas = box_->Canvas();
    const int margin = 16;
    const oRect sheet(margin, margin, box_->width() - 2 * margin, box_->height() - 2 * margin);
    canvas.Pen = TPen{RGB(150, 170, 166)};
    canvas.Brush = TBrush{Paper, bsSolid};
    port.SetFrame(sheet);
    port.Box();
    port.SetFrame(oRect(sheet.pos().x + 18, sheet.pos().y + 12, sheet.size().x - 36,
                        sheet.size().y - 24));
    port.SetAt(oVector(0, 0));
    port.SetLeading(2);
    std::ostream& out = Out();
    canvas.Pen = TPen{RGB(60, 70, 90)};

    port.Alignment = 2;
    out << heading_ << "Planets in the starlight" << "\n" << std::flush;
    Section("The Doppler shift");
    out << "A planet and its star circle their common centre of mass, so the star comes "
        << "towards us and recedes once an orbit. Its lines shift by " << greek_ << "Dl"
        << body_ << " with " << shift_ << " = " << ratio_ << " : "
        << TextColor{RGB(190, 30, 30)} << "redshifted" << TextColor{Ink} << " as it recedes, "
        << TextColor{RGB(30, 60, 200)} << "blueshifted" << TextColor{Ink}
        << " as it approaches. At " << greek_ << "l" << body_ << " = 500 nm, 10 m s"
        << power("\xe2\x88\x92" "1") << " moves a line by 1.7" << "\xc2\xb7" << "10"
        << power("\xe2\x88\x92" "5") << " nm.\n" << std::flush;

    Section("The semi-amplitude");
    out << "A planet of mass m" << index("p") << " sin " << tpItalicOn << "i" << tpItalicOff
        << " and period P round a star of mass M" << index("*") << " swings the star's "
        << "velocity by K = 28.4 m s" << power("\xe2\x88\x92" "1") << " (m" << index("p")
        << " sin " << tpItalicOn << "i" << tpItalicOff << " / M" << index("J") << ") (P / 1 yr)"
        << power("\xe2\x88\x92" "1/3") << " (M" << index("*") << " / M"
        << index("\xe2\x98\x89") << ")" << power("\xe2\x88\x92" "2/3") << ", "
        << tpUnderlineOn << "whatever the inclination hides" << tpUnderlineOff << ".\n"
        << std::flush;

    port.Alignment = 2;
    out << ::size(-8) << "\n" << body_ << planets_ << "\n" << note_
        << "Semi-amplitudes for a star of one solar mass, seen edge-on.\n" << body_
        << std::flush;

    Section("Try it");
    oTextPortPosition before, after;
    out << "51 Peg b circles its star in " << whereat(before) << tpBoldOn;
    if (!showAnswer_->isChecked())
        out << tpDrawOff;
    out << "4.23 days" << tpDrawOn << tpBoldOff << whereat(after)
        << ": read it off the velocity curve." << std::flush;
    if (!showAnswer_->isChecked()) {
        // The hidden answer keeps its space; a dotted rule marks where it goes.
        const oPoint origin = port.Frame().pos();
        canvas.Pen = TPen{RGB(120, 130, 150), 1, psDot};
        canvas.MoveTo(origin.x + before.baseline.x, origin.y + before.baseline.y + 2);
        canvas.LineTo(origin.x + after.baseline.x, origin.y + after.baseline.y + 2);
    }
}

} // namespace

QWidget* MakeTextPortTab(QWidget* parent) { return new TextPortPage(parent); }
