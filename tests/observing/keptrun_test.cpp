// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// An observing run saved and opened again with its plan, measurements and fits; the run
// file's fields; and the files the window refuses, keeping the run it shows.
#include "../book/BookFixture.h"

#include "JsonFiles.h"
#include "WorkFile.h"
#include "model/rv/RvDataSet.h"
#include "observing/SolutionJson.h"
#include "observing/TFitByHandPage.h"
#include "observing/TObservingRunForm.h"
#include "observing/TOrbitFitPage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <span>

class KeptRunTest : public BookTest {
protected:
    // A run on the two-planet chapter's star with two planets fitted, the student's choices made.
    TObservingRunForm& runWithFits() {
        open(4, 2);
        book->mnitObservingRun->trigger();
        TObservingRunForm& w = *book->ObservingRunForm;
        w.NightsBox->setValue(60);
        w.RunLengthBox->setValue(9000);
        w.PrecisionBox->setValue(2.0);
        w.WeatherBox->setValue(20);
        w.SeedEdit->setText("4242");
        w.ObserveButton->click();
        w.WaitForPeriodogram();
        w.FitPage->WaitForFit();
        for (int n = 0; n < 2; ++n) {
            w.FitPage->NextPlanetButtonClick();
            w.FitPage->WaitForFit();
        }
        w.FitPage->JitterBox->setChecked(true);
        w.FitPage->WaitForFit();
        w.TruthBox->setChecked(true);
        w.WindowBox->setChecked(true);
        w.PeriodBox->setValue(123.5);
        w.ByHandPage->Sliders[TFitByHandPage::Eccentricity]->setValue(321);
        return w;
    }
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(name); }
};

TEST_F(KeptRunTest, ARunSavedOpensWithItsPlanDataAndFits) {
    TObservingRunForm& w = runWithFits();
    ASSERT_EQ(w.FitPage->Fits().size(), 2u);
    const TRunState saved = w.SavedRun();
    ASSERT_TRUE(w.SaveRunFile(path("run.json")));
    const QString status = w.StatusLabel->text();

    // Another student's window, never used.
    TForm::Free(book);
    book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    book->show();
    book->mnitObservingRun->trigger();
    TObservingRunForm& o = *book->ObservingRunForm;
    ASSERT_TRUE(o.OpenRunFile(path("run.json"))) << o.StatusLabel->text().toStdString();
    EXPECT_EQ(o.NightsBox->value(), 60);
    EXPECT_EQ(o.RunLengthBox->value(), 9000.0);
    EXPECT_EQ(o.PrecisionBox->value(), 2.0);
    EXPECT_EQ(o.WeatherBox->value(), 20);
    EXPECT_EQ(o.SeedEdit->text(), "4242");
    EXPECT_EQ(o.StatusLabel->text(), status);
    EXPECT_EQ(o.Measurements().data, saved.set.data);
    EXPECT_EQ(o.Measurements().timeOffset_days, saved.set.timeOffset_days);
    EXPECT_TRUE(o.TruthBox->isEnabled() && o.TruthBox->isChecked()) << "the truth came along";
    EXPECT_TRUE(o.WindowBox->isChecked());
    EXPECT_EQ(o.ByHandPage->Sliders[TFitByHandPage::Eccentricity]->value(), 321);
    EXPECT_TRUE(o.FitPage->JitterBox->isChecked());
    ASSERT_EQ(o.FitPage->Fits().size(), 2u);
    for (std::size_t n = 0; n < 2; ++n) {
        const fit::TOrbitSolution &a = saved.fits[n], &b = o.FitPage->Fits()[n];
        EXPECT_EQ(a.rms_mps, b.rms_mps);
        EXPECT_EQ(a.bic, b.bic);
        EXPECT_EQ(a.jitter_mps, b.jitter_mps);
        ASSERT_EQ(a.planets.size(), b.planets.size());
        for (std::size_t k = 0; k < a.planets.size(); ++k) {
            EXPECT_EQ(a.planets[k].elements.period_days, b.planets[k].elements.period_days);
            EXPECT_EQ(a.planets[k].elements.tPeri_days, b.planets[k].elements.tPeri_days);
            EXPECT_EQ(a.planets[k].K_mps.sigma, b.planets[k].K_mps.sigma);
            EXPECT_EQ(a.planets[k].ecc.high, b.planets[k].ecc.high);
        }
    }
    EXPECT_FALSE(o.FitPage->Working() && o.FitPage->Comparing());
    o.WaitForPeriodogram();
    o.FitPage->WaitForFit();
    EXPECT_EQ(o.PeriodBox->value(), 123.5) << "the fold stays where the student put it";
    ASSERT_NE(o.FitPage->ResidualPeriodogram(), nullptr) << "worked out again for the fits";
    EXPECT_EQ(o.FitPage->Fits().size(), 2u) << "no refit replaced them";
    EXPECT_EQ(o.FitPage->Fits()[1].rms_mps, saved.fits[1].rms_mps);
    // The fits are live: removing one goes back to the fit beneath it.
    o.FitPage->RemovePlanetButtonClick();
    ASSERT_NE(o.FitPage->Solution(), nullptr);
    EXPECT_EQ(o.FitPage->Solution()->planets.size(), 1u);
    o.FitPage->WaitForFit();
    // What that fit leaves: the second planet, not the first again.
    const double second = saved.fits[1].planets[1].period_days.value;
    ASSERT_NE(o.FitPage->ResidualPeriodogram(), nullptr);
    EXPECT_NEAR(o.FitPage->ResidualPeriodogram()->peak.period_days, second, 0.05 * second);
}

TEST_F(KeptRunTest, TheRunFileHoldsTheDocumentedFields) {
    TObservingRunForm& w = runWithFits();
    ASSERT_TRUE(w.SaveRunFile(path("run.json")));
    const QJsonObject root = ReadJson(path("run.json"));
    EXPECT_EQ(Keys(root), (QSet<QString>{"format", "version", "observingRun"}));
    const QJsonObject run = root["observingRun"].toObject();
    EXPECT_EQ(Keys(run), (QSet<QString>{"plan", "source", "star", "measurements", "truth",
                                        "truthShown", "shortestPeriod", "windowShown",
                                        "foldPeriod", "byHand", "fit"}));
    EXPECT_EQ(Keys(run["plan"].toObject()),
              (QSet<QString>{"nights", "runLength", "precision", "jitter", "observablePercent",
                             "weatherPercent", "seed"}));
    EXPECT_EQ(run["source"].toString(), "observed");
    EXPECT_EQ(Keys(run["measurements"].toObject()), (QSet<QString>{"timeOffset", "instruments", "rows"}));
    const QJsonArray first = run["measurements"].toObject()["rows"].toArray()[0].toArray();
    ASSERT_EQ(first.size(), 4);
    EXPECT_EQ(first[1].toDouble(), w.Measurements().data[0].v_mps);
    EXPECT_EQ(Keys(run["fit"].toObject()),
              (QSet<QString>{"jitter", "starMass", "comparing", "fits"}));
    // Each value once: no elements beside their estimates, no mass in a second unit, no copy
    // of the first instrument's offset and jitter.
    const QJsonObject fit = run["fit"].toObject()["fits"].toArray()[0].toObject();
    EXPECT_EQ(Keys(fit), (QSet<QString>{"planets", "offsets", "jitters", "trendOrder", "trend",
                                        "curvature", "referenceTime", "span", "starMass", "rms",
                                        "chiSquare", "reducedChiSquare", "degreesOfFreedom",
                                        "parameters", "minusTwoLnL", "bic"}));
    const QJsonObject planet = fit["planets"].toArray()[0].toObject();
    EXPECT_EQ(Keys(planet), (QSet<QString>{"period", "K", "ecc", "omega", "tPeri",
                                           "massSinIJupiter", "a", "eccentricityAtBound"}));
    const QJsonObject estimate = planet["K"].toObject();
    EXPECT_EQ(Keys(estimate), (QSet<QString>{"value", "sigma", "low", "high", "fixed"}));
    EXPECT_EQ(estimate["high"].toString(), "inf")
        << "no bound above is written as JSON has no infinity";
    // The architecture notes' account of the file names every field it has.
    QFile notes(DOPPLER_SOURCE_DIR "/docs/ARCHITECTURE.md");
    ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
    const QString all = QString::fromUtf8(notes.readAll());
    const QString section = all.mid(all.indexOf("## Keeping work"),
                                    all.indexOf("## Printing") - all.indexOf("## Keeping work"));
    std::function<void(const QJsonObject&, const QString&)> documented =
        [&](const QJsonObject& object, const QString& path) {
            for (auto field = object.begin(); field != object.end(); ++field) {
                EXPECT_TRUE(section.contains("`" + field.key() + "`")) << (path + field.key()).toStdString();
                const QJsonValue inner = field->isArray() && !field->toArray().isEmpty()
                                             ? field->toArray().first()
                                             : *field;
                if (inner.isObject())
                    documented(inner.toObject(), path + field.key() + ".");
            }
        };
    documented(run, "observingRun.");
    // A file of an earlier book, with the copies it kept, opens as the same run.
    QJsonObject older = root;
    QJsonObject olderRun = older["observingRun"].toObject();
    QJsonObject olderFit = olderRun["fit"].toObject();
    QJsonArray olderFits = olderFit["fits"].toArray();
    QJsonObject copies = olderFits[0].toObject();
    copies["offset"] = QJsonObject{{"value", 500.0}};
    copies["jitter"] = 12.0;
    olderFits[0] = copies;
    olderFit["fits"] = olderFits;
    olderRun["fit"] = olderFit;
    older["observingRun"] = olderRun;
    WriteBytes(path("older.json"), QJsonDocument(older).toJson());
    ASSERT_TRUE(w.OpenRunFile(path("older.json")));
    ASSERT_NE(w.FitPage->Solution(), nullptr);
    const auto firstValue = [&](const char* key) {
        return fit[key].toArray()[0].toObject()["value"].toDouble();
    };
    EXPECT_EQ(w.FitPage->Fits()[0].offset_mps.value, firstValue("offsets"));
    EXPECT_EQ(w.FitPage->Fits()[0].jitter_mps, firstValue("jitters"));
    EXPECT_EQ(w.FitPage->Fits()[0].planets[0].elements.K_mps, estimate["value"].toDouble());
}

TEST_F(KeptRunTest, ARefusedRunIsNamedWithItsReasonAndTheRunShownStays) {
    TObservingRunForm& w = runWithFits();
    ASSERT_TRUE(w.SaveRunFile(path("good.json")));
    const QJsonObject good = ReadJson(path("good.json"));
    const auto data = w.Measurements().data;
    const double rms = w.FitPage->Solution()->rms_mps;
    const int nights = w.NightsBox->value();

    using TChange = std::function<void(QJsonObject&)>;
    const auto edited = [&](const TChange& change) {
        QJsonObject root = good;
        QJsonObject run = root["observingRun"].toObject();
        change(run);
        root["observingRun"] = run;
        return QJsonDocument(root).toJson();
    };
    const auto rows = [](const std::function<void(QJsonArray&)>& change) -> TChange {
        return [change](QJsonObject& run) {
            QJsonObject m = run["measurements"].toObject();
            QJsonArray r = m["rows"].toArray();
            change(r);
            m["rows"] = r;
            run["measurements"] = m;
        };
    };
    const auto fits = [](const std::function<void(QJsonArray&)>& change) -> TChange {
        return [change](QJsonObject& run) {
            QJsonObject f = run["fit"].toObject();
            QJsonArray list = f["fits"].toArray();
            change(list);
            f["fits"] = list;
            run["fit"] = f;
        };
    };
    QJsonObject oldVersion = good, nearVersion = good;
    oldVersion["version"] = 0;
    nearVersion["version"] = 1.0000001;
    const struct {
        const char* name;
        QByteArray text;
        const char* reason;
    } cases[] = {
        {"cut short", WorkFileText(good).left(200), "not a saved piece of work"},
        {"an older version", QJsonDocument(oldVersion).toJson(), "another version"},
        {"a version near 1", QJsonDocument(nearVersion).toJson(), "format version 1.0000001;"},
        {"a part of tiny values beyond any work",
         "{\"format\": \"doppler-spectroscopy-work\", \"version\": 1, \"junk\": [" +
             QByteArray("1,").repeated(qsizetype(MaxWorkFileValues)) + "1]}",
         "more than 1 000 000 values"},
        {"a system only", WorkFileText({{"system", QJsonObject{}}}), "no observing run"},
        {"rows out of time order", edited(rows([](QJsonArray& r) {
             const QJsonValue first = r[0];
             r[0] = r[1];
             r[1] = first;
         })), "row 2 is earlier"},
        {"a row of three", edited(rows([](QJsonArray& r) { r[3] = QJsonArray{1.0, 2.0, 3.0}; })),
         "row 4 is not four numbers"},
        {"a velocity faster than light",
         edited(rows([](QJsonArray& r) { r[0] = QJsonArray{0.0, 4e8, 1.0, 0}; })), "row 1:"},
        {"a zero error", edited(rows([](QJsonArray& r) { r[0] = QJsonArray{0.0, 1.0, 0.0, 0}; })),
         "row 1:"},
        {"an instrument skipped",
         edited(rows([](QJsonArray& r) { const QJsonArray row = r[2].toArray();
             r[2] = QJsonArray{row[0], row[1], row[2], 2}; })),
         "row 3 names no instrument of the set"},
        {"fits without data", edited(rows([](QJsonArray& r) {
             while (r.size() > 2)
                 r.removeLast();
         })), "without enough measurements"},
        {"a fit of the wrong size", edited(fits([](QJsonArray& f) { f.removeFirst(); })),
         "does not list 1 planets"},
        {"a negative period", edited(fits([](QJsonArray& f) {
             QJsonObject fit = f[0].toObject();
             QJsonArray planets = fit["planets"].toArray();
             QJsonObject p = planets[0].toObject();
             QJsonObject e = p["period"].toObject();
             e["value"] = -3.0;
             p["period"] = e;
             planets[0] = p;
             fit["planets"] = planets;
             f[0] = fit;
         })), "fit.fits[0].planets[0].period.value"},
        {"an offset too few", edited(fits([](QJsonArray& f) {
             QJsonObject fit = f[1].toObject();
             fit["offsets"] = QJsonArray{};
             f[1] = fit;
         })), "offsets"},
        {"an instrument's sigma below 0", edited(fits([](QJsonArray& f) {
             QJsonObject fit = f[0].toObject();
             QJsonArray jitters = fit["jitters"].toArray();
             QJsonObject first = jitters[0].toObject();
             first["sigma"] = -1.0;
             jitters[0] = first;
             fit["jitters"] = jitters;
             f[0] = fit;
         })), "\"observingRun.fit.fits[0].jitters[0].sigma\""},
        {"a trend that would overflow the curve", edited(fits([](QJsonArray& f) {
             QJsonObject fit = f[0].toObject();
             QJsonObject trend = fit["trend"].toObject();
             trend["value"] = 1e300;
             fit["trend"] = trend;
             f[0] = fit;
         })), "fit.fits[0].trend.value"},
        {"a seed with letters", edited([](QJsonObject& run) {
             QJsonObject plan = run["plan"].toObject();
             plan["seed"] = "12ab";
             run["plan"] = plan;
         }), "seed"},
        {"a seed ending in a line break", edited([](QJsonObject& run) {
             QJsonObject plan = run["plan"].toObject();
             plan["seed"] = "12\n";
             run["plan"] = plan;
         }), "seed"},
        {"a mass that would overflow in Earth masses", edited(fits([](QJsonArray& f) {
             QJsonObject fit = f[0].toObject();
             QJsonArray planets = fit["planets"].toArray();
             QJsonObject p = planets[0].toObject();
             p["massSinIJupiter"] = QJsonObject{{"value", 1e308}, {"sigma", 0.0}, {"low", 0.0},
                                                {"high", "inf"}, {"fixed", false}};
             planets[0] = p;
             fit["planets"] = planets;
             f[0] = fit;
         })), "fit.fits[0].planets[0].massSinIJupiter.value"},
        {"an eccentricity beyond its own bound", edited(fits([](QJsonArray& f) {
             QJsonObject fit = f[0].toObject();
             QJsonArray planets = fit["planets"].toArray();
             QJsonObject p = planets[0].toObject();
             QJsonObject ecc = p["ecc"].toObject();
             ecc["value"] = ecc["high"].toDouble() + 0.001;
             p["ecc"] = ecc;
             planets[0] = p;
             fit["planets"] = planets;
             f[0] = fit;
         })), "fit.fits[0].planets[0].ecc.value"},
        {"65 instruments", edited([](QJsonObject& run) {
             QJsonObject m = run["measurements"].toObject();
             QJsonArray names;
             for (int k = 0; k < 65; ++k)
                 names.append(QString("I%1").arg(k));
             m["instruments"] = names;
             run["measurements"] = m;
         }), "has more than 64 entries"},
        {"a name of 65 characters", edited([](QJsonObject& run) {
             QJsonObject m = run["measurements"].toObject();
             m["instruments"] = QJsonArray{QString(65, 'x')};
             run["measurements"] = m;
         }), "entry 1 is not a name"},
        {"a star the fit cannot weigh", edited([](QJsonObject& run) {
             QJsonObject f = run["fit"].toObject();
             f["starMass"] = 50.0;
             run["fit"] = f;
         }), "star's mass for the fit"},
        {"an unknown source", edited([](QJsonObject& run) { run["source"] = "telescope"; }),
         "observingRun.source"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        WriteBytes(path("bad.json"), k.text);
        EXPECT_FALSE(w.OpenRunFile(path("bad.json")));
        const std::string status = w.StatusLabel->text().toStdString();
        EXPECT_NE(status.find(k.reason), std::string::npos) << status;
        EXPECT_NE(status.find("The run shown is kept."), std::string::npos) << status;
        EXPECT_EQ(w.Measurements().data, data);
        ASSERT_NE(w.FitPage->Solution(), nullptr);
        EXPECT_EQ(w.FitPage->Solution()->rms_mps, rms);
        EXPECT_EQ(w.NightsBox->value(), nights);
    }
    w.WaitForPeriodogram();
    w.FitPage->WaitForFit();
}

// Published measurements come back citing their papers from the book's own data set, and
// lead to the card again; a run naming a star the book has no data of is refused.
TEST_F(KeptRunTest, APublishedRunOpensCitingItsPapers) {
    book->mnitObservingRun->trigger();
    TObservingRunForm& w = *book->ObservingRunForm;
    ASSERT_TRUE(w.OpenRealData("51 Peg"));
    w.WaitForPeriodogram();
    ASSERT_TRUE(w.SaveRunFile(path("run.json")));
    EXPECT_EQ(ReadJson(path("run.json"))["observingRun"].toObject()["star"].toString(), "51 Peg");

    w.ObserveButton->click();
    w.WaitForPeriodogram();
    ASSERT_TRUE(w.OpenRunFile(path("run.json"))) << w.StatusLabel->text().toStdString();
    EXPECT_EQ(w.RealDataStar(), "51 Peg");
    EXPECT_EQ(w.Measurements().data.size(), 409u);
    EXPECT_EQ(w.Measurements().instruments, (std::vector<std::string>{"LICK", "ELODIE"}));
    EXPECT_TRUE(w.SourceLabel->isVisibleTo(&w));
    EXPECT_TRUE(w.SourceLabel->text().contains("Butler et al. 2006"));
    EXPECT_TRUE(w.SourceLabel->text().contains("Naef et al. 2004"));
    EXPECT_TRUE(w.mnitOnCard->isEnabled());
    w.WaitForPeriodogram();

    QJsonObject root = ReadJson(path("run.json"));
    QJsonObject run = root["observingRun"].toObject();
    run["star"] = "Tau Ceti";
    root["observingRun"] = run;
    WriteBytes(path("bad.json"), QJsonDocument(root).toJson());
    EXPECT_FALSE(w.OpenRunFile(path("bad.json")));
    EXPECT_TRUE(w.StatusLabel->text().contains("no published measurements of Tau Ceti"))
        << w.StatusLabel->text().toStdString();
    EXPECT_EQ(w.RealDataStar(), "51 Peg");
    w.WaitForPeriodogram();
}

// Every field of a run, no two values alike (two instruments of their own names, errors and
// offsets, planets and fits of their own elements), written and read back, writes the same
// text again: a field read into another's place would show.
TEST(KeptRunFields, EveryFieldComesBackInItsPlace) {
    double next = 0.0;
    const auto estimate = [&] {
        next += 1.0;
        return fit::TEstimate{next, next / 100.0, next - 0.5, next + 0.25, false};
    };
    const auto elements = [&] {
        next += 1.0;
        return kepler::TRadialVelocityElements{next, next + 0.1, 0.01 * next, 0.2 + next,
                                               next + 0.3};
    };
    TRunState s;
    s.nights = 41;
    s.runLength_days = 61.5;
    s.precision_mps = 4.5;
    s.jitter_mps = 1.25;
    s.observablePercent = 70;
    s.weatherPercent = 15;
    s.seed = "90210";
    s.source = "imported";
    s.set.timeOffset_days = 2450000.5;
    s.set.instruments = {"LICK", "ELODIE"};
    for (int i = 0; i < 8; ++i)
        s.set.data.push_back({1.5 * i, 10.0 - i, 1.0 + 0.1 * i, i % 2});
    s.truth = {elements(), elements()};
    s.truthShown = true;
    s.shortestPeriod_days = 1.75;
    s.windowShown = true;
    s.foldPeriod_days = 12.25;
    s.byHand = {1, 2, 3, 4, 5};
    s.fitJitter = true;
    s.fitStarMass_Solar = 0.9;
    s.comparing = true;
    for (int n = 1; n <= 2; ++n) {
        fit::TOrbitSolution solution;
        for (int k = 0; k < n; ++k) {
            fit::TFittedPlanet p;
            for (fit::TEstimate* e : {&p.period_days, &p.K_mps, &p.omega_rad, &p.tPeri_days,
                                      &p.massSinI_Jupiter, &p.a_AU})
                *e = estimate();
            p.ecc = {0.1 * (k + 1), 0.01, 0.0, 0.99, false};
            p.eccentricityAtBound = k == 0;
            solution.planets.push_back(p);
        }
        solution.offsets_mps = {estimate(), estimate()};
        solution.jitters_mps = {estimate(), estimate()};
        solution.offset_mps = solution.offsets_mps[0];
        solution.jitter_mps = solution.jitters_mps[0].value;
        solution.trendOrder = 2;
        solution.trend_mps_per_day = estimate();
        solution.curvature_mps_per_day2 = estimate();
        solution.referenceTime_days = 0.5 + n;
        solution.span_days = 10.5 + n;
        solution.starMass_Solar = 0.9;
        solution.rms_mps = 1.1 + n;
        solution.chiSquare = 7.5 + n;
        solution.reducedChiSquare = 1.3 + n;
        solution.degreesOfFreedom = 2 + n;
        solution.parameters = 5 + n;
        solution.minusTwoLnL = -3.5 + n;
        solution.bic = 4.75 + n;
        s.fits.push_back(solution);
    }
    // A planet run away to a mere trend, its amplitude and the offset that cancels it grown
    // far beyond any velocity measured, is kept as fitted; a longer period than a fit reaches
    // is refused.
    fit::TFittedPlanet& runaway = s.fits[1].planets[1];
    runaway.period_days = {2e17, 1e15};
    runaway.K_mps = {3e12, 1.0, 0.0};
    runaway.tPeri_days = {1.5e17, 1.0};
    s.fits[1].offsets_mps[0] = {-3e12, 1.0};
    const QJsonObject written = RunToJson(s);
    const TRunState read = RunFromJson(written);
    EXPECT_EQ(RunToJson(read), written);
    // What is kept once is worked out again: the elements, the first instrument's offset and
    // jitter, and m sin i in Earth masses.
    const fit::TFittedPlanet& back = read.fits[1].planets[0];
    EXPECT_EQ(back.elements.period_days, back.period_days.value);
    EXPECT_EQ(back.elements.ecc, 0.1);
    EXPECT_EQ(back.elements.tPeri_days, back.tPeri_days.value);
    EXPECT_EQ(read.fits[1].offset_mps.value, -3e12);
    EXPECT_EQ(read.fits[1].jitter_mps, s.fits[1].jitters_mps[0].value);
    EXPECT_NEAR(back.massSinI_Earth.value / back.massSinI_Jupiter.value, 318.0, 1.0)
        << "Jupiter is some 318 Earth masses";
    runaway.period_days.value = 2e18;
    EXPECT_THROW(RunFromJson(RunToJson(s)), EWorkFileRefusal);

    // Rows at one time are kept; as many rows as a file may hold, and not one more.
    QJsonArray rows;
    for (std::size_t i = 0; i < observing::MaxCsvRows; ++i)
        rows.append(QJsonArray{i < 2 ? 0.0 : double(i), 1.0, 1.0, 0});
    QJsonObject measurements{{"timeOffset", 0.0}, {"instruments", QJsonArray{}}, {"rows", rows}};
    EXPECT_EQ(MeasurementsFromJson(TWorkFields(measurements, "m")).data.size(),
              observing::MaxCsvRows);
    rows.append(QJsonArray{1e6, 1.0, 1.0, 0});
    measurements["rows"] = rows;
    EXPECT_THROW(MeasurementsFromJson(TWorkFields(measurements, "m")), EWorkFileRefusal);
}

// A run saved before the status line was worded from the run opens with its "status" passed
// over; a file's name with markup shows as the text it is.
TEST_F(KeptRunTest, AKeptStatusIsPassedOverAndNamesShowAsText) {
    book->mnitObservingRun->trigger();
    TObservingRunForm& w = *book->ObservingRunForm;
    w.OpenMystery(1);
    const QString status = w.StatusLabel->text();
    ASSERT_TRUE(w.SaveRunFile(path("run.json")));
    QJsonObject root = ReadJson(path("run.json"));
    QJsonObject run = root["observingRun"].toObject();
    run["status"] = "<h1 style=\"font-size:200px\">HUGE</h1>";
    root["observingRun"] = run;
    WriteBytes(path("old.json"), QJsonDocument(root).toJson());
    w.OpenMystery(0);
    ASSERT_TRUE(w.OpenRunFile(path("old.json"))) << w.StatusLabel->text().toStdString();
    EXPECT_EQ(w.StatusLabel->text(), status) << "worded again from the mystery star's data";

    const QString marked = dir.filePath("<h1>BIG<h1>.csv");
    WriteBytes(marked, "0,1,1\n1,2,1\n2,3,1\n");
    ASSERT_TRUE(w.ImportFile(marked));
    EXPECT_TRUE(w.StatusLabel->text().contains("from <h1>BIG<h1>.csv."));
    for (const QLabel* label : {w.StatusLabel, w.SourceLabel, w.PeakLabel, w.FitPage->Summary,
                                w.FitPage->EvidenceLabel})
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->accessibleName().toStdString();
    w.WaitForPeriodogram();
    w.FitPage->WaitForFit();
}

namespace {

rvdata::TRvFile InstrumentFile(const std::string& name, std::string text) {
    rvdata::TRvFile file;
    file.name = name + ".csv";
    file.text = std::move(text);
    rvdata::TColumnChoice choice;
    choice.instrument = 3;
    file.choice = choice;
    return file;
}

std::string Row(double t, double v, double error, const std::string& instrument) {
    return QString("%1,%2,%3,%4\n")
        .arg(t, 0, 'f', 4)
        .arg(v, 0, 'g', 17)
        .arg(error, 0, 'g', 17)
        .arg(QString::fromStdString(instrument))
        .toStdString();
}

} // namespace

// The largest import the book takes, one file per instrument with names as long as kept,
// saves and opens again whole, each instrument with values of its own, and a zoom restart
// carries it; one measurement, instrument or byte of a name more is refused at the import.
TEST_F(KeptRunTest, TheLargestImportSavesAndOpensAgain) {
    using namespace observing;
    const int instruments = int(MaxInstruments);
    const auto name = [](int j) {
        return QString("Spectrograph %1 ")
            .arg(j)
            .leftJustified(int(MaxInstrumentNameBytes), 'x')
            .toStdString();
    };
    std::vector<std::string> texts(std::size_t(instruments), "");
    // Velocities and errors of 17 digits, as long as a saved number gets.
    const auto velocity = [](std::size_t i, int j) { return 30.0 * std::sin(0.1 * double(i)) + j; };
    const auto error = [](std::size_t i, int j) { return 1.0 + 0.01 * j + 1e-9 * double(i); };
    for (std::size_t i = 0; i < MaxCsvRows; ++i) {
        const int j = int(i % std::size_t(instruments));
        texts[std::size_t(j)] +=
            Row(2450000.0 + 0.01 * double(i), velocity(i, j), error(i, j), name(j));
    }
    std::vector<rvdata::TRvFile> files;
    for (int j = 0; j < instruments; ++j)
        files.push_back(InstrumentFile(name(j), texts[std::size_t(j)]));

    book->mnitObservingRun->trigger();
    TObservingRunForm& w = *book->ObservingRunForm;
    ASSERT_TRUE(w.ImportDataSet(files)) << w.StatusLabel->text().toStdString();
    const TMeasurementSet saved = w.Measurements();
    ASSERT_EQ(saved.data.size(), MaxCsvRows);
    ASSERT_EQ(saved.instruments.size(), MaxInstruments);
    EXPECT_EQ(saved.data[1].instrument, 1);
    EXPECT_EQ(saved.data[1].error_mps, error(1, 1));
    EXPECT_EQ(saved.data[1].v_mps, velocity(1, 1));
    ASSERT_TRUE(w.SaveRunFile(path("largest.json")));

    w.OpenMystery(0);
    ASSERT_TRUE(w.OpenRunFile(path("largest.json"))) << w.StatusLabel->text().toStdString();
    EXPECT_EQ(w.Measurements().data, saved.data);
    EXPECT_EQ(w.Measurements().instruments, saved.instruments);
    EXPECT_EQ(w.Measurements().timeOffset_days, saved.timeOffset_days);
    EXPECT_EQ(w.StatusLabel->text(),
              "Read 100000 measurements of 64 instruments from a saved run.");
    WriteBytes(path("restart.json"), WorkFileText(book->KeptWork()));
    EXPECT_EQ(book->RestoreWork(ReadWorkFile(path("restart.json"))), "");
    EXPECT_EQ(w.Measurements().data, saved.data);

    files.back().text += Row(2451001.0, 1.0, 1.0, name(instruments - 1));
    EXPECT_FALSE(rvdata::ReadDataSet(files).ok);
    EXPECT_EQ(rvdata::ReadDataSet(files).message,
              files.back().name + ": " + TooManyMeasurementsRefusal().English());

    std::vector<rvdata::TRvFile> many;
    for (int j = 0; j <= instruments; ++j)
        many.push_back(InstrumentFile(name(j), Row(2450000.0 + j, 1.0, 1.0, name(j))));
    EXPECT_EQ(rvdata::ReadDataSet(many).message,
              many.back().name + ": " + TooManyInstrumentsRefusal().English());
    many.pop_back();
    EXPECT_TRUE(rvdata::ReadDataSet(many).ok);

    const std::string longer = name(0) + "x";
    const rvdata::TRvFile named = InstrumentFile(
        "long", Row(2450000.0, 1.0, 1.0, longer) + Row(2450001.0, 2.0, 1.0, longer) +
                    Row(2450002.0, 3.0, 1.0, longer));
    EXPECT_EQ(rvdata::ReadDataSet(std::span(&named, 1)).message,
              "long.csv: " + InstrumentNameRefusal().English());
    // Measurements closer in time than a period can be sought in, from two files.
    const rvdata::TRvFile close[] = {
        InstrumentFile("a", Row(2450000.0, 1.0, 1.0, "A") + Row(2450000.0, 2.0, 1.0, "A")),
        InstrumentFile("b", Row(2450000.0001, 3.0, 1.0, "B"))};
    EXPECT_EQ(rvdata::ReadDataSet(close).message, "b.csv: " + SpanRefusal(0.0001).English());
}
