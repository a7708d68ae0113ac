// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "thisbook/TeacherGuide.h"

#include "book/ChapterTable.h"
#include "thisbook/TThisBook.h"
#include "book/TThisChapter.h"
#include "model/HiddenSystems.h"
#include "model/MysteryStars.h"
#include "model/PlanetMass.h"
#include "model/SupportedFit.h"
#include "model/FitText.h"
#include "model/planet.h"
#include "SavedFile.h"
#include "oRichEdit.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <numbers>

namespace {

class TGuideWriter {
public:
    explicit TGuideWriter(QTextDocument& doc) : cursor_(&doc) {
        heading_.setFontFamilies({"Arial"});
        heading_.setFontWeight(QFont::Bold);
        body_.setFontFamilies({"Times New Roman"});
        body_.setFontPointSize(10.5);
    }

    void Heading(const QString& text, double points) {
        QTextBlockFormat block;
        block.setTopMargin(points > 14 ? 0 : 14);
        block.setBottomMargin(4);
        if (!first_)
            cursor_.insertBlock(block);
        cursor_.setBlockFormat(block);
        first_ = false;
        heading_.setFontPointSize(points);
        cursor_.insertText(text, heading_);
    }
    // A paragraph, its label in bold.
    void Para(const QString& label, const QString& text) {
        QTextBlockFormat block;
        block.setTopMargin(3);
        cursor_.insertBlock(block);
        if (!label.isEmpty()) {
            QTextCharFormat bold = body_;
            bold.setFontWeight(QFont::Bold);
            cursor_.insertText(label + " ", bold);
        }
        cursor_.insertText(text, body_);
    }

private:
    QTextCursor cursor_;
    QTextCharFormat heading_, body_;
    bool first_ = true;
};

// The text of a rich edit, its lines joined by spaces, its leading blank lines dropped.
QString Flat(const oRichEdit& box) {
    return box.toPlainText().simplified();
}

void WriteQuestionPages(TGuideWriter& out, TThisChapter& chapter) {
    for (int page = 1; page <= chapter.PageCount; ++page) {
        chapter.Page = page;
        chapter.RefreshPage();
        const std::string accepted = chapter.AcceptedAnswer();
        if (accepted.empty())
            continue;
        out.Heading(QString("Page %1").arg(chapter.FirstPage + page - 1), 11);
        out.Para("Page text and question:", Flat(*chapter.TextBox));
        out.Para("Accepted answer:", QString::fromStdString(accepted));
        // The hint as the second wrong answer shows it, the conclusion as the third.
        chapter.AnswerCorrect = false;
        chapter.QuestionClosed = false;
        chapter.WrongAnswers = 2;
        chapter.FeedbackBox->Clear();
        chapter.WriteHint();
        out.Para("After two wrong answers:", Flat(*chapter.FeedbackBox));
        chapter.QuestionClosed = true;
        chapter.WrongAnswers = chapter.MaxAttempts;
        chapter.FeedbackBox->Clear();
        chapter.WriteConclusion();
        out.Para("Conclusion:", Flat(*chapter.FeedbackBox));
    }
}

QString Elements(const kepler::TRadialVelocityElements& e, double starMass_Solar) {
    const fit::TPlanetMass mass = fit::PlanetMass(e.period_days, e.K_mps, e.ecc, starMass_Solar);
    return QString("P = %1 days, K = %2 m/s, e = %3, ω = %4°, m sin i = %5 Jupiter masses")
        .arg(e.period_days, 0, 'f', 3)
        .arg(e.K_mps, 0, 'f', 1)
        .arg(e.ecc, 0, 'f', 2)
        .arg(std::fmod(e.omega_rad * 180.0 / std::numbers::pi + 360.0, 360.0), 0, 'f', 0)
        .arg(mass.massSinI_Solar * JupiterMassesPerSolarMass, 0, 'f', 2);
}

void WriteFit(TGuideWriter& out, std::span<const observing::TMeasurement> data,
              double starMass_Solar) {
    const fit::TFitResult best = fit::SupportedFit(data, observing::HiddenShortestPeriod_days,
                                                   starMass_Solar);
    if (best.outcome != fit::TFitOutcome::Done) {
        out.Para("Best supported fit:", QString::fromStdString(best.message));
        return;
    }
    auto s = [](const fit::TEstimate& x) { return QString::fromStdString(fit::WithUncertainty(x)); };
    QString text = QString("%1 planet(s), rms %2 m/s, reduced χ² %3.")
                       .arg(best.solution.planets.size())
                       .arg(best.solution.rms_mps, 0, 'f', 1)
                       .arg(best.solution.reducedChiSquare, 0, 'f', 2);
    for (const fit::TFittedPlanet& p : best.solution.planets)
        text += QString(" P = %1 days, K = %2 m/s, e = %3, m sin i = %4 Jupiter masses.")
                    .arg(s(p.period_days), s(p.K_mps), s(p.ecc), s(p.massSinI_Jupiter));
    out.Para("Best supported fit:", text);
}

void WriteHiddenStars(TGuideWriter& out) {
    out.Heading("The hidden stars of “Finding a planet”", 14);
    const auto& systems = observing::HiddenSystems();
    out.Para("", QString("A seed s observes hidden star (s mod %1) + 1 on the nights the seed "
                         "draws; the fits below are those of the smallest seed of each star.")
                     .arg(systems.size()));
    for (std::size_t k = 0; k < systems.size(); ++k) {
        const observing::THiddenSystem& star = systems[k];
        const std::uint64_t seed = k == 0 ? systems.size() : k;
        out.Heading(QString("%1 (seed %2), star of %3 solar masses")
                        .arg(star.name)
                        .arg(seed)
                        .arg(star.starMass_Solar, 0, 'f', 2),
                    11);
        for (const kepler::TRadialVelocityElements& planet : star.planets)
            out.Para("True planet:", Elements(planet, star.starMass_Solar));
        WriteFit(out, observing::ObserveHidden(seed), star.starMass_Solar);
    }
}

// The answer sheet, a block a star, each followed by the fit its measurements support.
void WriteMysteryStars(TGuideWriter& out) {
    out.Heading("The observing run's mystery stars", 14);
    const QStringList blocks = QString::fromStdString(observing::AnswerSheet())
                                   .split("\n\n", Qt::SkipEmptyParts);
    const auto& stars = observing::MysteryStars();
    for (std::size_t k = 0; k < stars.size(); ++k) {
        // The sheet's title comes first, then one block a star.
        for (const QString& line : blocks.value(qsizetype(k) + 1).split('\n', Qt::SkipEmptyParts))
            out.Para("", line.trimmed());
        WriteFit(out, observing::Observe(stars[k]), stars[k].starMass);
    }
}

} // namespace

std::unique_ptr<QTextDocument> TeacherGuideText(TThisBook& book) {
    auto doc = std::make_unique<QTextDocument>();
    TGuideWriter out(*doc);
    out.Heading("Doppler spectroscopy: the teacher's guide", 18);
    out.Para("", "Every question of the book, with its accepted answer, hint and conclusion as "
                 "the chapters write them. Answers that depend on a student's own data are "
                 "worked out from the numbers the student's screen shows; the values given are "
                 "those of one seed.");
    oRichEdit notes;
    for (int number = 1; number <= ChapterTableSize(); ++number) {
        book.ChapterNumber = number;
        book.ShowChapter(1);
        auto* chapter = dynamic_cast<TThisChapter*>(book.CurrentChapter);
        if (!chapter)
            continue;
        out.Heading(QString("Chapter %1: %2").arg(number).arg(QString::fromStdString(chapter->Caption())), 14);
        notes.Clear();
        chapter->WriteTeacherNotes(notes);
        if (!notes.toPlainText().isEmpty())
            out.Para("", notes.toPlainText().trimmed());
        WriteQuestionPages(out, *chapter);
    }
    book.ChapterNumber = 0;
    book.ShowChapter(1);
    WriteHiddenStars(out);
    WriteMysteryStars(out);
    return doc;
}

QString WriteTeacherGuide(TThisBook& book, const QString& path) {
    const std::unique_ptr<QTextDocument> text = TeacherGuideText(book);
    // Made in memory and then written whole, so a guide that cannot be written leaves an
    // earlier one as it was.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(1200);
        writer.setTitle("Doppler spectroscopy: the teacher's guide");
        writer.setCreator(QCoreApplication::applicationName());
        text->print(&writer);
    }
    if (const QString cause = SaveWholeFile(path, pdf.data()); !cause.isEmpty())
        return QString("The teacher's guide cannot be written to %1: %2.").arg(path, cause);
    return {};
}
