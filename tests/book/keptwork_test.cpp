// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// A student's work kept: a system built in the free experiment saved and opened again, the
// files the book refuses (with nothing open lost), the work file's fields, and the work a
// book reopened at another zoom takes over.
#include "BookFixture.h"

#include "FileSizeLimit.h"
#include "JsonFiles.h"
#include "WorkFile.h"
#include "book/BookPlace.h"
#include "thisbook/Reopening.h"
#include "observing/TObservingRunForm.h"
#include "observing/TOrbitFitPage.h"
#include "simulation/SystemKeeper.h"
#include "simulation/TBaseChapter.h"
#include "simulation/TPlanetParamForm.h"

#include <QCheckBox>
#include <QFile>
#include <QJsonDocument>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <functional>
#include <tuple>

class KeptWorkTest : public BookTest {
protected:
    TBaseChapter& free() {
        open(5, 4);
        auto* c = dynamic_cast<TBaseChapter*>(chapter());
        EXPECT_NE(c, nullptr);
        return *c;
    }
    // A system a student builds: Skyron renamed, moved and switched on, the view changed.
    void build(TBaseChapter& c) {
        TPlanetParamForm& d = *c.ParamForm;
        d.PlanRadioButton3->click();
        d.PlanName->setText("Vesta");
        d.aSlider->setValue(d.aSlider->minimum() + 7);
        d.EccSlider->setValue(d.EccSlider->maximum() / 2);
        d.SmassSlider->setValue(d.SmassSlider->minimum() + 3);
        c.ChBoxPlanet3->setChecked(true);
        c.ChBoxPlanet2->setChecked(false);
        c.ZoomSlider->setValue(c.ZoomSlider->minimum() + 2);
        c.thetatrack->setValue(c.thetatrack->minimum() + 11);
        c.omegatrack->setValue(c.omegatrack->maximum() - 5);
        c.TimeSlider->setValue(c.TimeSlider->minimum());
        c.ShowTracks->setChecked(!c.ShowTracks->isChecked());
    }
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(name); }
};

TEST_F(KeptWorkTest, ASystemSavedOpensAsItWasBuiltFromAnyPlaceInTheBook) {
    TBaseChapter& c = free();
    build(c);
    const TPlanet skyron = c.Planets[2];
    const double starMass = c.StarMass;
    const int zoom = c.ZoomSlider->value(), tilt = c.omegatrack->value(),
              turn = c.thetatrack->value(), scale = c.TimeSlider->value();
    const bool tracks = c.ShowTracks->isChecked();
    ASSERT_TRUE(book->SaveSystemFile(path("mine.json")));

    // Another student's book, on another chapter's page.
    TForm::Free(book);
    book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    book->show();
    open(2, 3);
    ASSERT_TRUE(book->OpenSystemFile(path("mine.json"))) << testing::PrintToString(dialogs.messages);
    auto* opened = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(dynamic_cast<TSystemKeeper*>(chapter()), nullptr) << "the free experiment opened";
    EXPECT_EQ(opened->Planets[2].Name.str(), "Vesta");
    EXPECT_EQ(opened->Planets[2].a, skyron.a);
    EXPECT_EQ(opened->Planets[2].ecc, skyron.ecc);
    EXPECT_EQ(opened->Planets[2].psi, skyron.psi);
    EXPECT_EQ(opened->StarMass, starMass);
    EXPECT_TRUE(opened->Planets[2].Visible);
    EXPECT_FALSE(opened->Planets[1].Visible);
    EXPECT_EQ(opened->ChBoxPlanet3->text(), "Vesta");
    EXPECT_EQ(opened->ZoomSlider->value(), zoom);
    EXPECT_EQ(opened->omegatrack->value(), tilt);
    EXPECT_EQ(opened->thetatrack->value(), turn);
    EXPECT_EQ(opened->TimeSlider->value(), scale);
    EXPECT_EQ(opened->ShowTracks->isChecked(), tracks);
    EXPECT_EQ(opened->ParamForm->Planet, &opened->Planets[2]) << "the planet being edited";

    // A page turn keeps the system, as it keeps one set up from the card.
    book->PageForward();
    ASSERT_EQ(chapter(), opened) << "the page turn stays in the free experiment";
    EXPECT_FALSE(opened->Planets[1].Visible) << "Vulcan is not ticked again";
}

TEST_F(KeptWorkTest, TheSystemFileHoldsTheDocumentedFields) {
    TBaseChapter& c = free();
    ASSERT_TRUE(book->SaveSystemFile(path("s.json")));
    const QJsonObject root = ReadJson(path("s.json"));
    EXPECT_EQ(Keys(root), (QSet<QString>{"format", "version", "system"}));
    EXPECT_EQ(root["format"].toString(), "doppler-spectroscopy-work");
    EXPECT_EQ(root["version"].toInt(), 1);
    const QJsonObject system = root["system"].toObject();
    EXPECT_EQ(Keys(system),
              (QSet<QString>{"starMass", "planets", "editedPlanet", "timeScale", "zoom", "tilt",
                             "turn", "tracks", "velocityArrows", "autoScale"}));
    ASSERT_EQ(system["planets"].toArray().size(), 3);
    EXPECT_EQ(Keys(system["planets"].toArray()[1].toObject()),
              (QSet<QString>{"name", "mass", "a", "ecc", "inc", "phi", "psi", "visible"}));
    EXPECT_EQ(system["planets"].toArray()[0].toObject()["a"].toDouble(), c.Planets[0].a);
}

TEST_F(KeptWorkTest, ARefusedFileIsNamedWithItsReasonAndChangesNothing) {
    TBaseChapter& c = free();
    ASSERT_TRUE(book->SaveSystemFile(path("good.json")));
    const QJsonObject good = ReadJson(path("good.json"));
    build(c);
    const TSystemState before = CaptureSystem(c);

    const auto edited = [&](const std::function<void(QJsonObject&)>& change) {
        QJsonObject root = good;
        QJsonObject system = root["system"].toObject();
        change(system);
        root["system"] = system;
        return QJsonDocument(root).toJson();
    };
    const auto planetSet = [](const char* key, QJsonValue value) {
        return [key, value](QJsonObject& s) {
            QJsonArray planets = s["planets"].toArray();
            QJsonObject p = planets[1].toObject();
            p[key] = value;
            planets[1] = p;
            s["planets"] = planets;
        };
    };
    QJsonObject otherVersion = good;
    otherVersion["version"] = 2;
    QJsonObject otherFormat = good;
    otherFormat["format"] = "spreadsheet";
    const struct {
        const char* name;
        QByteArray text;
        const char* reason;
    } cases[] = {
        {"not JSON", "starMass = 1", "not a saved piece of work"},
        {"a list", "[1, 2]", "no JSON object"},
        {"another format", QJsonDocument(otherFormat).toJson(), "\"format\""},
        {"another version", QJsonDocument(otherVersion).toJson(), "another version"},
        {"a run only", WorkFileText({{"observingRun", QJsonObject{}}}), "observing run"},
        {"a star too light", edited([](QJsonObject& s) { s["starMass"] = 0.0; }), "system.starMass"},
        {"two planets", edited([](QJsonObject& s) {
             QJsonArray p = s["planets"].toArray();
             p.removeLast();
             s["planets"] = p;
         }), "system.planets"},
        {"a negative orbit", edited(planetSet("a", -5.2)), "system.planets[1].a"},
        {"an open orbit", edited(planetSet("ecc", 1.0)), "system.planets[1].ecc"},
        {"a number for a name", edited(planetSet("name", 3)), "system.planets[1].name"},
        {"no visibility", edited([](QJsonObject& s) {
             QJsonArray planets = s["planets"].toArray();
             QJsonObject p = planets[0].toObject();
             p.remove("visible");
             planets[0] = p;
             s["planets"] = planets;
         }), "system.planets[0].visible"},
        {"a fourth planet edited", edited([](QJsonObject& s) { s["editedPlanet"] = 3; }),
         "system.editedPlanet"},
        {"a zoom off its slider", edited([](QJsonObject& s) { s["zoom"] = 100000; }),
         "zoom position 100000"},
        {"half a step", edited([](QJsonObject& s) { s["tilt"] = 1.5; }), "system.tilt"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        WriteBytes(path("bad.json"), k.text);
        dialogs.messages.clear();
        EXPECT_FALSE(book->OpenSystemFile(path("bad.json")));
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_NE(dialogs.messages[0].find(k.reason), std::string::npos) << dialogs.messages[0];
        EXPECT_EQ(CaptureSystem(c), before);
    }
    // From another chapter, a refused file leaves the reader on its page.
    open(3, 2);
    WriteBytes(path("bad.json"), edited([](QJsonObject& s) { s["zoom"] = 100000; }));
    EXPECT_FALSE(book->OpenSystemFile(path("bad.json")));
    EXPECT_EQ(book->ChapterNumber, 3);
    EXPECT_EQ(chapter()->Page, 2);
    dialogs.messages.clear();
    EXPECT_FALSE(book->OpenSystemFile(path("missing.json")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("not read"), std::string::npos) << dialogs.messages[0];
}

TEST_F(KeptWorkTest, ASaveThatFailsSaysSoAndKeepsTheEarlierFile) {
    free();
    EXPECT_FALSE(book->SaveSystemFile(path("no such folder/kept.json")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("not saved"), std::string::npos) << dialogs.messages[0];
    EXPECT_FALSE(QFile::exists(path("no such folder")));

    ASSERT_TRUE(book->SaveSystemFile(path("kept.json")));
    QFile file(path("kept.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();
    {
        const FileSizeLimit disk(64);
        EXPECT_FALSE(book->SaveSystemFile(path("kept.json")));
    }
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1], "The work was not saved: file too large.");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

TEST_F(KeptWorkTest, ABookReopenedAtAnotherZoomTakesOverTheSystemAndTheRun) {
    TBaseChapter& c = free();
    build(c);
    book->mnitObservingRun->trigger();
    TObservingRunForm& run = *book->ObservingRunForm;
    run.NightsBox->setValue(30);
    run.SeedEdit->setText("17");
    run.ObserveButton->click();
    run.WaitForPeriodogram();
    run.FitPage->WaitForFit();
    run.FitPage->NextPlanetButtonClick();
    run.FitPage->WaitForFit();
    ASSERT_EQ(run.FitPage->Fits().size(), 1u);
    const TSystemState system = CaptureSystem(c);
    const auto data = run.Measurements().data;
    const double rms = run.FitPage->Solution()->rms_mps;
    // The command line the restart builds: the place, then the work in a file of its own.
    char program[] = "doppler-spectroscopy";
    char* before[] = {program, nullptr};
    std::vector<std::string> line = ReopenArguments(1, before, 150, book->Place());
    const std::string work = KeepWorkForRestart(book->KeptWork());
    ASSERT_TRUE(work.starts_with(ResumeWorkOption)) << work;
    const QString file = QFile::decodeName(work.substr(ResumeWorkOption.size()).c_str());
    ASSERT_TRUE(QFile::exists(file));
    line.push_back(work);
    book->close();
    const std::size_t said = dialogs.messages.size();

    TForm::Free(book);
    book = CreateForm<TThisBook>();
    Application::SetMainForm(book);
    std::vector<char*> args;
    for (std::string& arg : line)
        args.push_back(arg.data());
    OpenBook(*book, int(args.size()), args.data(), TBookSettings{});
    EXPECT_EQ(dialogs.messages.size(), said) << dialogs.messages.back();
    EXPECT_FALSE(QFile::exists(file)) << "the reopened book removes the file kept for it";
    EXPECT_TRUE(book->isVisible());
    auto* reopened = dynamic_cast<TBaseChapter*>(chapter());
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(CaptureSystem(*reopened), system);
    EXPECT_EQ(reopened->Page, 4);
    ASSERT_NE(book->ObservingRunForm, nullptr);
    EXPECT_TRUE(book->ObservingRunForm->isVisible());
    EXPECT_EQ(book->ObservingRunForm->Measurements().data, data);
    ASSERT_NE(book->ObservingRunForm->FitPage->Solution(), nullptr);
    EXPECT_EQ(book->ObservingRunForm->FitPage->Solution()->rms_mps, rms);
    book->ObservingRunForm->WaitForPeriodogram();
    book->ObservingRunForm->FitPage->WaitForFit();
}

TEST_F(KeptWorkTest, AReopenedBookRemovesOnlyTheWorkFileItsRestartWrote) {
    // A file of the restart's own name that is refused is said and removed all the same; a
    // file given by hand is read and kept wherever it lies.
    QTemporaryFile own(QDir(QDir::tempPath()).filePath("doppler-spectroscopy-work-XXXXXX.json"));
    own.setAutoRemove(false);
    ASSERT_TRUE(own.open());
    own.write("{}");
    own.close();
    const QString ownFile = own.fileName();
    const std::string kept = std::string(ResumeWorkOption) + ownFile.toStdString();
    WriteBytes(path("mine.json"), "{}");
    const std::string byHand = std::string(ResumeWorkOption) + path("mine.json").toStdString();
    for (const auto& [option, file, removed] :
         {std::tuple{kept, ownFile, true}, std::tuple{byHand, path("mine.json"), false}}) {
        SCOPED_TRACE(option);
        dialogs.messages.clear();
        char program[] = "doppler-spectroscopy";
        std::string argument = option;
        char* args[] = {program, argument.data(), nullptr};
        OpenBook(*book, 2, args, TBookSettings{});
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(QString::fromStdString(dialogs.messages[0])
                        .startsWith("The work open before the new zoom was not taken over: "))
            << dialogs.messages[0];
        EXPECT_EQ(QFile::exists(file), !removed);
    }
}
