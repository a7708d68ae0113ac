// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "thisbook/TeacherGuide.h"

#include "BookText.h"
#include "BookWording.h"
#include "NumberText.h"
#include "SavedFile.h"
#include "book/ChapterTable.h"
#include "book/TThisChapter.h"
#include "model/fit/FitText.h"
#include "model/observing/HiddenSystems.h"
#include "model/observing/MysteryStars.h"
#include "model/fit/PlanetMass.h"
#include "model/rv/RvBundle.h"
#include "model/fit/SupportedFit.h"
#include "model/orbit/planet.h"
#include "oRichEdit.h"
#include "thisbook/TThisBook.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
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
// The document's text with its raised runs written as powers: "e²", "(P / 365.25 d)^(1/3)".
QString TextWithPowers(const QTextDocument& document) {
    static const QString Raised = QString::fromUtf8("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QString run = fragment.fragment().text();
            const QTextCharFormat format = fragment.fragment().charFormat();
            // The writer raises a run by a baseline offset; a rich text may mark it instead.
            const bool raised = format.baselineOffset() > 0.0 ||
                                format.verticalAlignment() == QTextCharFormat::AlignSuperScript;
            if (!raised)
                line += run;
            else if (run.size() == 1 && run[0].isDigit())
                line += Raised[run[0].digitValue()];
            else
                line += "^(" + run + ")";
        }
        lines << line;
    }
    return lines.join('\n');
}

// The box's text as one paragraph; a first paragraph of one line without a stop of its own
// (a page's heading) is ended with one, so that it does not run into the sentence after it.
QString Flat(const oRichEdit& box) {
    QString text = TextWithPowers(*box.document()).trimmed();
    const qsizetype end = text.indexOf("\n\n");
    if (end > 0 && !text.left(end).contains('\n') && !QString(".?!:;").contains(text[end - 1]))
        text.insert(end, '.');
    return text.simplified();
}

void WriteQuestionPages(TGuideWriter& out, TThisChapter& chapter) {
    for (int page = 1; page <= chapter.PageCount; ++page) {
        chapter.Page = page;
        chapter.RefreshPage();
        const std::string accepted = chapter.AcceptedAnswer();
        if (accepted.empty())
            continue;
        out.Heading(BookText("Teacher's guide", "Page %1").arg(chapter.FirstPage + page - 1), 11);
        out.Para(BookText("Teacher's guide", "Page text and question:"), Flat(*chapter.TextBox));
        out.Para(BookText("Teacher's guide", "Accepted answer:"), QString::fromStdString(accepted));
        // The hint as the second wrong answer shows it, the conclusion as the third.
        chapter.AnswerCorrect = false;
        chapter.QuestionClosed = false;
        chapter.WrongAnswers = 2;
        chapter.FeedbackBox->Clear();
        chapter.WriteHint();
        out.Para(BookText("Teacher's guide", "After two wrong answers:"),
                 Flat(*chapter.FeedbackBox));
        chapter.QuestionClosed = true;
        chapter.WrongAnswers = chapter.MaxAttempts;
        chapter.FeedbackBox->Clear();
        chapter.WriteConclusion();
        out.Para(BookText("Teacher's guide", "Conclusion:"), Flat(*chapter.FeedbackBox));
    }
}

QString Elements(const kepler::TRadialVelocityElements& e, double starMass_Solar) {
    const fit::TPlanetMass mass = fit::PlanetMass(e.period_days, e.K_mps, e.ecc, starMass_Solar);
    return BookText("Teacher's guide",
                    "P = %1 days, K = %2 m/s, e = %3, ω = %4°, m sin i = %5 Jupiter masses",
                    "a planet's period, semi-amplitude, eccentricity, argument of periastron and "
                    "minimum mass")
        .arg(FixedText(e.period_days, 3), FixedText(e.K_mps, 1), FixedText(e.ecc, 2),
             FixedText(std::fmod(e.omega_rad * 180.0 / std::numbers::pi + 360.0, 360.0), 0),
             FixedText(mass.massSinI_Solar * JupiterMassesPerSolarMass, 2));
}

void WriteFit(TGuideWriter& out, std::span<const observing::TMeasurement> data,
              double starMass_Solar) {
    const fit::TFitResult best = fit::SupportedFit(data, observing::HiddenShortestPeriod_days,
                                                   starMass_Solar);
    if (best.outcome != fit::TFitOutcome::Done) {
        out.Para(BookText("Teacher's guide", "Best supported fit:"),
                 BookWording(best.message));
        return;
    }
    auto s = [](const fit::TEstimate& x) { return BookWording(fit::WithUncertainty(x)); };
    QString text =
        BookText("Teacher's guide", "%n planet(s), rms %1 m/s, reduced χ² %2.", nullptr,
                 int(best.solution.planets.size()))
            .arg(FixedText(best.solution.rms_mps, 1), FixedText(best.solution.reducedChiSquare, 2));
    for (const fit::TFittedPlanet& p : best.solution.planets)
        text += " " + BookText("Teacher's guide",
                               "P = %1 days, K = %2 m/s, e = %3, m sin i = %4 Jupiter masses.",
                               "a fitted planet's period, semi-amplitude, eccentricity and "
                               "minimum mass, each with its uncertainty")
                          .arg(s(p.period_days), s(p.K_mps), s(p.ecc), s(p.massSinI_Jupiter));
    out.Para(BookText("Teacher's guide", "Best supported fit:"), text);
}

void WriteHiddenStars(TGuideWriter& out) {
    out.Heading(BookText("Teacher's guide", "The hidden stars of “Finding a planet”"), 14);
    const auto& systems = observing::HiddenSystems();
    out.Para("", BookText("Teacher's guide",
                          "A seed s observes hidden star (s mod %1) + 1 on the nights the seed "
                          "draws; the fits below are those of the smallest seed of each star.")
                     .arg(systems.size()));
    for (std::size_t k = 0; k < systems.size(); ++k) {
        const observing::THiddenSystem& star = systems[k];
        const std::uint64_t seed = k == 0 ? systems.size() : k;
        out.Heading(BookText("Teacher's guide", "%1 (seed %2), star of %3 solar masses",
                             "a hidden star's name, its seed and its mass")
                        .arg(BookWording(star.name))
                        .arg(seed)
                        .arg(FixedText(star.starMass_Solar, 2)),
                    11);
        for (const kepler::TRadialVelocityElements& planet : star.planets)
            out.Para(BookText("Teacher's guide", "True planet:"),
                     Elements(planet, star.starMass_Solar));
        WriteFit(out, observing::ObserveHidden(seed), star.starMass_Solar);
    }
}

// The answer sheet, a block a star, each followed by the fit its measurements support.
void WriteMysteryStars(TGuideWriter& out) {
    out.Heading(BookText("Teacher's guide", "The observing run's mystery stars"), 14);
    for (const observing::TMysteryStar& star : observing::MysteryStars()) {
        for (const TWording& line : observing::AnswerLines(star))
            out.Para("", BookWording(line));
        WriteFit(out, observing::Observe(star), star.starMass);
    }
}

// What the observing window's menu says of a published star's data beyond its files, where
// it says more: a fit the class will meet that the data cannot be trusted with.
void WritePublishedStars(TGuideWriter& out) {
    out.Heading(BookText("Teacher's guide", "The published data of the observing window"), 14);
    out.Para("", BookText("Teacher's guide",
                          "In the observing window, File, Open real data opens the published "
                          "measurements that come with the book, and the Fit page finds their "
                          "planets one by one."));
    for (const rvdata::TBundledStar& star : rvdata::BundledStars())
        if (const QString note = BookWording(star.note); !note.isEmpty())
            out.Para(QString(star.name) + ":", note);
}

// Opens chapter `number` of `book`, its data drawn from `seed` where a seed draws them.
TThisChapter* OpenChapter(TThisBook& book, int number, std::uint64_t seed) {
    book.ChapterNumber = 0;
    book.ShowChapter(1);
    book.KeepChapterSeed(number, seed);
    book.ChapterNumber = number;
    book.ShowChapter(1);
    return dynamic_cast<TThisChapter*>(book.CurrentChapter);
}

QString ChapterHeading(int number, const TThisChapter& chapter) {
    return BookText("Teacher's guide", "Chapter %1: %2", "the chapter's number and title")
        .arg(number)
        .arg(QString::fromStdString(chapter.Caption()));
}

// A table of every student's answers, a row a seed, for each chapter whose data a seed draws.
void WriteClassTable(QTextDocument& doc, TThisBook& book, const TGuideOptions& options) {
    for (int number = 1; number <= ChapterTableSize(); ++number) {
        TThisChapter* chapter = OpenChapter(book, number, options.firstSeed);
        if (!chapter || chapter->ClassAnswers().empty())
            continue;
        QString html =
            "<h3>" +
            BookText("Teacher's guide", "%1: the class's answers", "the chapter's heading")
                .arg(ChapterHeading(number, *chapter).toHtmlEscaped()) +
            "</h3><table border=\"1\" cellpadding=\"3\" cellspacing=\"0\"><tr><th>" +
            BookText("Teacher's guide", "seed", "the column of the students' seeds") + "</th>";
        for (const auto& [heading, answer] : chapter->ClassAnswers())
            html += "<th>" + QString::fromStdString(heading).toHtmlEscaped() + "</th>";
        html += "</tr>";
        for (std::uint64_t seed = options.firstSeed; seed <= options.lastSeed; ++seed) {
            chapter = OpenChapter(book, number, seed);
            html += QString("<tr><td>%1</td>").arg(seed);
            for (const auto& [heading, answer] : chapter->ClassAnswers())
                html += "<td>" + QString::fromStdString(answer).toHtmlEscaped() + "</td>";
            html += "</tr>";
        }
        QTextCursor cursor(&doc);
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
        cursor.insertHtml(html + "</table>");
    }
}

QByteArray PdfOf(const QTextDocument& text, const QString& title) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(1200);
        writer.setTitle(title);
        writer.setCreator(QCoreApplication::applicationName());
        text.print(&writer);
    }
    return pdf.data();
}

QString GuideTitle() {
    return BookText("Teacher's guide", "Doppler spectroscopy: the teacher's guide");
}

QString WorksheetTitle() { return BookText("Worksheet", "Doppler spectroscopy: worksheet"); }

} // namespace

QString ReadGuideOptions(const QStringList& arguments, TGuideOptions& options) {
    const auto seed = [](const QString& text) {
        bool ok = false;
        const qulonglong value = text.toULongLong(&ok);
        return ok && value >= 1 && value <= observing::MaxHiddenSeed ? std::uint64_t(value) : 0;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString value = arguments.value(i + 1);
        if (arguments[i] == "--seed") {
            options.seed = seed(value);
            if (options.seed == 0)
                return BookText("Teacher's guide", "--seed wants a seed from 1 to %1.")
                    .arg(observing::MaxHiddenSeed);
        } else if (arguments[i] == "--seeds") {
            const QStringList ends = value.split('-');
            options.firstSeed = seed(ends.value(0));
            options.lastSeed = ends.size() == 2 ? seed(ends.value(1)) : 0;
            // A class, not the whole range: the table's rows each take a fit.
            if (options.firstSeed == 0 || options.lastSeed < options.firstSeed ||
                options.lastSeed - options.firstSeed >= MaxClassSize)
                return BookText("Teacher's guide",
                                "--seeds wants two seeds from 1 to %1, the first no larger, at "
                                "most %2 apart, as 101-130.")
                    .arg(observing::MaxHiddenSeed)
                    .arg(MaxClassSize - 1);
        }
    }
    return {};
}

std::unique_ptr<QTextDocument> TeacherGuideText(TThisBook& book, const TGuideOptions& options) {
    auto doc = std::make_unique<QTextDocument>();
    TGuideWriter out(*doc);
    out.Heading(GuideTitle(), 18);
    out.Para("", BookText("Teacher's guide",
                          "Every question of the book, with its accepted answer, hint and "
                          "conclusion as the chapters write them. Answers that depend on a "
                          "student's own data are worked out from the numbers the student's "
                          "screen shows; the values given are those of seed %1, which a "
                          "student gets by typing it beside Observe.")
                     .arg(options.seed));
    oRichEdit notes;
    for (int number = 1; number <= ChapterTableSize(); ++number) {
        TThisChapter* chapter = OpenChapter(book, number, options.seed);
        if (!chapter)
            continue;
        notes.Clear();
        chapter->WriteTeacherNotes(notes);
        // A chapter with nothing to say gets no heading.
        bool asks = false;
        for (chapter->Page = 1; chapter->Page <= chapter->PageCount && !asks; ++chapter->Page) {
            chapter->RefreshPage();
            asks = !chapter->AcceptedAnswer().empty();
        }
        if (notes.toPlainText().trimmed().isEmpty() && !asks)
            continue;
        out.Heading(ChapterHeading(number, *chapter), 14);
        if (!notes.toPlainText().trimmed().isEmpty())
            out.Para("", notes.toPlainText().trimmed());
        WriteQuestionPages(out, *chapter);
    }
    if (options.firstSeed != 0)
        WriteClassTable(*doc, book, options);
    book.ChapterNumber = 0;
    book.ShowChapter(1);
    WriteHiddenStars(out);
    WriteMysteryStars(out);
    WritePublishedStars(out);
    return doc;
}

QString WriteTeacherGuide(TThisBook& book, const QString& path, const TGuideOptions& options) {
    const std::unique_ptr<QTextDocument> text = TeacherGuideText(book, options);
    // Made in memory and then written whole, so a guide that cannot be written leaves an
    // earlier one as it was.
    if (const QString cause = SaveWholeFile(path, PdfOf(*text, GuideTitle())); !cause.isEmpty())
        return BookText("Teacher's guide", "The teacher's guide cannot be written to %1: %2.")
            .arg(path, cause);
    return {};
}

std::unique_ptr<QTextDocument> WorksheetText(TThisBook& book) {
    auto doc = std::make_unique<QTextDocument>();
    TGuideWriter out(*doc);
    out.Heading(WorksheetTitle(), 18);
    for (int number = 1; number <= ChapterTableSize(); ++number) {
        TThisChapter* chapter = OpenChapter(book, number, DefaultGuideSeed);
        if (!chapter)
            continue;
        bool headed = false;
        for (int page = 1; page <= chapter->PageCount; ++page) {
            chapter->Page = page;
            chapter->RefreshPage();
            if (chapter->AcceptedAnswer().empty())
                continue;
            if (!headed) {
                out.Heading(ChapterHeading(number, *chapter), 14);
                out.Para(BookText("Worksheet", "Name:"),
                         BookText("Worksheet", "%1   Seed (chapter 6): %2",
                                  "%1 and %2 are the lines the name and the seed are written on")
                             .arg(QString(30, QChar('_')), QString(8, QChar('_'))));
                headed = true;
            }
            // The question is the page text's last paragraph, which may run over lines.
            const QStringList paragraphs = chapter->TextBox->toPlainText().split(
                QRegularExpression("\\n\\s*\\n"), Qt::SkipEmptyParts);
            out.Para(BookText("Worksheet", "Page %1:").arg(chapter->FirstPage + page - 1),
                     paragraphs.isEmpty() ? QString() : paragraphs.last().simplified());
            for (int line = 0; line < 3; ++line)
                out.Para("", QString(78, QChar('_')));
        }
    }
    book.ChapterNumber = 0;
    book.ShowChapter(1);
    return doc;
}

QString WriteWorksheet(TThisBook& book, const QString& path) {
    const std::unique_ptr<QTextDocument> text = WorksheetText(book);
    if (const QString cause = SaveWholeFile(path, PdfOf(*text, WorksheetTitle())); !cause.isEmpty())
        return BookText("Worksheet", "The worksheet cannot be written to %1: %2.").arg(path, cause);
    return {};
}
