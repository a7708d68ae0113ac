// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "../book/BookFixture.h"

#include "simulation/TBaseChapter.h"
#include "model/spectrum/Spectrum.h"
#include "spectrum/SpectrumReadout.h"
#include "spectrum/TSpectrumForm.h"
#include "spectrum/TSpectrumView.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <limits>
#include <string>
#include <utility>

namespace {

const std::string Running = "Following the simulation as it runs.";
const std::string Stopped = "The simulation is stopped: its last spectrum stays.";
const std::string Closed = "No simulation chapter is open: the last spectrum stays.";

std::string TextOf(const QLabel* label) { return label->text().toStdString(); }

// Records what a feed tells its listener.
struct Recorder : TSimulationListener {
    int ticks = 0, closed = 0;
    void SimulationTick(double, double) override { ++ticks; }
    void SimulationRunning(bool) override {}
    void SimulationClosed() override { ++closed; }
};

} // namespace

class SpectrumWindowTest : public BookTest {
protected:
    TSpectrumForm* openSpectrum() {
        book->mnitSpectrum->trigger();
        return book->SpectrumForm;
    }
    TBaseChapter* sim() const { return dynamic_cast<TBaseChapter*>(chapter()); }
    TSimulationFeed* feed() const { return dynamic_cast<TSimulationFeed*>(chapter()); }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            sim()->Timer1Timer();
    }
};

TEST_F(SpectrumWindowTest, FollowsARunningChaptersTicksWithTheGraphsSignAndStopsWithIt) {
    open(2, 6);
    TSpectrumForm* spectrum = openSpectrum();
    ASSERT_NE(spectrum, nullptr);
    EXPECT_FALSE(spectrum->isHidden());
    EXPECT_TRUE(book->screen()->availableGeometry().contains(spectrum->pos()))
        << "placed beside the book, but never off the screen";
    ASSERT_EQ(spectrum->Followed(), feed());
    EXPECT_EQ(TextOf(spectrum->StatusLabel), Stopped);

    sim()->StartButton->click();
    EXPECT_EQ(TextOf(spectrum->StatusLabel), Running);
    bool red = false, blue = false;
    for (int tick = 0; tick < 200; ++tick) {
        ticks(1);
        // The graph plots RadialVelocity upwards; the window must show that very value.
        const double v = sim()->RadialVelocity * MpsPerAUPerDay;
        ASSERT_DOUBLE_EQ(spectrum->Velocity_mps(), v) << tick;
        ASSERT_DOUBLE_EQ(spectrum->View->Scene().V_mps, v) << tick;
        const std::string shift = TextOf(spectrum->ShiftValue);
        if (v > 0.0) {
            red = true;
            ASSERT_EQ(shift.rfind("+", 0), 0u) << shift;
            ASSERT_NE(shift.find("to the red"), std::string::npos) << shift;
        } else if (v < 0.0) {
            blue = true;
            ASSERT_NE(shift.find("to the blue"), std::string::npos) << shift;
        }
    }
    EXPECT_TRUE(red && blue) << "an orbit and more swings the star both ways";
    EXPECT_EQ(spectrum->View->Scene().Magnification, 1e5) << "Mondas swings 12.4 m/s";

    sim()->StopButton->click();
    EXPECT_EQ(TextOf(spectrum->StatusLabel), Stopped);
    const double last = spectrum->Velocity_mps();
    sim()->ResetButton->click();
    EXPECT_EQ(spectrum->Velocity_mps(), last) << "a stopped simulation keeps its last spectrum";
    EXPECT_EQ(TextOf(spectrum->StatusLabel), Stopped);
}

TEST_F(SpectrumWindowTest, FollowsTheNextSimulationChapterAndNeverReadsADestroyedOne) {
    open(2, 6);
    TSpectrumForm* spectrum = openSpectrum();
    Recorder recorder;
    feed()->Attach(&recorder);
    sim()->StartButton->click();
    ticks(30);
    QPointer<TCustomChapter> old = chapter();

    open(3, 1);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(recorder.closed, 1) << "the closing chapter tells every listener";
    ASSERT_NE(feed(), nullptr);
    EXPECT_EQ(spectrum->Followed(), feed());
    sim()->StartButton->click();
    ticks(5);
    EXPECT_EQ(recorder.ticks, 30) << "a closed feed's listener hears nothing more";
    EXPECT_DOUBLE_EQ(spectrum->Velocity_mps(), sim()->RadialVelocity * MpsPerAUPerDay);
    const double last = spectrum->Velocity_mps();

    // A chapter without a simulation, then the contents page: nothing to follow.
    for (int number : {1, 0}) {
        SCOPED_TRACE(number);
        open(number);
        EXPECT_EQ(spectrum->Followed(), nullptr);
        EXPECT_EQ(TextOf(spectrum->StatusLabel), Closed);
        EXPECT_EQ(spectrum->Velocity_mps(), last) << "the last spectrum stays";
    }
    open(4, 1);
    EXPECT_EQ(spectrum->Followed(), feed());
    EXPECT_EQ(TextOf(spectrum->StatusLabel), Stopped);
}

TEST_F(SpectrumWindowTest, AWindowThatGoesFirstLeavesTheChapterSafe) {
    open(2, 6);
    auto* own = CreateForm<TSpectrumForm>();
    own->Follow(feed());
    TForm::Free(own);
    sim()->StartButton->click();
    ticks(3);
    sim()->StopButton->click();
    open(3, 1);
    EXPECT_EQ(sim()->StepCount, 0);
}

TEST_F(SpectrumWindowTest, ReadsOutTheShiftAndIsUsableByKeyboard) {
    open(2, 6);
    TSpectrumForm* spectrum = openSpectrum();
    const struct {
        double v_mps;
        const char* velocity;
        const char* shift;
    } cases[] = {
        {12.4, "+12.4 m/s (moving away)", "+0.0271 pm (to the red) at Hα"},
        {-12.4, "\u221212.4 m/s (approaching)", "\u22120.0271 pm (to the blue) at Hα"},
        {0.0, "0 m/s", "0 pm at Hα"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.v_mps);
        spectrum->SimulationTick(1.0, c.v_mps);
        EXPECT_EQ(TextOf(spectrum->VelocityValue), c.velocity);
        EXPECT_EQ(TextOf(spectrum->ShiftValue), c.shift);
        EXPECT_EQ(spectrum->View->Scene().Magnification, 1e5);
        EXPECT_EQ(spectrum->ShiftValue->accessibleName().toStdString(),
                  std::string("Line shift Δλ: ") + c.shift);
    }
    EXPECT_EQ(TextOf(spectrum->ResolutionValue),
              "λ/R = 6.56 pm at R = 100\u2009000; the shift is zero");

    EXPECT_EQ(spectrum->LineLabel->buddy(), spectrum->LineBox);
    EXPECT_NE(TextOf(spectrum->LineLabel).find('&'), std::string::npos) << "needs a mnemonic";
    EXPECT_FALSE(spectrum->View->accessibleName().isEmpty());
    EXPECT_FALSE(spectrum->LineBox->accessibleName().isEmpty());
    spectrum->SimulationTick(2.0, 12.4);
    spectrum->LineBox->setFocus();
    QTest::keyClick(spectrum->LineBox, Qt::Key_Down);
    EXPECT_EQ(spectrum->View->Scene().Group, 1);
    EXPECT_EQ(TextOf(spectrum->ShiftValue), "+0.0201 pm (to the red) at Hβ");
    QTest::keyClick(spectrum, Qt::Key_Escape);
    EXPECT_TRUE(spectrum->isHidden());
    EXPECT_EQ(spectrum->Followed(), feed()) << "a closed window still follows, ready to reopen";
    ticks(3);
    spectrum->show();
    EXPECT_DOUBLE_EQ(spectrum->View->Scene().V_mps, feed()->CurrentVelocity_mps())
        << "reopened, it shows the tick it missed";
}

// The magnification follows from the planets' elements: it is right before the first tick,
// stays put through the swing and changes at once with the planets.
TEST_F(SpectrumWindowTest, TheMagnificationComesFromTheElementsAndNeverJumps) {
    open(2, 6);
    TSpectrumForm* spectrum = openSpectrum();
    EXPECT_EQ(spectrum->View->Scene().Magnification, 1e5) << "Mondas can reach 12.5 m/s";
    sim()->Planets[0].mass = 3 * JupiterMass; // 37 m/s: 1e5 would leave the panel
    sim()->Planets[0].psi = M_PI / 2;         // starting at rest, reaching 37 m/s later
    sim()->ResetSimulation();
    ticks(1);
    EXPECT_EQ(spectrum->View->Scene().Magnification, 1e4) << "at the very first tick";
    for (int tick = 0; tick < 300; ++tick) {
        ticks(1);
        ASSERT_EQ(spectrum->View->Scene().Magnification, 1e4) << tick;
    }
    const std::string note = TextOf(spectrum->MeasureNote);
    for (const char* words : {"cross-correlated", "iodine cell", "thorium–argon lamp",
                              "laser frequency comb", "resolution element"})
        EXPECT_NE(note.find(words), std::string::npos) << words;
}

TEST_F(SpectrumWindowTest, TheSpectrumSavesAsAnSvgDrawingAndAsPng) {
    open(2, 6);
    TSpectrumForm* spectrum = openSpectrum();
    ticks(20);
    QTemporaryDir dir;
    const QString svg = dir.filePath("spectrum.svg"), png = dir.filePath("spectrum.png");
    ASSERT_EQ(spectrum->View->SavePictureFile(svg), QString());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray drawing = file.readAll();
    // The colour band is a picture of its colours; the lines and labels stay drawing.
    EXPECT_GE(drawing.count("<text"), 5) << "the wavelengths stay text";
    EXPECT_TRUE(drawing.contains("<path") || drawing.contains("<polyline"));

    ASSERT_EQ(spectrum->View->SavePictureFile(png), QString());
    QImage saved(png);
    const QImage shown = spectrum->View->grab().toImage().convertToFormat(saved.format());
    ASSERT_EQ(saved.size(), shown.size());
    int differ = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            differ += qGray(saved.pixel(x, y)) != qGray(shown.pixel(x, y));
    EXPECT_LT(differ, shown.width() * shown.height() / 100) << "the picture the window shows";
}

// The readouts keep three figures in a unit that keeps them readable, the rounding able to
// cross into the larger unit; the shift is compared with one resolution element; the caption
// follows the sign.
TEST(SpectrumReadout, KeepsThreeFiguresInAReadableUnit) {
    using namespace spectrumreadout;
    const struct {
        double value;
        const char* velocity; // value as m/s
        const char* shift;    // value as pm
    } cases[] = {
        {12.4, "+12.4 m/s", "+12.4 pm"},
        {-0.05, "\u22120.0500 m/s", "\u22120.0500 pm"},
        {0.009996, "+0.0100 m/s", "+0.0100 pm"},
        {0.00999, "+0.00999 m/s", "+9.99 fm"},
        {999.6, "+1.00 km/s", "+1.00 nm"},
        {123456.0, "+123 km/s", "+123 nm"},
        {0.0, "0 m/s", "0 pm"},
        {std::numeric_limits<double>::quiet_NaN(), "0 m/s", "0 pm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(VelocityText(c.value).toStdString(), c.velocity);
        EXPECT_EQ(ShiftText(c.value * 1e-3).toStdString(), c.shift);
    }
    const double element_mps = 1.0 / spectrum::ShiftInResolutionElements(1.0);
    for (const auto& [v_mps, ratio] :
         {std::pair{12.4, "the shift is 1/242 of it"}, std::pair{-12.4, "the shift is 1/242 of it"},
          std::pair{7500.0, "the shift is 2.50 times it"},
          std::pair{0.99996 * element_mps, "the shift is 1.00 times it"},
          std::pair{0.0, "the shift is zero"}})
        EXPECT_TRUE(ResolutionReadout(656.281, v_mps).endsWith(ratio))
            << ResolutionReadout(656.281, v_mps).toStdString();
    EXPECT_TRUE(ResolutionReadout(656.281, 12.4).startsWith("λ/R = 6.56 pm at R = 100"));
    EXPECT_TRUE(CaptionText(12.4).contains("away from us") && CaptionText(12.4).contains("to the red"));
    EXPECT_TRUE(CaptionText(-12.4).contains("towards us") &&
                CaptionText(-12.4).contains("to the blue"));
    EXPECT_TRUE(CaptionText(0.0).contains("at its rest wavelength"));
}
