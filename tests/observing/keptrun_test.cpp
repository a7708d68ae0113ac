// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// An observing run saved and opened again with its plan, measurements and fits; the run
// file's fields; and the files the window refuses, keeping the run it shows.
#include "../book/BookFixture.h"

#include "JsonFiles.h"
#include "WorkFile.h"
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
#include <functional>

class KeptRunTest : public BookTest {
protected:
    // A run on the two-planet chapter's star with two planets fitted, the student's choices made.
    TObservingRunForm& runWithFits() {
        open(4, 2);
        book->mnitObservingRun->trigger();
        TObservingRunForm& w = *book->ObservingRunForm;
        w.NightsBox->setValue(60);
        w.RunLengthBox->setValue(900);
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
    EXPECT_EQ(o.RunLengthBox->value(), 900.0);
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
}

TEST_F(KeptRunTest, TheRunFileHoldsTheDocumentedFields) {
    TObservingRunForm& w = runWithFits();
    ASSERT_TRUE(w.SaveRunFile(path("run.json")));
    const QJsonObject root = ReadJson(path("run.json"));
    EXPECT_EQ(Keys(root), (QSet<QString>{"format", "version", "observingRun"}));
    const QJsonObject run = root["observingRun"].toObject();
    EXPECT_EQ(Keys(run), (QSet<QString>{"plan", "source", "status", "star", "measurements", "truth",
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
    const QJsonObject fit = run["fit"].toObject()["fits"].toArray()[0].toObject();
    EXPECT_TRUE(Keys(fit).contains("planets") && Keys(fit).contains("offsets") &&
                Keys(fit).contains("trendOrder"));
    const QJsonObject estimate = fit["planets"].toArray()[0].toObject()["K"].toObject();
    EXPECT_EQ(Keys(estimate), (QSet<QString>{"value", "sigma", "low", "high", "fixed"}));
    EXPECT_EQ(estimate["high"].toString(), "inf")
        << "no bound above is written as JSON has no infinity";
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
    QJsonObject oldVersion = good;
    oldVersion["version"] = 0;
    const struct {
        const char* name;
        QByteArray text;
        const char* reason;
    } cases[] = {
        {"cut short", WorkFileText(good).left(200), "not a saved piece of work"},
        {"an older version", QJsonDocument(oldVersion).toJson(), "another version"},
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
             QJsonObject e = p["elements"].toObject();
             e["period"] = -3.0;
             p["elements"] = e;
             planets[0] = p;
             fit["planets"] = planets;
             f[0] = fit;
         })), "fit.fits[0].planets[0].elements.period"},
        {"an offset too few", edited(fits([](QJsonArray& f) {
             QJsonObject fit = f[1].toObject();
             fit["offsets"] = QJsonArray{};
             f[1] = fit;
         })), "offsets"},
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
