// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "RealSystemsForm.h"

#include "Artwork.h"
#include "realsystems/CardTexts.h"
#include "realsystems/TRealSystemsForm.h"
#include "model/simulation/RealSystems.h"

#include "BookText.h"
#include "NumberText.h"
#include "WidgetColour.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

constexpr int RowHeight = 21;
constexpr int HeaderHeight = 38;
// The book's client area and menu bar at 100 %, in pixels.
constexpr int MaxClientHeight = 554 + 22;
constexpr int ColumnWidths[] = {150, 66, 58, 84, 62, 66, 64, 72, 56};
constexpr const char* Headings[] = {
    QT_TRANSLATE_NOOP("Real planetary systems", "System"),
    QT_TRANSLATE_NOOP("Real planetary systems", "Star mass\n(solar)"),
    QT_TRANSLATE_NOOP("Real planetary systems", "Planet"),
    QT_TRANSLATE_NOOP("Real planetary systems", "P (days)"),
    QT_TRANSLATE_NOOP("Real planetary systems", "K (m/s)"),
    QT_TRANSLATE_NOOP("Real planetary systems", "e"),
    QT_TRANSLATE_NOOP("Real planetary systems", "ω (°)"),
    QT_TRANSLATE_NOOP("Real planetary systems", "m sin i\n(Jupiter)"),
    QT_TRANSLATE_NOOP("Real planetary systems", "a (AU)")};

// A value with the decimals its source gives it (an undefined one as "—"); thousands apart
// from 10 000 on.
QString Number(const TPublished& value) {
    if (std::isnan(value.Value))
        return QString::fromStdString(value.Text());
    QString text = FixedText(value.Value, value.Decimals);
    const QString point = QLocale().decimalPoint();
    const int end = text.contains(point) ? int(text.indexOf(point)) : int(text.size());
    if (value.Value >= 10000.0)
        text.insert(end - 3, ' ');
    return text;
}

// The derived semi-major axis, to three significant figures.
QString Derived(double a_AU) { return FiguresText(a_AU, 3); }

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// One row per planet, the system's name and star mass spanning them, then the line on
// why the system matters across the whole table.
void fillTable(TRealSystemsForm& f) {
    QTableWidget& table = *f.SystemTable;
    const auto& systems = RealSystems();
    int rows = 0;
    for (const TRealSystem& system : systems)
        rows += int(system.Planets.size()) + 1;
    table.setRowCount(rows);

    QFont italic = table.font();
    italic.setItalic(true);
    QFont bold = table.font();
    bold.setBold(true);
    int row = 0;
    for (std::size_t s = 0; s < systems.size(); ++s) {
        const TRealSystem& system = systems[s];
        const int planets = int(system.Planets.size());
        QTableWidgetItem* name = cell(CardSystemName(system), Qt::AlignLeft);
        name->setFont(bold);
        table.setItem(row, 0, name);
        QTableWidgetItem* mass = cell(Number(system.StarMass), Qt::AlignHCenter);
        mass->setToolTip(CardText(system.StarMassWhere));
        table.setItem(row, 1, mass);
        if (planets > 1) {
            table.setSpan(row, 0, planets, 1);
            table.setSpan(row, 1, planets, 1);
        }
        for (const TRealPlanet& planet : system.Planets) {
            table.setItem(row, 2, cell(CardPlanetName(planet), Qt::AlignHCenter));
            table.setItem(row, 3, cell(Number(planet.Period), Qt::AlignRight));
            table.setItem(row, 4, cell(Number(planet.K) + (planet.KComputed ? "*" : " "),
                                       Qt::AlignRight));
            table.setItem(row, 5, cell(Number(planet.Ecc), Qt::AlignRight));
            table.setItem(row, 6, cell(Number(planet.Omega), Qt::AlignRight));
            table.setItem(row, 7, cell(Number(planet.Mass) + (planet.TrueMass ? "†" : " "),
                                       Qt::AlignRight));
            table.setItem(row, 8, cell(Derived(planet.a_AU), Qt::AlignRight));
            // Where the row's values stand in their source, for the reader who checks them.
            for (int column = 2; column < 8; ++column)
                table.item(row, column)->setToolTip(CardText(planet.Where));
            f.RowSystem.push_back(int(s));
            ++row;
        }
        QTableWidgetItem* why = cell("    " + CardText(system.Significance), Qt::AlignLeft);
        why->setFont(italic);
        why->setForeground(artwork::Ink);
        table.setItem(row, 0, why);
        table.setSpan(row, 0, 1, table.columnCount());
        f.RowSystem.push_back(int(s));
        ++row;
    }
}

QLabel* wrappedLabel(TRealSystemsForm& f, QRect place, const QString& text) {
    auto* label = new QLabel(text, &f);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // As high as the wrapped text needs, whatever the font.
    label->setFixedHeight(std::max(place.height(), label->heightForWidth(place.width())));
    return label;
}

} // namespace

void DefineRealSystemsForm(TRealSystemsForm& f) {
    f.setWindowFlags(Qt::Window);
    f.SetCaption(BookText("Real planetary systems", "Real planetary systems").toStdString());
    f.SetBorderStyle(bsSingle);
    f.SetCentred(true);
    f.SetFont(TFont("Arial", -13, clBlack));
    f.SetColor(RGB(213, 230, 227));
    f.hide();

    int tableWidth = 2;
    for (int width : ColumnWidths)
        tableWidth += width;
    f.SystemTable = new QTableWidget(0, int(std::size(ColumnWidths)), &f);
    f.SystemTable->setAccessibleName(BookText("Real planetary systems", "Real planetary systems"));
    QTableWidget& table = *f.SystemTable;
    for (int c = 0; c < table.columnCount(); ++c) {
        table.setColumnWidth(c, ColumnWidths[c]);
        table.setHorizontalHeaderItem(
            c, new QTableWidgetItem(BookText("Real planetary systems", Headings[c])));
    }
    table.horizontalHeader()->setFixedHeight(HeaderHeight);
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table.horizontalHeader()->setHighlightSections(false);
    table.verticalHeader()->hide();
    table.verticalHeader()->setDefaultSectionSize(RowHeight);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.setGridStyle(Qt::DotLine);
    QPalette colours = table.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Base, artwork::Note);
        colours.setColor(group, QPalette::Highlight, artwork::Ink);
        colours.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    table.setPalette(colours);
    fillTable(f);
    const int tableHeight = HeaderHeight + table.rowCount() * RowHeight + 2;
    table.setGeometry(12, 12, tableWidth, tableHeight);

    int top = 12 + tableHeight + 8;
    f.NoteLabel = wrappedLabel(
        f, QRect(12, top, tableWidth, 0),
        BookText(
            "Real planetary systems",
            "m sin i is the least mass the planet can have: the spectrum gives its mass times the "
            "sine of the orbit's inclination († marks a true mass, where the inclination is "
            "known). Astrometry gives Upsilon Andromedae c and d true masses of about 14 and 10 "
            "Jupiter masses, far above m sin i. Gliese 876's giants c and b pull each other round "
            "in their 2:1 resonance within a few years: a fit of fixed orbits to its measurements "
            "makes c nearly circular and adds a harmonic at 15 days that is no planet. Its m sin i "
            "come from the masses of a fit with the pulls, at the inclination it finds (59°); its "
            "fourth planet, e (124 days), is left out, as the simulation holds three. ω, the "
            "argument of periastron, sets the shape of the curve; for the Sun's planets it depends "
            "on where the Sun is seen from (—). * marks a K computed from the source's elements. a "
            "is derived from P and the masses, so the simulated periods are the catalogue's. Every "
            "planet starts at periastron at time 0, so the curves of several planets add up to an "
            "offset at the start. Set up puts these values into the simulation exactly; moving a "
            "slider afterwards takes that slider's steps."));
    top += f.NoteLabel->height() + 6;

    // The citations are the same in every language.
    QStringList cited;
    for (const std::string& source : RealSystemSources())
        cited << QString::fromStdString(source);
    f.SourcesLabel = wrappedLabel(
        f, QRect(12, top, tableWidth, 0),
        BookText("Real planetary systems", "Sources: %1.", "the citations, separated by semicolons")
            .arg(cited.join("; ")));
    top += f.SourcesLabel->height() + 10;

    f.ButtonImages = std::make_unique<TImageList>(110, 36);
    artwork::AddBlankFaces(*f.ButtonImages, 3);
    f.SetUpButton = new oBitBtn(&f);
    f.SetUpButton->setGeometry(12, top, 110, 36);
    f.SetUpButton->SetCaption(BookText("Real planetary systems", "Set up").toStdString());
    f.SetUpButton->SetImages(f.ButtonImages.get());
    f.SetUpButton->NumGlyphs = 3;
    // Three lines beside the buttons, a few pixels above and below them: what Set up does
    // takes three.
    f.SetUpLabel = wrappedLabel(f, QRect(134, top - 6, tableWidth - 122 - 122 - 122, 48), "");
    f.DataButton = new oBitBtn(&f);
    f.DataButton->setGeometry(12 + tableWidth - 110 - 122, top, 110, 36);
    f.DataButton->SetCaption(BookText("Real planetary systems", "Measurements").toStdString());
    f.DataButton->setAccessibleName(
        BookText("Real planetary systems", "Open the published measurements of the chosen star"));
    f.DataButton->SetImages(f.ButtonImages.get());
    f.DataButton->NumGlyphs = 3;
    f.CloseButton = new oBitBtn(&f);
    f.CloseButton->setGeometry(12 + tableWidth - 110, top, 110, 36);
    f.CloseButton->SetCaption(BookText("Real planetary systems", "Close").toStdString());
    f.CloseButton->SetImages(f.ButtonImages.get());
    f.CloseButton->NumGlyphs = 3;
    f.SetCancelButton(f.CloseButton);
    // The card fits wherever the book does: no higher than the book's client area and menu
    // bar. The table gives up the rows that do not fit and scrolls, widened by its scroll bar.
    const int excess = top + 36 + 12 - MaxClientHeight;
    int width = tableWidth + 24;
    if (excess > 0) {
        const int scrollBar = table.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        table.setGeometry(12, 12, tableWidth + scrollBar, tableHeight - excess);
        for (QWidget* below : std::initializer_list<QWidget*>{
                 f.NoteLabel, f.SourcesLabel, f.SetUpButton, f.SetUpLabel, f.DataButton,
                 f.CloseButton})
            below->move(below->x(), below->y() - excess);
        top -= excess;
        width += scrollBar;
    }
    f.SetClientSize(width, top + 36 + 12);

    QObject::connect(&table, &QTableWidget::itemSelectionChanged,
                     [&f] { f.SystemTableSelectionChange(); });
    QObject::connect(f.SetUpButton, &QPushButton::clicked, [&f] { f.SetUpButtonClick(); });
    QObject::connect(f.DataButton, &QPushButton::clicked, [&f] { f.DataButtonClick(); });
    QObject::connect(f.CloseButton, &QPushButton::clicked, [&f] { f.CloseButtonClick(); });
    f.FollowChapter();
}
