// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "../book/BookFixture.h"

#include "TBitmap.h"
#include "forms/BaseChapterForm.h"
#include "oWorldPortPaintBox.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.141592653589793;

TColor PixelOf(const QImage& image, int x, int y) { return fromQColor(QColor(image.pixel(x, y))); }

// The blue of the antialiased curve outweighs the field it blends into.
bool IsCurveInk(QColor c) { return c.blue() > 150 && c.blue() - std::max(c.red(), c.green()) > 100; }

// Mondas as a fresh simulation sets it up, to be stepped on its own.
TPlanet ReferenceMondas() { return TSimulationModel().Planets[0]; }

} // namespace

class BaseChapterTest : public BookTest {
protected:
    void SetUp() override {
        BookTest::SetUp();
        open(1);
        sim = CreateForm<TBaseChapter>(book);
        sim->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        TForm::Free(sim);
        BookTest::TearDown();
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            sim->Timer1Timer();
    }
    TBaseChapter* sim = nullptr;
};

TEST_F(BaseChapterTest, FormCreateLeavesAStoppedRunAtPericentre) {
    EXPECT_EQ(sim->wp->worldCanvas.worldPort, oRealRect(-2.7, 1.5, 5.4, -3.0));
    EXPECT_EQ(sim->wp->width(), 540);
    EXPECT_EQ(sim->wpGraph->width(), 389);
    EXPECT_EQ(sim->Background->Width(), 540);
    EXPECT_EQ(sim->GraphBitmap->Height(), 193);
    EXPECT_DOUBLE_EQ(sim->wpGraph->WorldWidth(), 10800.0);
    EXPECT_EQ(sim->wpGraph->WorldTop(), 1.0);
    EXPECT_EQ(sim->wpGraph->WorldHeight(), 100.0);
    EXPECT_DOUBLE_EQ(sim->GraphSpan, 10800.0);
    EXPECT_EQ(sim->Zoom, 1.0);
    EXPECT_EQ(sim->Theta, 0.0);
    EXPECT_EQ(sim->Omega, 1.57);
    EXPECT_DOUBLE_EQ(sim->TimeStep, ReferenceMondas().StepSize());
    EXPECT_EQ(sim->StepCount, 0);
    EXPECT_EQ(sim->Time, 0.0);
    EXPECT_FALSE(sim->Timer1->isActive());
    EXPECT_EQ(sim->Timer1->interval(), 50);
    EXPECT_EQ(sim->RVExp->text(), "1");
    EXPECT_TRUE(sim->ParamForm->isHidden());
    EXPECT_EQ(sim->ParamForm->Planet, &sim->Planets[0]);
    EXPECT_EQ(sim->ParamForm->Color(), sim->Color());
}

TEST_F(BaseChapterTest, TheAxisTitleShowsEveryPowerOfTenWhole) {
    // Exponents across the sliders' reach, and a text wider than the gap left for it.
    const struct {
        double vmax_mps;
        const char* exponent;
    } cases[] = {{1.24e-5, "-5"}, {1.24e-1, "-1"}, {1.24, "0"},
                 {1.24e1, "1"},   {1.24e3, "3"},   {0.0, "-12345"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exponent);
        if (c.vmax_mps > 0.0) {
            sim->DrawGraphAxes(c.vmax_mps / MpsPerAUPerDay);
        } else {
            sim->RVExp->setText(c.exponent);
            LayOutAxisTitle(*sim);
        }
        ASSERT_EQ(sim->RVExp->text(), c.exponent);
        const QRect exponent = sim->RVExp->geometry();
        const QFontMetrics metrics(sim->RVExp->font());
        EXPECT_GE(exponent.width(), metrics.horizontalAdvance(sim->RVExp->text()));
        const QLabel* row[] = {sim->StaticText7, sim->RVExp, sim->RVUnit, sim->StaticText8};
        for (int i = 0; i + 1 < 4; ++i)
            EXPECT_LE(row[i]->geometry().right(), row[i + 1]->geometry().left() - 1)
                << row[i]->text().toStdString() << " runs into "
                << row[i + 1]->text().toStdString();
        const QLabel* title[] = {sim->StaticText5, sim->StaticText9, sim->StaticText7,
                                 sim->RVExp,       sim->RVUnit,      sim->StaticText8};
        for (const QLabel* piece : title)
            EXPECT_TRUE(sim->Panel1->contentsRect().contains(piece->geometry()))
                << piece->text().toStdString() << " leaves the panel";

        // Ink of the first character (the minus sign) and of the rest: nothing is cut off.
        const QImage panel = sim->Panel1->grab().toImage();
        const int split = exponent.left() + metrics.horizontalAdvance(sim->RVExp->text().left(1));
        auto inkBetween = [&](int left, int right) {
            int dark = 0;
            for (int x = left; x < right; ++x)
                for (int y = exponent.top(); y <= exponent.bottom(); ++y)
                    dark += qGray(panel.pixel(x, y)) < 128;
            return dark;
        };
        EXPECT_GT(inkBetween(exponent.left(), split), 0);
        if (sim->RVExp->text().size() > 1)
            EXPECT_GT(inkBetween(split, exponent.right() + 1), 0);
    }
}

TEST_F(BaseChapterTest, TheTimeUnitStandsBesideTheGraphAtEveryTimeScale) {
    const struct {
        int position;
        const char* division;
    } cases[] = {{-1, "0.1 days"}, {0, "days"}, {1, "10 days"}, {3, "1000 days"},
                 {4, "10000 days"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.division);
        sim->TimeSlider->setValue(c.position);
        ticks(1); // the graph takes the new span with its next point
        EXPECT_EQ(sim->TimeTitle->text().toStdString(),
                  std::string("<i>t</i> / ") + c.division);
        const QRect title = sim->TimeTitle->geometry();
        EXPECT_GE(title.width(), sim->TimeTitle->sizeHint().width()) << "shown whole";
        EXPECT_TRUE(sim->Panel1->contentsRect().contains(title)) << "inside its box";
        const QRect onForm(sim->Panel1->mapTo(sim, title.topLeft()), title.size());
        EXPECT_FALSE(onForm.intersects(sim->GraphPanel->geometry()))
            << "never where the curve runs";
        for (const QLabel* piece : {sim->StaticText7, sim->RVUnit, sim->StaticText8})
            EXPECT_FALSE(title.intersects(piece->geometry())) << "below the velocity's title";
    }
}

TEST_F(BaseChapterTest, TicksDrawTheCurve) {
    ticks(12);
    EXPECT_EQ(sim->StepCount, 12);
    EXPECT_DOUBLE_EQ(sim->WorldLeft, sim->wpGraph->WorldLeft());

    const QImage& graph = sim->wpGraph->Surface();
    int blue = 0;
    for (int y = 0; y < graph.height(); ++y)
        for (int x = 0; x < graph.width(); ++x)
            blue += IsCurveInk(QColor(graph.pixel(x, y)));
    EXPECT_GT(blue, 40) << "eleven segments of the curve";
}

TEST_F(BaseChapterTest, EveryFrameShowsWhatAWholeRedrawShows) {
    sim->ShowVelocity->setChecked(true);
    sim->ChBoxPlanet2->setChecked(true);
    sim->ChBoxPlanet3->setChecked(true);
    // A frame copies back only where the last one drew; a whole redraw copies everything.
    auto matchesWholeRedraw = [&] {
        const QImage frame = sim->wp->Surface().copy();
        sim->wp->Invalidate();
        sim->wp->PaintNow();
        return frame == sim->wp->Surface();
    };
    for (int round = 0; round < 5; ++round) {
        ticks(7);
        EXPECT_TRUE(matchesWholeRedraw()) << "after round " << round << " of ticks";
    }
    ticks(3);
    sim->ShowVelocity->setChecked(false);
    EXPECT_TRUE(matchesWholeRedraw()) << "arrows taken away leave no trace";
    ticks(3);
    sim->wpMouseDown(100, 100);
    sim->wpMouseMove(140, 90);
    ticks(2);
    EXPECT_TRUE(matchesWholeRedraw()) << "after a turn of the view";
}

TEST_F(BaseChapterTest, TheGraphIsShownStraightFromItsBitmap) {
    ticks(12);
    QApplication::processEvents();
    const QImage shown = sim->wpGraph->grab().toImage();
    EXPECT_EQ(shown, sim->GraphBitmap->Image().convertToFormat(shown.format()));
}

TEST_F(BaseChapterTest, TheTimeScaleSetsStepAndSpan) {
    const double step3 = sim->TimeStep;
    sim->TimeSlider->setValue(1);
    EXPECT_DOUBLE_EQ(sim->TimeStep, step3 * 0.01);
    EXPECT_DOUBLE_EQ(sim->GraphSpan, 108.0);
    sim->TimeSlider->setValue(4);
    EXPECT_DOUBLE_EQ(sim->GraphSpan, 108000.0);
    ticks(2);
    EXPECT_DOUBLE_EQ(sim->wpGraph->WorldWidth(), 108000.0);
    EXPECT_NEAR(sim->Right(), 100000.0, 1e-6);
}

TEST_F(BaseChapterTest, StartNeedsAVisiblePlanetAndTheLastOneLeavingStopsTheRun) {
    sim->StartButton->click();
    EXPECT_TRUE(sim->Timer1->isActive());
    sim->ChBoxPlanet2->setChecked(true);
    EXPECT_TRUE(sim->Timer1->isActive()) << "a reset from a planet box keeps running";
    EXPECT_TRUE(sim->Planets[1].Visible);
    sim->ChBoxPlanet1->setChecked(false);
    sim->ChBoxPlanet2->setChecked(false);
    EXPECT_FALSE(sim->Timer1->isActive());
    sim->StartButton->click();
    EXPECT_FALSE(sim->Timer1->isActive());

    sim->ChBoxPlanet3->setChecked(true);
    sim->StartButton->click();
    ticks(3);
    sim->StopButton->click();
    EXPECT_FALSE(sim->Timer1->isActive());
    EXPECT_EQ(sim->StepCount, 3) << "Stop keeps the state";
    sim->StartButton->click();
    sim->ResetButton->click();
    EXPECT_FALSE(sim->Timer1->isActive());
    EXPECT_EQ(sim->StepCount, 0);
    EXPECT_EQ(sim->Planets[2].theta, 0.0);
}

TEST_F(BaseChapterTest, DraggingTurnsTheViewAndReleasingSnapsToTheSliders) {
    QTest::mousePress(sim->wp, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(sim->wp, QPoint(127, 100));
    EXPECT_NEAR(sim->Theta, 27 * 2 * Pi / 540, 1e-12);
    QTest::mouseMove(sim->wp, QPoint(127, 140));
    EXPECT_NEAR(sim->Omega, 1.57 - 40 * Pi / 400, 1e-12);
    QTest::mouseRelease(sim->wp, Qt::LeftButton, {}, QPoint(127, 140));
    EXPECT_FALSE(sim->Dragging);
    EXPECT_EQ(sim->thetatrack->value(), 31);
    EXPECT_EQ(sim->Theta, 0.31) << "snapped to hundredths through the slider";
    EXPECT_EQ(sim->omegatrack->value(), 125);
    EXPECT_EQ(sim->Omega, 1.25);

    QTest::mouseMove(sim->wp, QPoint(300, 10));
    EXPECT_EQ(sim->Theta, 0.31) << "moves without a drag change nothing";
}

TEST_F(BaseChapterTest, TheViewFollowsItsCheckBoxesAndFreezesOnRequest) {
    EXPECT_EQ(PixelOf(sim->wp->Surface(), 200, 150), clAqua);
    sim->ShowTracks->setChecked(false);
    EXPECT_NE(PixelOf(sim->wp->Surface(), 200, 150), clAqua) << "no orbit without Orbits";

    sim->NoDraw = true;
    const QImage frozen = sim->wp->Surface().copy();
    sim->ZoomSlider->setValue(80);
    ticks(5);
    EXPECT_EQ(sim->wp->Surface(), frozen);
    EXPECT_DOUBLE_EQ(sim->Zoom, TOrbitView::ZoomFor(80)) << "the zoom follows, unseen";
}

TEST_F(BaseChapterTest, RescaleVelocityActsOnTheNextTick) {
    sim->AutoScaleVelocity->setChecked(false);
    ticks(2);
    sim->ReScaleVelocity->click();
    EXPECT_TRUE(sim->RescaleRequested);
    ticks(1);
    EXPECT_FALSE(sim->RescaleRequested);
    EXPECT_EQ(sim->PenX, 0.0) << "a new sweep at the left edge";
    EXPECT_NE(sim->VelocityScale, 6250000.0);
}

TEST_F(BaseChapterTest, TheDialogMapsSlidersToElements) {
    TPlanetParamForm& form = *sim->ParamForm;
    ticks(4);
    form.aSlider->setValue(68);
    EXPECT_NEAR(sim->Planets[0].a, 5.248, 5e-4);
    EXPECT_EQ(form.aLabel->text().toStdString(), "5.2 AU") << "values start flush left";
    EXPECT_EQ(sim->StepCount, 0) << "every slider movement resets";

    form.EccSlider->setValue(100);
    EXPECT_EQ(sim->Planets[0].ecc, 0.99);
    form.incSlider->setValue(0);
    EXPECT_EQ(sim->Planets[0].inc, 0.0);
    EXPECT_EQ(form.incLabel->text().toStdString(), "+ 0°");
    form.massSlider->setValue(90);
    EXPECT_DOUBLE_EQ(sim->Planets[0].mass, 10 * JupiterMass);
    form.SmassSlider->setValue(60);
    EXPECT_DOUBLE_EQ(sim->StarMass, 10.0);
    EXPECT_EQ(form.SmassLabel->text().toStdString(), "10 solar masses");
    EXPECT_DOUBLE_EQ(sim->InvStarMass, 0.1);

    form.PlanRadioButton2->click();
    EXPECT_EQ(form.Planet, &sim->Planets[1]);
    EXPECT_EQ(form.aSlider->value(), 60) << "2.6 AU";
    EXPECT_EQ(form.aLabel->text().toStdString(), "2.6 AU");
    EXPECT_EQ(form.massSlider->value(), 60);
    EXPECT_EQ(form.PlanName->text(), "Vulcan");
    EXPECT_EQ(sim->Planets[1].a, 2.6) << "loading the controls changes nothing";
    form.PlanRadioButton1->click();
    EXPECT_EQ(form.aSlider->value(), 68);
    EXPECT_EQ(form.EccSlider->value(), 99) << "0.99 comes back a position lower";
}

TEST_F(BaseChapterTest, TheDialogsNumbersStandClearOfTheTicksAndItsValuesLineUp) {
    TPlanetParamForm& form = *sim->ParamForm;
    const QSlider* sliders[] = {form.aSlider,   form.EccSlider,  form.incSlider,  form.phiSlider,
                                form.psiSlider, form.massSlider, form.SmassSlider};
    const QLabel* values[] = {form.aLabel,   form.EccLabel,  form.incLabel,  form.phiLabel,
                              form.psiLabel, form.massLabel, form.SmassLabel};
    for (const QSlider* slider : sliders) {
        const QRect track = slider->geometry();
        int numbers = 0;
        for (const QLabel* label : form.findChildren<QLabel*>()) {
            const QRect r = label->geometry();
            // The numbers under this slider: across its width, just below its middle.
            if (r.right() < track.left() || r.left() > track.right() ||
                r.top() <= track.center().y() || r.top() > track.bottom() + 15)
                continue;
            ++numbers;
            EXPECT_GT(r.top(), track.bottom()) << label->text().toStdString();
        }
        EXPECT_GE(numbers, 2);
    }
    for (const QLabel* value : values) {
        EXPECT_EQ(value->x(), form.aLabel->x());
        EXPECT_FALSE(value->text().startsWith(' ')) << value->text().toStdString();
    }
}

TEST_F(BaseChapterTest, ADialogChangeAtTheLastTimeScaleStepsThePlanetAsItIsNow) {
    sim->TimeSlider->setValue(4);
    const double circular = sim->TimeStep;
    sim->ParamForm->EccSlider->setValue(50);
    EXPECT_EQ(sim->TimeStep, sim->Planets[0].StepSize());
    EXPECT_LT(sim->TimeStep, circular) << "faster at pericentre, so a finer step";
}

TEST_F(BaseChapterTest, RenamingAPlanetRenamesItsButtons) {
    TPlanetParamForm& form = *sim->ParamForm;
    form.PlanName->setText("Gallifrey");
    EXPECT_EQ(sim->Planets[0].Name, "Gallifrey");
    EXPECT_EQ(form.PlanRadioButton1->text(), "Gallifrey");
    EXPECT_EQ(sim->ChBoxPlanet1->text(), "Gallifrey");
    EXPECT_EQ(sim->ChBoxPlanet2->text(), "Vulcan");

    sim->PlanetParamButtonClick();
    EXPECT_TRUE(form.isVisible());
    form.showMinimized();
    sim->PlanetParamButtonClick();
    EXPECT_FALSE(form.isMinimized());
}

// Chapter 2 as the book opens it; its "Edit parameters" button stays disabled, so the tests
// open the dialog as the button would.
class ChapterDialogTest : public BookTest {
protected:
    TBaseChapter& sim() const { return *dynamic_cast<TBaseChapter*>(chapter()); }
    TPlanetParamForm& dialog() const { return *sim().ParamForm; }
};

TEST_F(ChapterDialogTest, TheDialogLeavesWithItsChapterAndReturnsAsItWas) {
    const struct {
        const char* name;
        bool shown, minimized;
    } cases[] = {{"shown", true, false}, {"minimized", true, true}, {"closed", false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        open(2, 3);
        if (c.shown) {
            sim().PlanetParamButtonClick();
            dialog().move(321, 123);
        }
        if (c.minimized)
            dialog().showMinimized();
        book->mnitContents->trigger();
        EXPECT_TRUE(dialog().isHidden()) << "no dialog drives a chapter out of sight";
        QTest::mouseClick(book->GoBackButton, Qt::LeftButton);
        EXPECT_EQ(dialog().isVisible(), c.shown);
        EXPECT_EQ(dialog().isMinimized(), c.minimized);
        if (c.shown)
            EXPECT_EQ(dialog().pos(), QPoint(321, 123));
    }
}

TEST_F(ChapterDialogTest, ACoveredChapterRestartedFromTheContentsTakesItsDialogAlong) {
    open(2, 3);
    sim().PlanetParamButtonClick();
    const QPointer<TPlanetParamForm> old = &dialog();
    book->mnitContents->trigger();
    QTest::mouseClick(book->Buttons[1], Qt::LeftButton);
    EXPECT_TRUE(old.isNull());
    EXPECT_TRUE(dialog().isHidden()) << "the new chapter's dialog waits for its button";
}

namespace {

// Where `ink` marks a pixel of one picture and none of the other's pixels within one of it.
int InkWithoutMatch(const QImage& one, const QImage& other, bool (*ink)(QColor)) {
    int unmatched = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            if (!ink(QColor(one.pixel(x, y))))
                continue;
            bool near = false;
            for (int j = y - 1; j <= y + 1 && !near; ++j)
                for (int i = x - 1; i <= x + 1 && !near; ++i)
                    near = other.valid(i, j) && ink(QColor(other.pixel(i, j)));
            unmatched += near ? 0 : 1;
        }
    return unmatched;
}

QImage PictureOf(const QWidget& box, const std::function<void(QPainter&)>& draw) {
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    draw(p);
    return image;
}

} // namespace

TEST_F(BaseChapterTest, TheGraphDrawnAfreshShowsTheCurveOfItsBitmapOnly) {
    // Past the first sweep, so that the picture must have dropped the curve the new axes
    // cleared.
    ticks(650);
    ASSERT_GT(sim->SweepStart, 0.0);
    const QImage bitmap = sim->GraphBitmap->Image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(bitmap.devicePixelRatio(), 1.0);
    const QImage picture = PictureOf(*sim->wpGraph, [&](QPainter& p) { sim->DrawGraphPicture(p); });
    int curve = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            curve += IsCurveInk(QColor(bitmap.pixel(x, y)));
    ASSERT_GT(curve, 100);
    EXPECT_EQ(InkWithoutMatch(bitmap, picture, IsCurveInk), 0) << "none of the curve lost";
    EXPECT_EQ(InkWithoutMatch(picture, bitmap, IsCurveInk), 0) << "nothing the screen lacks";
    // The axes and their numbers are the same drawing.
    const auto black = [](QColor c) { return qGray(c.rgb()) < 80; };
    EXPECT_EQ(InkWithoutMatch(bitmap, picture, black), 0);
}

TEST_F(BaseChapterTest, TheViewDrawnAfreshIsTheViewShownAndTurnsForWhitePaper) {
    sim->ShowVelocity->setChecked(true);
    sim->ChBoxPlanet2->setChecked(true);
    ticks(30);
    const QImage shown = sim->wp->Surface().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), sim->wp->size());
    const QImage picture = PictureOf(*sim->wp, [&](QPainter& p) { sim->DrawViewPicture(p, false); });
    int differ = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor a(shown.pixel(x, y)), b(picture.pixel(x, y));
            differ += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                std::abs(a.blue() - b.blue())}) > 24;
        }
    EXPECT_LT(differ, shown.width() * shown.height() / 1000) << "axes, tracks, bodies, arrows";

    const QImage white = PictureOf(*sim->wp, [&](QPainter& p) { sim->DrawViewPicture(p, true); });
    EXPECT_EQ(QColor(white.pixel(3, 3)), QColor(Qt::white)) << "the black field turned white";
    EXPECT_EQ(QColor(shown.pixel(3, 3)), QColor(Qt::black));
    // Lime arrows deepen to a green that shows on white.
    const auto count = [](const QImage& image, auto is) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += is(QColor(image.pixel(x, y)));
        return n;
    };
    const auto lime = [](QColor c) { return c == QColor(0, 255, 0); };
    const auto deep = [](QColor c) {
        return c.red() < 40 && c.blue() < 40 && c.green() > 190 && c.green() < 215;
    };
    EXPECT_GT(count(shown, lime), 10);
    EXPECT_EQ(count(white, lime), 0);
    EXPECT_GT(count(white, deep), 10);
}
