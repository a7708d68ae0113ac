// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The book's keeping of a student's work: File, Save system and Open system, and the work a
// book reopened at another zoom takes over.
#include "thisbook/TThisBook.h"

#include "Application.h"
#include "BookText.h"
#include "SavedFile.h"
#include "WorkFile.h"
#include "book/ChapterTable.h"
#include "book/TCustomChapter.h"
#include "book/TThisChapter.h"
#include "observing/TObservingRunForm.h"
#include "simulation/SystemKeeper.h"
#include "thisbook/AnswersJson.h"

#include <QFileDialog>
#include <QFrame>

namespace {

QString WorkFilter() { return BookText("Book window", "Saved work (*.json);;All files (*)"); }

} // namespace

bool TThisBook::SaveSystemFile(const QString& path) {
    const auto* keeper = dynamic_cast<const TSystemKeeper*>(CurrentChapter);
    if (!keeper) {
        Application::ShowMessage(
            BookText("Book window", "Only a system built in the free experiment can be saved.")
                .toStdString());
        return false;
    }
    QJsonObject parts{{"system", SystemToJson(keeper->KeptSystem())}};
    if (const QJsonObject answers = KeptAnswersPart(); !answers.isEmpty())
        parts.insert("answers", answers);
    const QString failure = WriteWorkFile(path, parts);
    if (!failure.isEmpty()) {
        Application::ShowMessage(failure.toStdString());
        return false;
    }
    return true;
}

bool TThisBook::OpenSystemFile(const QString& path) {
    TSystemState state;
    try {
        const QJsonObject parts = ReadWorkFile(path);
        if (!parts.contains("system"))
            throw EWorkFileRefusal(parts.contains("observingRun")
                                       ? BookText("Book window",
                                                  "The file holds an observing run, not a system: "
                                                  "open it in the observing run's window.")
                                       : BookText("Book window", "The file holds no system."));
        state = SystemFromJson(parts.value("system").toObject());
    } catch (const EWorkFileRefusal& e) {
        Application::ShowMessage(e.Reason().toStdString());
        return false;
    }
    // The sliders' ranges are the chapter's, so they are checked on a chapter made for it
    // before the reader's own chapter is left.
    if (!dynamic_cast<TSystemKeeper*>(CurrentChapter)) {
        std::unique_ptr<TCustomChapter, void (*)(TForm*)> probe(
            CreateChapterWindow(SystemChapter(), *this), TForm::Free);
        const auto* keeper = dynamic_cast<const TSystemKeeper*>(probe.get());
        if (const QString refusal = keeper ? keeper->SystemRefused(state) : QString();
            !refusal.isEmpty()) {
            Application::ShowMessage(refusal.toStdString());
            return false;
        }
        if (!SplashScreen->isHidden())
            LeaveSplash();
        ChapterNumber = SystemChapter();
        ShowChapter(1);
    }
    auto* keeper = dynamic_cast<TSystemKeeper*>(CurrentChapter);
    if (!keeper)
        return false;
    if (const QString refusal = keeper->SystemRefused(state); !refusal.isEmpty()) {
        Application::ShowMessage(refusal.toStdString());
        return false;
    }
    if (!ContentsPanel->isHidden())
        GoBackButtonClick();
    keeper->RestoreSystem(state);
    return true;
}

bool TThisBook::ExportMeasurementsFile(const QString& path) {
    const auto* chapter = dynamic_cast<const TThisChapter*>(CurrentChapter);
    const std::string csv = chapter ? chapter->MeasurementsCsv() : std::string();
    if (csv.empty()) {
        Application::ShowMessage(
            BookText("Book window", "The open chapter shows no measurements.").toStdString());
        return false;
    }
    if (const QString cause = SaveWholeFile(path, csv); !cause.isEmpty()) {
        Application::ShowMessage(BookText("Book window", "The measurements were not written: %1.")
                                     .arg(cause)
                                     .toStdString());
        return false;
    }
    return true;
}

void TThisBook::mnitExportMeasurementsClick() {
    const QString path = QFileDialog::getSaveFileName(
        this, BookText("Book window", "Export measurements"),
        BookText("Book window", "measurements.csv", "the file name offered"),
        BookText("Book window", "Measurements (*.csv);;All files (*)"));
    if (!path.isEmpty())
        ExportMeasurementsFile(path);
}

void TThisBook::mnitSaveSystemClick() {
    const QString path = QFileDialog::getSaveFileName(
        this, BookText("Book window", "Save system"),
        BookText("Book window", "system.json", "the file name offered"), WorkFilter());
    if (!path.isEmpty())
        SaveSystemFile(path);
}

void TThisBook::mnitOpenSystemClick() {
    const QString path = QFileDialog::getOpenFileName(this, BookText("Book window", "Open system"),
                                                      QString(), WorkFilter());
    if (!path.isEmpty())
        OpenSystemFile(path);
}

QJsonObject TThisBook::KeptAnswersPart() const {
    TKeptAnswers kept{StudentName, StudentWork()};
    std::erase_if(kept.chapters, [](const auto& c) {
        return c.second.answers.empty() && c.second.seed == 0;
    });
    if (kept.name.empty() && kept.chapters.empty())
        return {};
    return AnswersToJson(kept);
}

void TThisBook::RestoreAnswers(const TKeptAnswers& kept) {
    StudentName = kept.name;
    keptWork_ = kept.chapters;
    // The open chapter opens again on its kept data: a seed can only be drawn before its
    // first page.
    if (openNumber_ != 0 && keptWork_.contains(openNumber_)) {
        const int page = CurrentChapter->Page;
        ChapterNumber = openNumber_;
        openNumber_ = 0;
        ShowChapter(page);
    }
}

QJsonObject TThisBook::KeptWork() const {
    QJsonObject parts;
    if (const QJsonObject answers = KeptAnswersPart(); !answers.isEmpty())
        parts.insert("answers", answers);
    if (const auto* keeper = dynamic_cast<const TSystemKeeper*>(CurrentChapter))
        parts.insert("system", SystemToJson(keeper->KeptSystem()));
    if (ObservingRunForm && !ObservingRunForm->Measurements().data.empty())
        parts.insert("observingRun", RunToJson(ObservingRunForm->SavedRun()));
    return parts;
}

QString TThisBook::RestoreWork(const QJsonObject& parts) {
    try {
        if (parts.contains("answers"))
            RestoreAnswers(AnswersFromJson(parts.value("answers").toObject()));
        if (parts.contains("system")) {
            const TSystemState state = SystemFromJson(parts.value("system").toObject());
            auto* keeper = dynamic_cast<TSystemKeeper*>(CurrentChapter);
            if (!keeper)
                return BookText("Book window", "The system kept has no chapter to go into.");
            if (const QString refusal = keeper->SystemRefused(state); !refusal.isEmpty())
                return refusal;
            keeper->RestoreSystem(state);
        }
        if (parts.contains("observingRun")) {
            const TRunState run = RunFromJson(parts.value("observingRun").toObject());
            mnitObservingRunClick();
            if (const QString refusal = ObservingRunForm->RunRefusal(run); !refusal.isEmpty())
                return refusal;
            ObservingRunForm->RestoreRun(run);
        }
    } catch (const EWorkFileRefusal& e) {
        return e.Reason();
    }
    return {};
}
