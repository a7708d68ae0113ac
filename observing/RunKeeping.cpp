// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
// The observing run window's keeping of a run: what it saves, what it takes back from a
// work file, and its Save run and Open run.
#include "observing/TObservingRunForm.h"

#include "BookText.h"
#include "NumberText.h"
#include "WorkFile.h"
#include "observing/RunStatus.h"
#include "observing/TFitByHandPage.h"
#include "observing/TOrbitFitPage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {

QString WorkFilter() { return BookText("Observing run", "Saved work (*.json);;All files (*)"); }

// A value as the file's refusal writes it: six figures at most.
QString ValueText(double value) { return FiguresText(value, 6); }

// `refusal` names the value as %1 and the box's range as %2 to %3.
template <class Box> QString OutsideRange(const Box& box, double value, const QString& refusal) {
    if (value >= box.minimum() && value <= box.maximum())
        return {};
    return refusal.arg(ValueText(value), ValueText(box.minimum()), ValueText(box.maximum()));
}

} // namespace

TRunState TObservingRunForm::SavedRun() const {
    TRunState s;
    s.nights = NightsBox->value();
    s.runLength_days = RunLengthBox->value();
    s.precision_mps = PrecisionBox->value();
    s.jitter_mps = JitterBox->value();
    s.observablePercent = ObservableBox->value();
    s.weatherPercent = WeatherBox->value();
    s.seed = SeedEdit->text().isEmpty() ? "0" : SeedEdit->text();
    switch (source_) {
    case TSource::Observed: s.source = "observed"; break;
    case TSource::Imported: s.source = "imported"; break;
    case TSource::Mystery: s.source = "mystery"; break;
    case TSource::Published:
        s.source = "published";
        s.star = QString::fromStdString(realStar_);
        break;
    default: s.source = "none";
    }
    s.set = set_;
    s.truth = truth_;
    s.truthShown = TruthBox->isChecked();
    s.shortestPeriod_days = ShortestBox->value();
    s.windowShown = WindowBox->isChecked();
    s.foldPeriod_days = PeriodBox->value();
    for (std::size_t k = 0; k < s.byHand.size(); ++k)
        s.byHand[k] = ByHandPage->Sliders[k]->value();
    s.fitJitter = FitPage->JitterBox->isChecked();
    s.fitStarMass_Solar = FitPage->StarMassBox->value();
    s.comparing = FitPage->Comparing();
    s.fits = FitPage->Fits();
    return s;
}

QString TObservingRunForm::RunRefusal(const TRunState& s) const {
    for (const QString& refusal :
         {OutsideRange(*RunLengthBox, s.runLength_days,
                       BookText("Observing run", "The file cannot be used: its run length %1 lies "
                                                 "outside %2 to %3.")),
          OutsideRange(*PrecisionBox, s.precision_mps,
                       BookText("Observing run", "The file cannot be used: its precision %1 lies "
                                                 "outside %2 to %3.")),
          OutsideRange(*JitterBox, s.jitter_mps,
                       BookText("Observing run", "The file cannot be used: its jitter %1 lies "
                                                 "outside %2 to %3.")),
          OutsideRange(*ShortestBox, s.shortestPeriod_days,
                       BookText("Observing run", "The file cannot be used: its shortest period %1 "
                                                 "lies outside %2 to %3.")),
          OutsideRange(*FitPage->StarMassBox, s.fitStarMass_Solar,
                       BookText("Observing run", "The file cannot be used: its star's mass for "
                                                 "the fit %1 lies outside %2 to %3."))})
        if (!refusal.isEmpty())
            return refusal;
    if (s.foldPeriod_days < ShortestBox->value() / 2)
        return BookText("Observing run", "The file cannot be used: its fold period is shorter "
                                         "than half its shortest period.");
    if (s.source == "published" && !PublishedSet(s.star))
        return BookText("Observing run", "The file cannot be used: the book has no published "
                                         "measurements of %1.")
            .arg(s.star);
    return {};
}

void TObservingRunForm::RestoreRun(const TRunState& s) {
    NightsBox->setValue(s.nights);
    RunLengthBox->setValue(s.runLength_days);
    PrecisionBox->setValue(s.precision_mps);
    JitterBox->setValue(s.jitter_mps);
    ObservableBox->setValue(s.observablePercent);
    WeatherBox->setValue(s.weatherPercent);
    SeedEdit->setText(s.seed);
    {
        // The measurements that follow start the one periodogram needed.
        const QSignalBlocker quiet(ShortestBox);
        ShortestBox->setValue(s.shortestPeriod_days);
    }
    PeriodBox->setMinimum(ShortestBox->value() / 2);
    FitPage->SetShortestPeriod(ShortestBox->value());
    WindowBox->setChecked(s.windowShown);
    WindowBoxClick();
    truth_ = s.truth;
    TSource source = TSource::None;
    if (s.source == "observed")
        source = TSource::Observed;
    else if (s.source == "imported")
        source = TSource::Imported;
    else if (s.source == "mystery")
        source = TSource::Mystery;
    else if (s.source == "published")
        source = TSource::Published;
    // The papers are cited from the book's own copy of the data set, as when it was opened.
    const std::optional<rvdata::TRvDataSet> published =
        source == TSource::Published ? PublishedSet(s.star) : std::nullopt;
    ShowMeasurements(s.set, source, KeptRunStatus(s, published ? published->star : std::string()),
                     published ? &*published : nullptr);
    if (published) {
        realStar_ = s.star.toStdString();
        mnitOnCard->setEnabled(true);
    }
    TruthBox->setChecked(s.truthShown && !truth_.empty());
    TruthBoxClick();
    for (std::size_t k = 0; k < s.byHand.size(); ++k)
        ByHandPage->Sliders[k]->setValue(s.byHand[k]);
    FitPage->RestoreFits(s.fits, s.fitJitter, s.fitStarMass_Solar, s.comparing);
    // A periodogram worked out on its own thread would otherwise fold on its peak at its end.
    if (Working())
        keptFold_ = s.foldPeriod_days;
    SetFoldPeriod(s.foldPeriod_days);
}

void TObservingRunForm::ShowRefusal(const QString& refusal) {
    fault_ = set_.data.empty()
                 ? refusal
                 : BookText("Observing run", "%1 The run shown is kept.").arg(refusal);
    ShowStatus();
}

bool TObservingRunForm::SaveRunFile(const QString& path) {
    const QString failure = WriteWorkFile(path, QJsonObject{{"observingRun", RunToJson(SavedRun())}});
    if (!failure.isEmpty()) {
        fault_ = failure;
        ShowStatus();
        return false;
    }
    fault_.clear();
    ShowStatus();
    return true;
}

bool TObservingRunForm::OpenRunFile(const QString& path) {
    TRunState state;
    try {
        const QJsonObject parts = ReadWorkFile(path);
        if (!parts.contains("observingRun"))
            throw EWorkFileRefusal(BookText("Observing run", "The file holds no observing run."));
        state = RunFromJson(parts.value("observingRun").toObject());
    } catch (const EWorkFileRefusal& e) {
        ShowRefusal(e.Reason());
        return false;
    }
    if (const QString refusal = RunRefusal(state); !refusal.isEmpty()) {
        ShowRefusal(refusal);
        return false;
    }
    RestoreRun(state);
    return true;
}

void TObservingRunForm::mnitSaveRunClick() {
    const QString path = QFileDialog::getSaveFileName(this, BookText("Observing run", "Save run"),
                                                      "observing-run.json", WorkFilter());
    if (!path.isEmpty())
        SaveRunFile(path);
}

void TObservingRunForm::mnitOpenRunClick() {
    const QString path = QFileDialog::getOpenFileName(this, BookText("Observing run", "Open run"),
                                                      QString(), WorkFilter());
    if (!path.isEmpty())
        OpenRunFile(path);
}
