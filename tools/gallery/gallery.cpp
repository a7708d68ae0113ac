// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// Renders the book offscreen, one PNG per state worth seeing: the splash screen, the
// contents page, every page of every chapter and the dialogs, and the screen with the book and
// each dialog where it opens. Usage: gallery OUTDIR [PREFIXES] [--zoom PERCENT | --fit]
// [--docs DOCSDIR]. With PREFIXES (separated by commas) only the pictures whose names begin
// with one of them are written (a second run at another zoom needs only a few); --zoom
// renders at that zoom, as the book's own, --fit at "Fit to screen" on the screen in use;
// with --docs the README's screenshots are written to DOCSDIR as well.

#include "Application.h"
#include "BookLanguage.h"
#include "BookText.h"
#include "Zoom.h"
#include "TKeyEdit.h"
#include "book/TAboutBox.h"
#include "book/TAccessBox.h"
#include "thisbook/TKeysBox.h"
#include "calculator/TCalculatorForm.h"
#include "book/TCustomChapter.h"
#include "realsystems/TRealSystemsForm.h"
#include "chapters/FindingPlanetQuestions.h"
#include "chapters/TFindingPlanet.h"
#include "thisbook/TThisBook.h"
#include "chapters/TOnePlanet.h"
#include "chapters/TTwoPlanets.h"
#include "spectrum/SpectrumDrawing.h"
#include "simulation/TBaseChapter.h"
#include "observing/TObservingRunForm.h"
#include "observing/TFitByHandPage.h"
#include "observing/THowSureForm.h"
#include "observing/TImportDialog.h"
#include "observing/TOrbitFitPage.h"
#include "simulation/TPlanetParamForm.h"
#include "spectrum/TSpectrumForm.h"
#include "spectrum/TSpectrumView.h"
#include "DemoTabs.h"
#include "DemoWindow.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSlider>
#include <cmath>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Dialogs never block the gallery: messages are printed, modal forms cancelled.
class SilentDialogs : public DialogHook {
public:
    void showMessage(const AnsiString& text) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    int showModal(TForm&) override { return mrCancel; }
    void showException(const AnsiString& message) override {
        std::fprintf(stderr, "error: %s\n", message.c_str());
    }
    // Prints to a PDF file when one is named, on white when it is offered.
    bool printDialog(QPrinter& printer, TPrintOptions& options) override {
        if (printFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
        options.OnWhite = options.OffersOnWhite;
        printFile.clear();
        return true;
    }
    QString printFile;
};

// Runs a simulation chapter's clock by hand, as its timer would.
void RunTicks(TCustomChapter* chapter, int ticks) {
    if (auto* sim = dynamic_cast<TBaseChapter*>(chapter))
        for (int tick = 0; tick < ticks; ++tick)
            sim->Timer1Timer();
}

// The pictures the README shows, by gallery name.
const std::pair<const char*, const char*> docsPictures[] = {
    {"ch3-p06-hint", "screenshot-chapter-page"},
    {"ch5-upsilon-andromedae", "screenshot-simulation"},
};

class Gallery {
public:
    Gallery(QString dir, QString only)
        : dir_(std::move(dir)), only_(only.split(',', Qt::SkipEmptyParts)) {
        QDir().mkpath(dir_);
    }
    void setDocsDir(QString dir) {
        docsDir_ = std::move(dir);
        QDir().mkpath(docsDir_);
    }

    void shoot(QWidget& w, const QString& name) {
        QApplication::processEvents();
        save(w.grab().toImage(), name);
    }
    // Two windows side by side on one picture, as they stand on a screen.
    void shootSideBySide(QWidget& left, QWidget& right, const QString& name) {
        QApplication::processEvents();
        const QImage a = left.grab().toImage();
        const QImage b = right.grab().toImage();
        QImage both(a.width() + 16 + b.width(), std::max(a.height(), b.height()),
                    QImage::Format_RGB32);
        both.fill(QColor(60, 64, 72));
        QPainter p(&both);
        p.drawImage(0, 0, a);
        p.drawImage(a.width() + 16, 0, b);
        p.end();
        save(both, name);
    }
    int written() const { return written_; }
    // Whether a picture of this name is wanted; a PDF counts as written.
    QString pdf(const QString& name) {
        if (!wanted(name))
            return QString();
        ++written_;
        return QDir(dir_).filePath(name + ".pdf");
    }
    // The screen's available area with the windows on it where they stand, the first
    // undermost.
    void shootScreen(const std::vector<QWidget*>& windows, const QString& name) {
        QApplication::processEvents();
        const QScreen* screen = windows.front()->screen();
        const QRect free = screen->availableGeometry();
        const qreal ratio = windows.front()->devicePixelRatio();
        QImage desk((free.size() * ratio), QImage::Format_RGB32);
        desk.setDevicePixelRatio(ratio);
        desk.fill(QColor(60, 64, 72));
        QPainter p(&desk);
        for (QWidget* w : windows) {
            const QRect frame = w->frameGeometry().translated(-free.topLeft());
            p.fillRect(frame, QColor(30, 32, 36));
            p.drawPixmap(w->geometry().topLeft() - free.topLeft(), w->grab());
        }
        p.end();
        save(desk, name);
    }

    void save(const QImage& image, const QString& name) {
        if (!wanted(name))
            return;
        write(image, QDir(dir_).filePath(name + ".png"));
        if (docsDir_.isEmpty())
            return;
        for (const auto& [galleryName, docsName] : docsPictures)
            if (name == galleryName)
                write(image, QDir(docsDir_).filePath(QString(docsName) + ".png"));
    }

private:
    bool wanted(const QString& name) const {
        return only_.isEmpty() ||
               std::any_of(only_.begin(), only_.end(),
                           [&name](const QString& prefix) { return name.startsWith(prefix); });
    }
    void write(const QImage& image, const QString& path) {
        if (!image.save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        else
            ++written_;
    }

    QString dir_;
    QString docsDir_;
    QStringList only_;
    int written_ = 0;
};

// The question pages of chapters 3 and 4 with feedback showing.
void ShootQuestions(Gallery& gallery, TThisBook& book) {
    book.ChapterNumber = 3;
    book.ShowChapter(6);
    if (auto* one = dynamic_cast<TOnePlanet*>(book.CurrentChapter)) {
        // The lesson of the page: a lighter planet, its curve rescaled to the small power
        // of ten it now needs.
        one->ParamForm->massSlider->setValue(0);
        RunTicks(one, 100);
        one->ReScaleVelocity->click();
        RunTicks(one, 100);
        gallery.shoot(book, "ch3-p06-light-planet");
        one->QChoice2->click();
        one->QChoice3->click();
        gallery.shoot(book, "ch3-p06-hint");
    }
    book.ChapterNumber = 4;
    book.ShowChapter(3);
    if (auto* two = dynamic_cast<TTwoPlanets*>(book.CurrentChapter)) {
        RunTicks(two, 200);
        two->MondasAnswer->setText("11500");
        two->VulcanAnswer->setText("1500");
        two->QDoneButtonClick();
        gallery.shoot(book, "ch4-p03-answered");
    }
    book.ShowChapter(6);
    if (auto* two = dynamic_cast<TTwoPlanets*>(book.CurrentChapter)) {
        RunTicks(two, 600);
        gallery.shoot(book, "ch4-p06-running");
        two->ParamComboBox->setCurrentIndex(5);
        two->PlanComboBox->setCurrentIndex(1);
        two->QDoneButtonClick();
        gallery.shoot(book, "ch4-p06-answered");
    }
}

// The first number after `label` in one of the chapter's readouts, written with a point or
// the book's decimal comma.
double ReadoutNumber(const QLabel& readout, const QString& label) {
    const QRegularExpression number(QRegularExpression::escape(label) +
                                    R"(\s*([-−]?[0-9]+(?:[.,][0-9]+)?))");
    return number.match(readout.text()).captured(1).replace(',', '.').replace("−", "-").toDouble();
}

// The number a choice's caption starts with ("1.31 days", "1,31 jours").
double CaptionNumber(const oBitBtn& b) {
    return QString::fromStdString(b.Caption()).section(' ', 0, 0).replace(',', '.').toDouble();
}

// What a student reading a readout looks for before its number `place`: the readout's words
// (`english`, as the book's language writes it) from the number or line before it.
QString Before(const char* english, const char* place, const char* note = nullptr, int n = -1) {
    const QString line =
        BookText("Chapter 6: Finding a planet", english, note, n).section(place, 0, 0).section('\n', -1);
    return line.split(QRegularExpression("%[n0-9]")).last().trimmed();
}

// "Finding a planet" worked through by a student who reads the screen, each question page
// shown with its answer accepted.
void ShootFindingPlanet(Gallery& gallery, TThisBook& book) {
    book.ChapterNumber = 6;
    book.ShowChapter(2);
    auto* ch = dynamic_cast<TFindingPlanet*>(book.CurrentChapter);
    if (!ch)
        return;
    ch->SeedEdit->setText("2024");
    ch->ObserveButtonClick();
    ch->WaitForFits();
    // The button of the page's choice whose English caption starts with `start`, in the
    // book's language.
    auto choose = [ch](const char* start) {
        const findingplanet::TQuestion* question = findingplanet::QuestionOn(ch->Page);
        for (int i = 0; question && i < 3; ++i)
            if (question->choices[std::size_t(i)] &&
                QString(question->choices[std::size_t(i)]).startsWith(start))
                for (oBitBtn* b : ch->Choices)
                    if (b->Caption() == findingplanet::ChoiceCaption(*question, i, 0.0))
                        b->click();
    };
    auto type = [ch](double value) {
        ch->AnswerEdit->setText(QString::number(value, 'g', 4));
        ch->DoneButtonClick();
    };
    const QString highestPeak = Before("Highest peak: %1 (power %2), half width %3 days.\n"
                                       "False-alarm probability: %4.",
                                       "%1", "%1 is a period with its unit; power of the periodogram");
    const double peak = ReadoutNumber(*ch->PeakLabel, highestPeak);
    const double starMass = ReadoutNumber(
        *ch->RunLabel, Before("Seed %1: %n measurements in %2 days, each ± %3 m/s; the star, of "
                              "%4 solar masses, jitters by about %5 m/s.%6",
                              "%4", "%6 says how the run was made worse, or nothing", 2));
    auto weigh = [ch](double starMass) {
        const double P = ReadoutNumber(*ch->FitLabel, "P ="), K = ReadoutNumber(*ch->FitLabel, "K ="),
                     e = ReadoutNumber(*ch->FitLabel, "e =");
        return K / 28.4 * std::sqrt(1 - e * e) * std::cbrt(P / 365.25) * std::pow(starMass, 2.0 / 3.0);
    };
    for (int page = 2; page <= findingplanet::EccentricityPage; ++page) {
        ch->Page = page;
        ch->RefreshPage();
        ch->WaitForFits();
        switch (page) {
        case 2: choose("No"); break;
        case 3: type(ReadoutNumber(*ch->PeakLabel, highestPeak)); break;
        case 4:
            ch->FewerNightsButtonClick();
            choose("noise alone");
            break;
        case 5: {
            // The choice nearest the alias the page's formula gives.
            const double alias = 1.0 / std::fabs(1.0 / peak - 1.0);
            oBitBtn* nearest = ch->Choices[0];
            for (oBitBtn* b : ch->Choices)
                if (std::fabs(CaptionNumber(*b) - alias) < std::fabs(CaptionNumber(*nearest) - alias))
                    nearest = b;
            nearest->click();
            ch->WindowBox->setChecked(true);
            ch->WindowBoxClick();
            break;
        }
        case 6:
            ch->FoldWrongButtonClick();
            choose("scatter");
            break;
        case 7:
            gallery.shoot(book, "ch6-p07-by-hand");
            ch->Views->setCurrentIndex(findingplanet::FitTab);
            type(ReadoutNumber(*ch->FitLabel, "K ="));
            break;
        case 8: type(weigh(starMass)); break;
        case 9:
            choose(ReadoutNumber(*ch->ResidualLabel,
                                 Before("BIC with two planets: %1 (the second at %2 days, K = "
                                        "%3 m/s)\nΔBIC = BIC(two) − BIC(one) = %4: the second "
                                        "planet lowers the BIC by %5.",
                                        "%4")) < -10
                       ? "Yes: two"
                       : "No");
            break;
        case 10:
            gallery.shoot(book, "ch6-p10-instruments");
            ch->Views->setCurrentIndex(findingplanet::PeriodogramTab);
            type(ReadoutNumber(*ch->PeakLabel, highestPeak));
            break;
        case 11:
            type(weigh(ReadoutNumber(
                *ch->RunLabel, Before("%1, a star of %2 solar masses (%3):", "%2",
                                      "%1 is the star's name, %3 where its mass is published"))));
            break;
        case 12:
            choose(ReadoutNumber(*ch->EccentricityLabel,
                                 Before("The orbits that fit: e from %1 to %2 (the middle 68 %), "
                                        "median %3.",
                                        "%1")) < findingplanet::NearlyCircular
                       ? "It may be"
                       : "No");
            break;
        }
        gallery.shoot(book, QString("ch6-p%1-answered").arg(page, 2, 10, QChar('0')));
    }
    ch->Page = 10;
    ch->RefreshPage();
    ch->Views->setCurrentIndex(findingplanet::FoldTab);
    gallery.shoot(book, "ch6-p10-fold");
}

// The screen with the book and each of its dialogs as it first opens over a page.
void ShootPlacement(Gallery& gallery, TThisBook& book) {
    book.ChapterNumber = 3;
    book.ShowChapter(13);
    if (auto* sim = dynamic_cast<TBaseChapter*>(book.CurrentChapter)) {
        sim->PlanetParamButtonClick();
        gallery.shootScreen({&book, sim->ParamForm}, "screen-parameters-ch3-p13");
        sim->ParamForm->hide();
    }
    book.ChapterNumber = 2;
    book.ShowChapter(6);
    RunTicks(book.CurrentChapter, 120);
    book.mnitSpectrum->trigger();
    gallery.shootScreen({&book, book.SpectrumForm}, "screen-spectrum-ch2-p06");
    book.SpectrumForm->hide();
    book.ChapterNumber = 5;
    book.ShowChapter(3);
    book.mnitRealSystems->trigger();
    gallery.shootScreen({&book, book.RealSystemsCard}, "screen-real-systems-ch5-p03");
    book.RealSystemsCard->hide();
    book.mnitObservingRunClick();
    gallery.shootScreen({&book, book.ObservingRunForm}, "screen-observing-ch5-p03");
    book.ObservingRunForm->hide();
}

// The running simulation printed on white, a page of "Finding a planet" with its tabs of
// plots, and the chapter "One planet" printed as text, as PDF files (make gallery turns them
// into pictures).
void ShootPrints(Gallery& gallery, SilentDialogs& dialogs, TThisBook& book) {
    book.ChapterNumber = 3;
    book.ShowChapter(6);
    RunTicks(book.CurrentChapter, 150);
    dialogs.printFile = gallery.pdf("print-ch3-p06-on-white");
    book.mnitPrint->trigger();
    dialogs.printFile = gallery.pdf("print-ch3-text");
    book.mnitPrintText->trigger();
    book.ChapterNumber = 6;
    book.ShowChapter(3);
    dialogs.printFile = gallery.pdf("print-ch6-p03");
    book.mnitPrint->trigger();
}

// The card of real systems, and the free experiment running Upsilon Andromedae set up
// from it until the graph shows two periods of its fastest planet.
void ShootRealSystems(Gallery& gallery, TThisBook& book) {
    book.ChapterNumber = 5;
    book.ShowChapter(3);
    auto* sim = dynamic_cast<TBaseChapter*>(book.CurrentChapter);
    if (!sim)
        return;
    book.mnitRealSystemsClick();
    TRealSystemsForm& card = *book.RealSystemsCard;
    card.SelectSystem(4);
    gallery.shoot(card, "dialog-real-systems");
    card.SetUpButton->click();
    card.hide();
    // Tilted away from the line of sight, the edge-on orbits open into ellipses.
    sim->omegatrack->setValue(40);
    sim->ShowVelocity->setChecked(false);
    while (sim->Time < 9.3)
        sim->AdvanceTime();
    sim->Timer1Timer();
    gallery.shoot(book, "ch5-upsilon-andromedae");
    sim->PlanetParamButtonClick();
    gallery.shoot(*sim->ParamForm, "dialog-parameters-upsilon-andromedae");
    sim->ParamForm->hide();
    book.ChapterNumber = 3;
    book.ShowChapter(1);
    book.mnitRealSystemsClick();
    gallery.shoot(card, "dialog-real-systems-reading");
    card.hide();
}

// The observing run on 51 Peg b set up in the free experiment: planned, observed with the
// truth, its periodogram with the window function, the fold at the peak, a refused file and a
// mystery star.
void ShootObservingRun(Gallery& gallery, TThisBook& book) {
    book.ChapterNumber = 5;
    book.ShowChapter(1);
    book.mnitRealSystemsClick();
    TRealSystemsForm& card = *book.RealSystemsCard;
    card.SelectSystem(0);
    card.SetUpButton->click();
    card.hide();
    book.mnitObservingRunClick();
    TObservingRunForm& run = *book.ObservingRunForm;
    run.NightsBox->setValue(40);
    run.RunLengthBox->setValue(60);
    run.PrecisionBox->setValue(5);
    run.JitterBox->setValue(2);
    run.ObservableBox->setValue(80);
    run.WeatherBox->setValue(20);
    run.SeedEdit->setText("51");
    gallery.shoot(run, "observing-planned");
    run.ObserveButton->click();
    run.WaitForPeriodogram();
    run.TruthBox->setChecked(true);
    gallery.shoot(run, "observing-data-truth");
    run.Tabs->setCurrentIndex(1);
    run.WindowBox->setChecked(true);
    gallery.shoot(run, "observing-periodogram-window");
    run.Tabs->setCurrentIndex(2);
    gallery.shoot(run, "observing-fold");
    QTemporaryDir dir;
    QFile bad(dir.filePath("published.csv"));
    if (bad.open(QIODevice::WriteOnly)) {
        bad.write("# a published star\ntime,rv,err\n2450000.5,12.1,3\n2450001.5,8.4,3\n"
                  "2450002.5,-3.9,3\n2450003.5,-10.2,3\n2450004.5,2.2,3\n2450005.5,9.6,3\n"
                  "2450006.5,5.5,3\n2450007.5,-7.1,3\n2450008.5,-9.0,3\n2450009.5,1.3,3\n"
                  "2450010.5,10.8,3\n2450011.5,6.7,3\n2450012.5,-2.4,0\n");
        bad.close();
    }
    run.Tabs->setCurrentIndex(0);
    run.ImportFile(bad.fileName());
    gallery.shoot(run, "observing-refused-csv");
    run.OpenMystery(2);
    run.WaitForPeriodogram();
    run.Tabs->setCurrentIndex(1);
    run.WindowBox->setChecked(false);
    gallery.shoot(run, "observing-mystery-star");
    run.hide();
}

// A running simulation page in the system's colours, with its coloured check boxes
// disabled as the chapter's first pages have them.
void ShootSystemColours(Gallery& gallery, TThisBook& book) {
    book.WindowsColours = true;
    book.ChapterNumber = 2;
    book.ShowChapter(3);
    RunTicks(book.CurrentChapter, 120);
    gallery.shoot(book, "ch2-p03-system-colours");
    book.WindowsColours = false;
}

// A star held at chosen radial velocities, for pictures of the spectrum window.
class HeldStar : public TSimulationFeed {
public:
    ~HeldStar() { NotifyClosed(); }
    bool IsRunning() const override { return true; }
    double CurrentTime_days() const override { return time_; }
    double CurrentVelocity_mps() const override { return v_mps_; }
    double LargestVelocity_mps() const override { return 12.4; }
    void Hold(double v_mps) {
        v_mps_ = v_mps;
        time_ += 1.0;
        NotifyTick(time_, v_mps_);
    }

private:
    double time_ = 0.0;
    double v_mps_ = 0.0;
};

// The spectrum window at -12.4, 0 and +12.4 m/s (a Jupiter at 5.2 AU), with Na D magnified
// once, and beside the simulation chapter's running page.
void ShootSpectrum(Gallery& gallery, TThisBook& book) {
    book.ChapterNumber = 2;
    book.ShowChapter(6);
    book.mnitSpectrum->trigger();
    TSpectrumForm& spectrum = *book.SpectrumForm;
    {
        HeldStar star;
        spectrum.Follow(&star);
        for (double v : {-12.4, 0.0, 12.4}) {
            star.Hold(v);
            gallery.shoot(spectrum, QString("spectrum-%1mps").arg(v, 0, 'f', 1));
        }
        spectrum.LineBox->setCurrentIndex(2);
        star.Hold(-12.4);
        gallery.shoot(spectrum, "spectrum-na-d");
        spectrum.LineBox->setCurrentIndex(0);
        // The picture on a screen of device pixel ratio 2.
        QImage sharp(spectrum.View->size() * 2, QImage::Format_RGB32);
        sharp.setDevicePixelRatio(2.0);
        sharp.fill(spectrum.palette().color(QPalette::Window));
        QPainter p(&sharp);
        spectrumdrawing::Draw(p, spectrum.View->rect(), spectrum.View->Scene());
        p.end();
        gallery.save(sharp, "spectrum-picture-ratio2");
    }
    gallery.shoot(spectrum, "spectrum-no-simulation");
    book.ShowChapter(6);
    if (auto* sim = dynamic_cast<TBaseChapter*>(book.CurrentChapter)) {
        sim->StartButton->click();
        RunTicks(sim, 150);
        gallery.shootSideBySide(book, spectrum, "spectrum-beside-ch2-running");
        sim->StopButton->click();
        gallery.shoot(spectrum, "spectrum-stopped");
    }
    spectrum.hide();
}

// Upsilon Andromedae observed on 150 nights over five seasons: its outer planet's curve set
// by hand, then fitted planet by planet: the first planet with the residuals' periodogram
// showing the next, all three, and the comparison with the truth.
void ShootOrbitFit(Gallery& gallery, TThisBook& book) {
    book.ChapterNumber = 5;
    book.ShowChapter(1);
    book.mnitRealSystemsClick();
    TRealSystemsForm& card = *book.RealSystemsCard;
    card.SelectSystem(4);
    card.SetUpButton->click();
    card.hide();
    book.mnitObservingRunClick();
    TObservingRunForm& run = *book.ObservingRunForm;
    run.NightsBox->setValue(150);
    run.RunLengthBox->setValue(1826);
    run.PrecisionBox->setValue(3);
    run.JitterBox->setValue(0);
    run.ObservableBox->setValue(60);
    run.WeatherBox->setValue(0);
    run.SeedEdit->setText("2024");
    run.ObserveButton->click();
    run.WaitForPeriodogram();
    TFitByHandPage& hand = *run.ByHandPage;
    run.Tabs->setCurrentWidget(&hand);
    hand.Sliders[TFitByHandPage::Period]->setValue(883);
    hand.Sliders[TFitByHandPage::Amplitude]->setValue(190);
    hand.Sliders[TFitByHandPage::Eccentricity]->setValue(316);
    hand.Sliders[TFitByHandPage::Omega]->setValue(0);
    hand.Sliders[TFitByHandPage::Periastron]->setValue(0);
    gallery.shoot(run, "fit-by-hand");
    TOrbitFitPage& page = *run.FitPage;
    run.Tabs->setCurrentWidget(&page);
    page.WaitForFit();
    page.NextPlanetButton->click();
    page.WaitForFit();
    gallery.shoot(run, "fit-one-planet-residual-periodogram");
    for (int more = 0; more < 2; ++more) {
        page.NextPlanetButton->click();
        page.WaitForFit();
    }
    gallery.shoot(run, "fit-three-planets");
    page.CompareButton->click();
    gallery.shoot(run, "fit-compare-truth");
    page.CompareButton->click();
    run.Tabs->setCurrentIndex(0);
    run.hide();
}

// Published measurements: 51 Peg's two instruments with their legend and papers, folded, and
// fitted with a jitter each; ups And planet by planet with a trend, and the import dialog.
void ShootRealData(Gallery& gallery, TThisBook& book) {
    book.mnitObservingRunClick();
    TObservingRunForm& run = *book.ObservingRunForm;
    run.OpenRealData("51 Peg");
    run.WaitForPeriodogram();
    run.Tabs->setCurrentIndex(0);
    gallery.shoot(run, "realdata-51peg-data");
    run.Tabs->setCurrentIndex(2);
    gallery.shoot(run, "realdata-51peg-fold");
    TOrbitFitPage& page = *run.FitPage;
    run.Tabs->setCurrentWidget(&page);
    page.WaitForFit();
    page.JitterBox->setChecked(true);
    page.NextPlanetButton->click();
    page.WaitForFit();
    gallery.shoot(run, "realdata-51peg-fit");
    run.FileMenuShow();
    run.mnitHowSure->trigger();
    run.HowSureForm->WaitForSampling();
    gallery.shoot(*run.HowSureForm, "realdata-51peg-how-sure");
    run.HowSureForm->close();
    run.OpenRealData("ups And");
    page.WaitForFit();
    page.TrendBox->setCurrentIndex(1);
    for (int planet = 0; planet < 3; ++planet) {
        page.NextPlanetButton->click();
        page.WaitForFit();
    }
    gallery.shoot(run, "realdata-upsand-three-planets");
    page.TrendBox->setCurrentIndex(0);
    page.JitterBox->setChecked(false);
    run.Tabs->setCurrentIndex(0);
    run.hide();

    TImportDialog dialog(&book);
    dialog.SetFiles({{"star_HARPS.rdb",
                      "rjd\tvrad\tsvrad\n---\t----\t-----\n55000.1\t-10.0012\t0.0031\n"
                      "55001.2\t-10.0051\t0.0042\n55002.3\t-9.9987\t0.0029\n",
                      {}}});
    dialog.show();
    gallery.shoot(dialog, "dialog-import");
}

} // namespace

// Every tab of the widget library's demonstration window.
void ShootDemo(Gallery& gallery) {
    DemoWindow demo;
    demo.show();
    const auto tabs = DemoTabs();
    for (int tab = 0; tab < demo.count(); ++tab) {
        demo.setCurrentIndex(tab);
        gallery.shoot(demo, QString("demo-%1").arg(tabs[tab].name));
    }
}

int main(int argc, char* argv[]) {
    if (std::any_of(argv + 1, argv + argc, [](const char* arg) {
            return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0;
        })) {
        std::printf("Usage: gallery OUTDIR [PREFIXES] [--zoom PERCENT | --fit] [--docs DOCSDIR]\n"
                    "               [--language CODE]\n"
                    "Renders the book's pages and dialogs as PNG files into OUTDIR (default\n"
                    "gallery); PREFIXES, separated by commas, keeps only the pictures whose\n"
                    "names begin with one of them. --language renders them in that language\n"
                    "(\"pseudo\": lengthened and accented, to see what a longer one breaks).\n");
        return 0;
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    try {
        const bool fit = std::any_of(argv + 1, argv + argc,
                                     [](const char* arg) { return QString(arg) == "--fit"; });
        if (fit) {
            zoom::Apply(zoom::StartZoom(TCustomBook::DesignFrame(), zoom::ProbeScreen(argc, argv)));
        } else if (const int percent = zoom::ZoomArgument(argc, argv)) {
            // The screen's size does not matter here, only whether it draws the zoom whole.
            zoom::TScreenMeasure screen = zoom::ProbeScreen(argc, argv);
            screen.Available = QSize(100000, 100000);
            if (const auto refusal = zoom::Refusal(percent, TCustomBook::DesignFrame(), screen)) {
                std::fprintf(stderr, "%s\n", refusal->c_str());
                return 2;
            }
            zoom::Apply(percent);
        }
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    QApplication app(argc, argv);
    QString outDir = "gallery", only, docsDir, language = "en";
    for (int arg = 1, plain = 0; arg < argc; ++arg) {
        if (QString(argv[arg]) == "--docs" && arg + 1 < argc)
            docsDir = argv[++arg];
        else if (QString(argv[arg]) == "--language" && arg + 1 < argc)
            language = argv[++arg];
        else if (QString(argv[arg]) == "--zoom" && arg + 1 < argc)
            ++arg;
        else if (QString(argv[arg]).startsWith("--zoom=") || QString(argv[arg]) == "--fit")
            continue;
        else if (plain++ == 0)
            outDir = argv[arg];
        else
            only = argv[arg];
    }
    if (!BookLanguageAvailable(language)) {
        std::fprintf(stderr, "The book does not speak \"%s\".\n", language.toUtf8().constData());
        return 2;
    }
    UseBookLanguage(language);
    Gallery gallery(outDir, only);
    if (!docsDir.isEmpty())
        gallery.setDocsDir(docsDir);
    SilentDialogs dialogs;
    Application::SetDialogHook(&dialogs);
    Application::SetTitle(BookText("Book window", "Doppler spectroscopy").toStdString());
    try {
        TThisBook* book = CreateForm<TThisBook>();
        Application::SetMainForm(book);
        TAccessBox* access = CreateForm<TAccessBox>();
        book->show();
        gallery.shoot(*book, "00-splash");
        book->LeaveSplash();
        gallery.shoot(*book, "01-contents");
        for (int chapter = 1; chapter <= book->ChapterCount; ++chapter) {
            book->ChapterNumber = chapter;
            book->ShowChapter(1);
            for (int page = 1; page <= book->CurrentChapter->PageCount; ++page) {
                book->CurrentChapter->Page = page;
                book->CurrentChapter->RefreshPage();
                // A simulation page is shown with some of its curve on the graph.
                RunTicks(book->CurrentChapter, 120);
                gallery.shoot(*book, QString("ch%1-p%2").arg(chapter).arg(page, 2, 10, QChar('0')));
                // "Two planets" leads on only once its page-6 question is answered, which
                // also gives the parameter dialog back: pages 7 to 9 as a student sees them.
                if (auto* two = dynamic_cast<TTwoPlanets*>(book->CurrentChapter); two && page == 6) {
                    two->ParamComboBox->setCurrentIndex(5);
                    two->PlanComboBox->setCurrentIndex(1);
                    two->QDoneButtonClick();
                    two->OKButtonClick();
                }
            }
        }
        ShootFindingPlanet(gallery, *book);
        ShootPlacement(gallery, *book);
        ShootPrints(gallery, dialogs, *book);
        // The simulation running with its arrows on, and its parameter dialog.
        book->ChapterNumber = 2;
        book->ShowChapter(6);
        if (auto* sim = dynamic_cast<TBaseChapter*>(book->CurrentChapter)) {
            sim->ShowVelocity->setChecked(true);
            for (int tick = 0; tick < 90; ++tick)
                sim->Timer1Timer();
            gallery.shoot(*book, "ch2-running");
            sim->PlanetParamButtonClick();
            gallery.shoot(*sim->ParamForm, "dialog-parameters");
            sim->ParamForm->hide();
        }
        // The parameter dialog as "One planet" restricts it on pages 3 and 13.
        for (int page : {3, 13}) {
            book->ChapterNumber = 3;
            book->ShowChapter(page);
            auto* sim = dynamic_cast<TBaseChapter*>(book->CurrentChapter);
            if (!sim)
                break;
            sim->PlanetParamButtonClick();
            gallery.shoot(*sim->ParamForm, QString("dialog-parameters-ch3-p%1").arg(page));
            sim->ParamForm->hide();
        }
        ShootSystemColours(gallery, *book);
        ShootQuestions(gallery, *book);
        ShootRealSystems(gallery, *book);
        ShootSpectrum(gallery, *book);
        ShootObservingRun(gallery, *book);
        ShootOrbitFit(gallery, *book);
        ShootRealData(gallery, *book);
        book->mnitContentsClick();
        gallery.shoot(*book, "01-contents-over-chapter");
        access->show();
        gallery.shoot(*access, "dialog-access");
        access->hide();
        book->mnitKeys->trigger();
        if (auto* keys = book->findChild<TKeysBox*>()) {
            gallery.shoot(*keys, "dialog-keys");
            keys->close();
        }
        {
            TAboutBox about(book);
            about.show();
            for (int page = 0; page < about.Notebook->count(); ++page) {
                about.Notebook->setCurrentIndex(page);
                gallery.shoot(about, QString("dialog-about-%1").arg(page));
            }
        }
        {
            // The book's own calculator, with a value and with the evaluator's message.
            TCalculatorForm calculator(book);
            calculator.show();
            calculator.ExpressionEdit->setText("2 pi sqrt(5.2^3)");
            calculator.EqualsButtonClick();
            gallery.shoot(calculator, "dialog-calculator");
            calculator.ExpressionEdit->setText("x/(1-1)");
            calculator.EqualsButtonClick();
            gallery.shoot(calculator, "dialog-calculator-message");
        }
        TForm::Free(access);
        Application::SetMainForm(nullptr);
        TForm::Free(book);
        ShootDemo(gallery);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gallery failed: %s\n", e.what());
        return 1;
    }
    std::printf("%d pictures in %s\n", gallery.written(), qPrintable(outDir));
    return 0;
}
