// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Every page at a zoom (150 % unless DOPPLER_TEST_ZOOM names another; CTest runs it at every
// level from 50 to 200 %): the text of each page, question and control lies inside its box,
// as measured by the layout, every control inside the window and inside the control that
// holds it, and the window is drawn whole
// at its device pixels, as it is at one pixel a pixel, and no control stands on another (nor
// on a text box's text); the same for every dialog. A zoom below 100 % runs on a screen
// of doubled pixels, the only kind that draws it. The language is the one the shared main
// installs (DOPPLER_TEST_LANGUAGE).

#include "BookFixture.h"
#include "Zoom.h"

#include "book/TAboutBox.h"
#include "observing/TObservingRunForm.h"
#include "realsystems/TRealSystemsForm.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"
#include "spectrum/TSpectrumForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <memory>
#include <utility>
#include <vector>

namespace {

int ZoomLevel() {
    const char* level = std::getenv("DOPPLER_TEST_ZOOM");
    return level ? std::atoi(level) : 150;
}

// The overall scale: the zoom, times 2 below 100 %.
double Scale() { return ZoomLevel() / (ZoomLevel() < 100 ? 50.0 : 100.0); }

// Read once, when the shared main makes the application, so it is set before main runs: the
// zoom as the book applies it, over a user's scale factor of 2 below 100 %.
const int scaleFactorSet = [] {
    const int set =
        ZoomLevel() < 100 ? setenv("QT_SCALE_FACTOR", "2", 1) : unsetenv("QT_SCALE_FACTOR");
    zoom::Apply(ZoomLevel());
    return set;
}();

// The mean colour of `area` of `image`, as the sum of its channels' means.
std::array<double, 3> MeanColour(const QImage& image, const QRect& area) {
    std::array<double, 3> sum{};
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            sum[0] += qRed(pixel);
            sum[1] += qGreen(pixel);
            sum[2] += qBlue(pixel);
        }
    const double count = std::max<qsizetype>(1, qsizetype(inside.width()) * inside.height());
    return {sum[0] / count, sum[1] / count, sum[2] / count};
}

// The controls of `window` that show something of their own: shown, and with no shown
// child covering them.
std::vector<const QWidget*> ShownLeaves(const QWidget& window) {
    std::vector<const QWidget*> leaves;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->isWindow() || control->width() < 8 ||
            control->height() < 8)
            continue;
        const auto children = control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        if (std::none_of(children.begin(), children.end(),
                         [&](const QWidget* child) { return child->isVisibleTo(&window); }))
            leaves.push_back(control);
    }
    return leaves;
}

// Every shown control lies inside the window and looks, in the window drawn at its device
// pixels and brought back to one pixel a pixel, as it does drawn at one pixel a pixel.
// `parked` is a control kept outside the window on purpose (the splash page's key target).
void ExpectDrawnWhole(QWidget& window, const QWidget* parked) {
    QImage plain(window.size(), QImage::Format_RGB32);
    plain.fill(Qt::magenta);
    window.render(&plain);
    const QImage shown = window.grab().toImage().scaled(window.size(), Qt::IgnoreAspectRatio,
                                                         Qt::SmoothTransformation);
    ASSERT_EQ(window.grab().size(), window.size() * Scale());
    for (const QWidget* control : ShownLeaves(window)) {
        if (control == parked)
            continue;
        const QRect area(control->mapTo(&window, QPoint(0, 0)), control->size());
        SCOPED_TRACE(control->metaObject()->className());
        // A frame may hide its outer line one pixel past the edge.
        EXPECT_TRUE(window.rect().adjusted(-1, -1, 1, 1).contains(area))
            << "at " << area.x() << ", " << area.y() << " of " << area.width() << " x "
            << area.height();
        const auto a = MeanColour(plain, area);
        const auto b = MeanColour(shown, area);
        EXPECT_LT(std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]), 45)
            << "at " << area.x() << ", " << area.y() << " of " << area.width() << " x "
            << area.height();
    }
}

std::string Named(const QWidget& control) {
    std::string name = control.metaObject()->className();
    if (!control.objectName().isEmpty())
        name += " " + control.objectName().toStdString();
    if (!control.accessibleName().isEmpty())
        name += " \"" + control.accessibleName().toStdString() + "\"";
    return name;
}

// What `control` paints by itself, without its background: the pixels it covers. Of a text
// box, whose controls may stand on it, only the lines of its text count.
QImage Painted(const QWidget& control) {
    QImage image(control.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (const auto* box = qobject_cast<const QTextEdit*>(control.parentWidget());
        box && box->viewport() == &control) {
        QPainter painter(&image);
        const QPointF scrolled(box->horizontalScrollBar()->value(),
                               box->verticalScrollBar()->value());
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            const QTextLayout* layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i)
                painter.fillRect(layout->lineAt(i).naturalTextRect().translated(
                                     layout->position() - scrolled),
                                 Qt::black);
        }
        return image;
    }
    const_cast<QWidget&>(control).render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// No two shown controls of `window` paint the same pixel, so that none hides part of
// another: a question's buttons may stand on its text box, but not on its text.
void ExpectNoOverlaps(const QWidget& window) {
    const std::vector<const QWidget*> leaves = ShownLeaves(window);
    std::vector<QRect> areas;
    for (const QWidget* control : leaves)
        areas.emplace_back(control->mapTo(&window, QPoint(0, 0)), control->size());
    for (std::size_t i = 0; i < leaves.size(); ++i)
        for (std::size_t j = i + 1; j < leaves.size(); ++j) {
            const QRect both = areas[i] & areas[j];
            if (both.isEmpty())
                continue;
            const QImage a = Painted(*leaves[i]);
            const QImage b = Painted(*leaves[j]);
            int shared = 0;
            for (int y = both.top(); y <= both.bottom(); ++y)
                for (int x = both.left(); x <= both.right(); ++x)
                    if (qAlpha(a.pixel(x - areas[i].x(), y - areas[i].y())) > 0 &&
                        qAlpha(b.pixel(x - areas[j].x(), y - areas[j].y())) > 0)
                        ++shared;
            EXPECT_EQ(shared, 0) << Named(*leaves[i]) << " at " << areas[i].x() << ", "
                                 << areas[i].y() << " of " << areas[i].width() << " x "
                                 << areas[i].height() << " and " << Named(*leaves[j]) << " at "
                                 << areas[j].x() << ", " << areas[j].y() << " of "
                                 << areas[j].width() << " x " << areas[j].height();
        }
}

// Every shown control of `chapter` lies inside the control that holds it, so that none is cut
// off by its parent's edge (a tab's page, say) where the window's edge would not show it.
void ExpectInsideParents(const QWidget& chapter, const QWidget& book) {
    for (const QWidget* control : chapter.findChildren<QWidget*>()) {
        const QWidget* parent = control->parentWidget();
        if (!control->isVisibleTo(&book) || control->isWindow() || !parent)
            continue;
        EXPECT_TRUE(parent->rect().adjusted(-1, -1, 1, 1).contains(control->geometry()))
            << control->metaObject()->className() << " \""
            << control->accessibleName().toStdString() << "\" at " << control->x() << ", "
            << control->y() << " of " << control->width() << " x " << control->height()
            << " in " << parent->width() << " x " << parent->height();
    }
}

// How far, in pixels, a shown text box's text runs past its box (0: it fits).
int TextOverflow(const QTextEdit& box) {
    const QTextDocument& doc = *box.document();
    const int height = int(std::ceil(doc.size().height()));
    const int width = int(std::ceil(doc.idealWidth()));
    return std::max({0, height - box.viewport()->height(), width - box.viewport()->width()});
}

// How far a caption runs past its control, or 0: a one-line caption past its width, a
// wrapped label's lines past its height.
int CaptionOverflow(const QWidget& control) {
    QString text;
    int room = control.width();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->wordWrap())
            return std::max(0, label->heightForWidth(label->width()) - label->height());
        if (label->textFormat() == Qt::RichText || label->text().contains('<'))
            return 0;
        text = label->text();
        room = label->contentsRect().width() - 2 * label->margin() - label->indent();
    } else if (const auto* header = qobject_cast<const QHeaderView*>(&control)) {
        // A table's column headings, each inside its column and the header's height.
        int most = 0;
        for (int i = 0; i < header->count(); ++i) {
            const QSize text = header->fontMetrics().size(
                0, header->model()->headerData(i, header->orientation()).toString());
            most = std::max({most, text.width() + 2 - header->sectionSize(i),
                             text.height() + 2 - header->height()});
        }
        return most;
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(&control)) {
        // Every tab's whole caption side by side, none shortened.
        return std::max(0, tabs->sizeHint().width() - tabs->parentWidget()->width());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        text = button->text();
        // The check box and radio button draw their mark before the text.
        if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
            room -= 20;
    }
    text.remove('&');
    if (text.trimmed().isEmpty() || text.startsWith("   "))
        return 0; // an image face carries it
    return std::max(0, control.fontMetrics().horizontalAdvance(text) - room);
}

// Every shown caption of `window`'s controls lies inside its control.
void ExpectCaptionsInside(const QWidget& window, const QWidget& shownIn) {
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&shownIn))
            continue;
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        EXPECT_EQ(CaptionOverflow(*control), 0)
            << control->metaObject()->className() << " \""
            << (label ? label->text() : button ? button->text() : QString()).toStdString()
            << "\"";
    }
}

} // namespace

TEST_F(BookTest, AtTheZoomEveryPageIsDrawnWholeWithItsTextInsideItsBoxes) {
    ASSERT_EQ(scaleFactorSet, 0);
    ASSERT_NEAR(book->devicePixelRatio(), Scale(), 1e-4);
    ExpectDrawnWhole(*book, book->SplashButton);
    int pages = 0, grown = 0;
    for (int number = 1; number <= book->ChapterCount; ++number) {
        open(number);
        const int count = chapter()->PageCount;
        for (int page = 1; page <= count; ++page) {
            open(number, page);
            QApplication::processEvents();
            SCOPED_TRACE(caption());
            ++pages;
            if (const auto* page = dynamic_cast<const TThisChapter*>(chapter());
                page && page->TextBox->font().pixelSize() > -page->Font().Height)
                ++grown;
            ExpectDrawnWhole(*book, book->SplashButton);
            ExpectInsideParents(*chapter(), *book);
            ExpectNoOverlaps(*book);
            for (const QTextEdit* box : chapter()->findChildren<QTextEdit*>()) {
                if (!box->isVisibleTo(book))
                    continue;
                EXPECT_EQ(TextOverflow(*box), 0) << box->objectName().toStdString() << " "
                                                 << box->toPlainText().left(60).toStdString();
            }
            ExpectCaptionsInside(*chapter(), *book);
        }
    }
    EXPECT_EQ(pages, 1 + 10 + 15 + 9 + 4 + 13 + 1);
    // Below 100 % the page texts grow towards the system's size, as far as their boxes hold:
    // on most pages in English, on fewer in the longer translations.
    if (ZoomLevel() < 100)
        EXPECT_GT(grown, std::getenv("DOPPLER_TEST_LANGUAGE") ? pages / 3 : pages / 2);
    else
        EXPECT_EQ(grown, 0);
}

TEST_F(BookTest, AtTheZoomEveryDialogIsDrawnWholeWithItsTextInsideAndNoControlOverAnother) {
    open(3, 6);
    auto* sim = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(sim, nullptr);
    sim->PlanetParamButtonClick();
    book->mnitSpectrumClick();
    book->mnitRealSystemsClick();
    book->mnitObservingRunClick();
    std::unique_ptr<TAboutBox, void (*)(TForm*)> about(new TAboutBox(book), TForm::Free);
    about->show();
    access->show();
    QApplication::processEvents();
    const std::pair<QWidget*, const char*> windows[] = {
        {sim->ParamForm, "parameter dialog"},  {book->SpectrumForm, "spectrum window"},
        {book->RealSystemsCard, "real systems card"}, {book->ObservingRunForm, "observing run"},
        {about.get(), "about box"},            {access, "accessibility dialog"}};
    for (const auto& [window, name] : windows) {
        SCOPED_TRACE(name);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
        ExpectDrawnWhole(*window, nullptr);
        ExpectNoOverlaps(*window);
        ExpectCaptionsInside(*window, *window);
    }
}
