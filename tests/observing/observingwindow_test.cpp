// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "../book/BookFixture.h"

#include "model/orbit/Kepler.h"
#include "model/observing/MysteryStars.h"
#include "observing/TOrbitFitPage.h"
#include "observing/ObservingDrawing.h"
#include "simulation/TBaseChapter.h"
#include "observing/TDataPlot.h"
#include "observing/TObservingRunForm.h"

#include <QAbstractButton>
#include <QAction>
#include <algorithm>
#include <cmath>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Pixels of a clear red within the picture.
int CountRed(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            n += qRed(c) > 150 && qGreen(c) < 110 && qBlue(c) < 110;
        }
    return n;
}

} // namespace

class ObservingWindowTest : public BookTest {
protected:
    TObservingRunForm& window() {
        book->mnitObservingRun->trigger();
        return *book->ObservingRunForm;
    }
    TBaseChapter* sim() const { return dynamic_cast<TBaseChapter*>(chapter()); }
};

TEST_F(ObservingWindowTest, WithoutAChapterItSaysSoAndStillReadsFiles) {
    TObservingRunForm& w = window();
    EXPECT_EQ(w.Followed(), nullptr);
    EXPECT_EQ(w.StatusLabel->text(),
              "No simulation chapter is open: import measurements or open a mystery star.");
    EXPECT_FALSE(w.ObserveButton->isEnabled());
    QTemporaryDir dir;
    Write(dir.filePath("hd.csv"), "# published\nJD;RV;err\n2450000,5;10,5;2\n2450003,1;-4;2\n"
                                  "2450007,9;3;1,5\n2450011;8;2\n");
    ASSERT_TRUE(w.ImportFile(dir.filePath("hd.csv")));
    EXPECT_EQ(w.Measurements().timeOffset_days, 2450000.5);
    EXPECT_EQ(w.Measurements().data.size(), 4u);
    EXPECT_NE(w.Periodogram(), nullptr);
    EXPECT_FALSE(w.TruthBox->isEnabled()) << "no truth for imported measurements";

    open(2, 6);
    EXPECT_EQ(w.Followed(), dynamic_cast<TSimulationFeed*>(chapter()));
    EXPECT_TRUE(w.ObserveButton->isEnabled());
    book->ChapterNumber = 0;
    book->ShowChapter(1);
    EXPECT_EQ(w.Followed(), nullptr) << "the book tells it the chapter went";
    EXPECT_FALSE(w.ObserveButton->isEnabled());
}

TEST_F(ObservingWindowTest, TheSameSeedGivesTheSameRunAndTheTruthIsTheChaptersCurve) {
    open(2, 6);
    TObservingRunForm& w = window();
    w.RunLengthBox->setValue(4000);
    w.SeedEdit->setText("2024");
    w.ObserveButton->click();
    const auto first = w.Measurements().data;
    w.NewSeedButton->click();
    w.SeedEdit->setText("2024");
    w.ObserveButton->click();
    EXPECT_EQ(w.Measurements().data, first);
    EXPECT_TRUE(w.TruthBox->isEnabled());

    // The truth line is drawn only when asked for.
    const auto redPixels = [&] {
        // DrawInto paints no background, and a new image's pixels are whatever the memory held.
        QImage image(w.DataPlot->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        w.DataPlot->DrawInto(p, QRectF(image.rect()));
        p.end();
        return CountRed(image);
    };
    EXPECT_EQ(redPixels(), 0);
    w.TruthBox->setChecked(true);
    EXPECT_GT(redPixels(), 300);
}

// The plan starts over two cycles of the chapter's longest period and follows the planets as
// they change, until the student chooses a run length; a shorter run is told why it fails.
TEST_F(ObservingWindowTest, ThePlanSpansTwoCyclesOfTheLongestPeriodUntilTheStudentChoosesOne) {
    open(2, 6);
    TObservingRunForm& w = window();
    const auto longest = [&] {
        double period = 0.0;
        for (const TPlanet& planet : w.Followed()->SystemElements().planets)
            period = std::max(period, kepler::ElementsOf(planet, sim()->StarMass).period_days);
        return period;
    };
    ASSERT_GT(longest(), 4000.0);
    EXPECT_EQ(w.RunLengthBox->value(), std::ceil(2 * longest()));
    EXPECT_EQ(w.StatusLabel->text(), "Plan a run on the open chapter's star and press Observe.");

    const auto warns = [&] {
        return w.StatusLabel->text().contains(
            QString("less than two cycles of the longest period, %1 days").arg(longest(), 0, 'f', 0));
    };
    w.RunLengthBox->setValue(100);
    EXPECT_TRUE(warns()) << w.StatusLabel->text().toStdString();
    sim()->Planets[0].a = 2.0;
    sim()->ResetSimulation();
    w.SeedEdit->setText("7");
    w.ObserveButton->click();
    EXPECT_EQ(w.RunLengthBox->value(), 100) << "the student's choice stands";
    EXPECT_TRUE(w.StatusLabel->text().startsWith("Observed 40 clear nights of the 40 asked for "
                                                 "over 100 days"));
    EXPECT_TRUE(warns()) << w.StatusLabel->text().toStdString();

    // Another chapter starts from its own default, which follows its planets as they change.
    open(4, 1);
    ASSERT_EQ(w.Followed(), dynamic_cast<TSimulationFeed*>(sim()));
    EXPECT_EQ(w.RunLengthBox->value(), std::min(std::ceil(2 * longest()), 20000.0));
    for (TPlanet& planet : sim()->Planets)
        planet.a = std::min(planet.a, 2.0);
    sim()->ResetSimulation();
    w.ObserveButton->click();
    EXPECT_EQ(w.RunLengthBox->value(), std::ceil(2 * longest()));
    EXPECT_FALSE(warns()) << w.StatusLabel->text().toStdString();
    EXPECT_GE(w.Measurements().data.back().t_days, 1.5 * longest());
}

TEST_F(ObservingWindowTest, AMysteryStarHidesItsAnswers) {
    open(2, 6);
    TObservingRunForm& w = window();
    w.ObserveButton->click();
    w.TruthBox->setChecked(true);
    w.mnitMystery[1]->trigger();
    EXPECT_EQ(w.Measurements().data, observing::Observe(observing::MysteryStars()[1]));
    EXPECT_FALSE(w.TruthBox->isEnabled());
    EXPECT_FALSE(w.TruthBox->isChecked());
    EXPECT_TRUE(w.StatusLabel->text().startsWith("Mystery star B, a star of 0.92 solar masses:"))
        << w.StatusLabel->text().toStdString();
    EXPECT_EQ(w.FitPage->StarMassBox->value(), observing::MysteryStars()[1].starMass)
        << "the fit weighs its planets at the star's own mass";
    const observing::TObservingPlan shown = w.Plan(), made = observing::MysteryStars()[1].plan;
    EXPECT_EQ(shown.nights, made.nights) << "the plan the data were made with, not the last run's";
    EXPECT_EQ(shown.runLength_days, made.runLength_days);
    EXPECT_EQ(shown.precision_mps, made.precision_mps);
    EXPECT_EQ(shown.seed, made.seed);
    EXPECT_TRUE(w.StatusLabel->text().endsWith("the one these data were made with; Observe uses "
                                               "it on the chapter's star.)"));

    QTemporaryDir dir;
    const auto printTo = [&](const char* name) {
        dialogs.answerPrint = [&dir, name](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(dir.filePath(name));
            return true;
        };
    };
    printTo("window.pdf");
    w.mnitPrint->trigger();
    EXPECT_GT(QFileInfo(dir.filePath("window.pdf")).size(), 1000);
    EXPECT_TRUE(dialogs.exceptions.empty());
}

TEST_F(ObservingWindowTest, LongWorkRunsOffTheInterfaceThreadAndCanBeCancelled) {
    open(2, 6);
    TObservingRunForm& w = window();
    w.NightsBox->setValue(500);
    w.RunLengthBox->setValue(20000);
    w.ShortestBox->setValue(0.1);
    w.ObserveButton->click();
    ASSERT_TRUE(w.Working()) << "500 points on 2 000 000 frequencies";
    EXPECT_FALSE(w.Progress->isHidden());
    EXPECT_TRUE(w.CancelButton->isEnabled());
    EXPECT_EQ(w.Periodogram(), nullptr);
    EXPECT_EQ(w.PeakLabel->text(), "Working out the periodogram…");
    // The bar follows the work, and Cancel is told back without the window waiting for it.
    for (int i = 0; i < 200 && w.Progress->value() == 0; ++i)
        QTest::qWait(25);
    EXPECT_GT(w.Progress->value(), 0);
    w.CancelButton->click();
    for (int i = 0; i < 200 && w.Working(); ++i)
        QTest::qWait(25);
    EXPECT_FALSE(w.Working());
    EXPECT_EQ(w.PeakLabel->text(), "Cancelled.");
    EXPECT_EQ(w.Periodogram(), nullptr);
    EXPECT_TRUE(w.ComputeButton->isEnabled());

    // A smaller one on the thread runs to its end and is shown.
    w.ShortestBox->setValue(2.0);
    ASSERT_TRUE(w.Working());
    w.WaitForPeriodogram();
    ASSERT_NE(w.Periodogram(), nullptr);
    EXPECT_TRUE(w.PeakLabel->text().startsWith("Highest peak:"));
    EXPECT_TRUE(w.Progress->isHidden());
}

TEST_F(ObservingWindowTest, TheFoldFollowsTheTrialPeriod) {
    open(2, 6);
    TObservingRunForm& w = window();
    w.RunLengthBox->setValue(12000);
    w.NightsBox->setValue(120);
    w.ObserveButton->click();
    w.WaitForPeriodogram();
    ASSERT_NE(w.Periodogram(), nullptr);
    EXPECT_DOUBLE_EQ(w.PeriodBox->value(),
                     std::round(w.Periodogram()->peak.period_days * 1e4) / 1e4)
        << "new measurements fold on their highest peak";
    const int position = w.PeriodSlider->value();
    w.PeriodSlider->setValue(position / 2);
    EXPECT_LT(w.PeriodBox->value(), w.Periodogram()->peak.period_days);
    w.UsePeakButton->click();
    EXPECT_EQ(w.PeriodSlider->value(), position);
}

TEST_F(ObservingWindowTest, EveryControlHasANameAndTheKeyboardReachesIt) {
    TObservingRunForm& w = window();
    // Tab reaches Close from the first plan field.
    QWidget* step = w.NightsBox;
    bool closeReached = false;
    for (int k = 0; k < 200 && !closeReached; ++k) {
        step = step->nextInFocusChain();
        closeReached = step == w.CloseButton && (step->focusPolicy() & Qt::TabFocus);
    }
    EXPECT_TRUE(closeReached) << "Close is in the Tab order";
    for (QWidget* control : w.findChildren<QWidget*>()) {
        if (!control->isEnabled() || control->focusPolicy() == Qt::NoFocus ||
            qobject_cast<QMenuBar*>(control) || qobject_cast<QAbstractSpinBox*>(control->parent()))
            continue;
        SCOPED_TRACE(control->metaObject()->className());
        EXPECT_FALSE(control->accessibleName().isEmpty())
            << control->objectName().toStdString() << " " << control->geometry().x() << ","
            << control->geometry().y();
    }
    // Each page's shortcuts, with the window's and the pages' own, are distinct letters, and
    // every label with one hands the focus to a control.
    const auto letterOf = [](const QString& text) {
        const int at = text.indexOf('&');
        return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
    };
    const auto lettersIn = [&](QWidget* root, bool skipPages) {
        std::vector<QChar> letters;
        for (QWidget* child : root->findChildren<QWidget*>()) {
            if (skipPages && w.Tabs->isAncestorOf(child))
                continue;
            QString text;
            if (auto* label = qobject_cast<QLabel*>(child)) {
                text = label->text();
                if (!letterOf(text).isNull())
                    EXPECT_NE(label->buddy(), nullptr) << text.toStdString();
            } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
                text = button->text();
            }
            if (!letterOf(text).isNull())
                letters.push_back(letterOf(text));
        }
        return letters;
    };
    std::vector<QChar> shared = lettersIn(&w, true);
    shared.push_back('f'); // the File menu
    for (int i = 0; i < w.Tabs->count(); ++i)
        shared.push_back(letterOf(w.Tabs->tabText(i)));
    for (int i = 0; i < w.Tabs->count(); ++i) {
        SCOPED_TRACE(w.Tabs->tabText(i).toStdString());
        std::vector<QChar> all = shared;
        const std::vector<QChar> page = lettersIn(w.Tabs->widget(i), false);
        all.insert(all.end(), page.begin(), page.end());
        EXPECT_GE(page.size(), 1u);
        std::sort(all.begin(), all.end());
        EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
    }
}

TEST(ObservingDrawing, NiceStepsAreOneTwoOrFiveTimesAPowerOfTen) {
    const struct {
        double range;
        int count;
        double step;
    } cases[] = {{10, 5, 2}, {100, 8, 20}, {0.9, 6, 0.2}, {4.2, 6, 1}, {1e-3, 4, 5e-4}, {0, 5, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.range);
        EXPECT_DOUBLE_EQ(observingdrawing::NiceStep(c.range, c.count), c.step);
    }
}
